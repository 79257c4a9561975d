import QtQuick
import Quillmere

// The glass card: fill by selection, accent outline when selected, a soft shadow below.
// Drawn without shader effects so it looks the same on every scene-graph backend.
Item {
    id: card
    property bool selected: false
    property color accent: View.palette.emerald
    property real radius: 16
    property bool hovered: hover.hovered
    default property alias content: body.data

    HoverHandler { id: hover }

    Rectangle {
        anchors.fill: parent
        anchors.topMargin: 6
        anchors.bottomMargin: -6
        radius: card.radius + 2
        color: "black"
        opacity: View.palette.shadowOpacity * (card.hovered ? 1.75 : 1.0) * 0.6
    }
    Rectangle {
        anchors.fill: parent
        radius: card.radius
        color: card.selected ? View.palette.cardActiveFill : View.palette.cardFill
        border.width: card.selected ? 1.5 : 1
        border.color: card.selected ? card.accent
                                    : Qt.rgba(1, 1, 1, View.palette.isDark ? (card.hovered ? 0.16 : 0.09) : 0.6)
    }
    Item {
        id: body
        anchors.fill: parent
    }
}
