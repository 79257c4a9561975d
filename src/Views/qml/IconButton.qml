import QtQuick
import QtQuick.Templates as T
import Quillmere

// A round button that shows only its symbol; its text is what a screen reader says and what
// the tooltip of a pointer shows.
T.Button {
    id: button
    property string symbol
    property color tint: View.palette.inkPrimary
    property real glyphSize: 16

    implicitWidth: 30
    implicitHeight: 30
    focusPolicy: Qt.StrongFocus
    opacity: enabled ? 1 : 0.4
    Accessible.role: Accessible.Button
    Accessible.name: button.text
    Accessible.onPressAction: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    background: Rectangle {
        radius: width / 2
        color: button.down ? Qt.rgba(button.tint.r, button.tint.g, button.tint.b, 0.22)
                           : (button.hovered ? Qt.rgba(button.tint.r, button.tint.g, button.tint.b, 0.12) : "transparent")
        border.width: button.visualFocus ? 2 : 0
        border.color: View.palette.inkPrimary
    }
    contentItem: GlyphIcon { symbol: button.symbol; size: button.glyphSize; color: button.tint }
}
