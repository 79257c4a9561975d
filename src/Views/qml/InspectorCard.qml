import QtQuick
import QtQuick.Layouts
import Quillmere

// One block of the inspector: a glass card as tall as what it holds.
Item {
    id: card
    default property alias content: column.data
    property alias spacing: column.spacing
    property bool highlighted: false
    property color accent: View.palette.emerald
    readonly property int padding: 12

    Layout.fillWidth: true
    implicitHeight: column.implicitHeight + 2 * card.padding

    GlassCard {
        anchors.fill: parent
        radius: 14
        selected: card.highlighted
        accent: card.accent
    }
    ColumnLayout {
        id: column
        x: card.padding
        y: card.padding
        width: card.width - 2 * card.padding
        spacing: 6
    }
}
