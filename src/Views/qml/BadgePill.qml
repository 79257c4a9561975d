import QtQuick
import Quillmere

// A small capsule tag with an icon and one line of text.
Rectangle {
    id: pill
    property string symbol
    property string label
    property color tint: View.palette.emerald
    property bool prominent: false
    property color ink: prominent ? View.palette.onFill(tint) : View.palette.textShade(tint, View.palette.isDark)

    implicitWidth: row.implicitWidth + 16
    implicitHeight: row.implicitHeight + 7
    radius: height / 2
    color: prominent ? tint : Qt.rgba(tint.r, tint.g, tint.b, View.palette.isDark ? 0.16 : 0.11)
    border.width: 0.8
    border.color: prominent ? Qt.rgba(1, 1, 1, 0.25) : Qt.rgba(tint.r, tint.g, tint.b, View.palette.isDark ? 0.32 : 0.22)

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 4
        GlyphIcon { symbol: pill.symbol; size: 12; color: pill.ink; visible: pill.symbol !== "" }
        InkText { text: pill.label; color: pill.ink; font.pixelSize: 12; elide: Text.ElideRight }
    }
}
