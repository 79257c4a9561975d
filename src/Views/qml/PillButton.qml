import QtQuick
import QtQuick.Templates as T
import Quillmere

// A capsule button drawn with the palette: filled with the tint, or outlined when quiet.
// Space or Enter presses it; a screen reader finds it by its text.
T.Button {
    id: button
    property string symbol
    property color tint: View.palette.emerald
    property bool quiet: false
    // Filled: a deep shade of the tint reads on it; quiet: the tint's text shade on the card.
    readonly property color ink: button.quiet ? View.palette.textShade(button.tint, View.palette.isDark) : View.palette.onFill(button.tint)

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: 32
    leftPadding: 13
    rightPadding: 13
    opacity: enabled ? 1 : 0.45
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: button.text
    // A disabled button does nothing, whichever way it is pressed.
    Accessible.onPressAction: if (button.enabled) button.clicked()
    Keys.onReturnPressed: if (button.enabled) button.clicked()
    Keys.onEnterPressed: if (button.enabled) button.clicked()

    background: Rectangle {
        radius: height / 2
        color: button.quiet ? (button.hovered ? Qt.rgba(button.tint.r, button.tint.g, button.tint.b, 0.1) : "transparent")
                            : (button.down ? Qt.darker(button.tint, 1.15) : button.tint)
        border.width: button.visualFocus ? 2 : (button.quiet ? 1 : 0)
        border.color: button.visualFocus ? View.palette.inkPrimary : Qt.rgba(button.tint.r, button.tint.g, button.tint.b, 0.6)
    }
    contentItem: Row {
        spacing: 6
        GlyphIcon {
            symbol: button.symbol
            visible: button.symbol !== ""
            size: 15
            color: button.ink
            anchors.verticalCenter: parent.verticalCenter
        }
        InkText {
            text: button.text
            color: button.ink
            font.pixelSize: 13
            font.weight: Font.DemiBold
            anchors.verticalCenter: parent.verticalCenter
        }
    }
}
