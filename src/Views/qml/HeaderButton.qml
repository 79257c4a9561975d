import QtQuick
import QtQuick.Templates as T
import Quillmere

// A button of the header bar: icon, text and an optional trailing icon on a glass card.
T.Button {
    id: button
    property string symbol
    property string trailingSymbol
    // An emoji before the text (a flag).
    property string emblem
    property bool chosen: false

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    leftPadding: 11
    rightPadding: 11
    implicitHeight: 34
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: button.emblem === "" ? button.text : button.emblem + "  " + button.text
    Accessible.onPressAction: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    background: GlassCard {
        radius: 12
        selected: button.chosen
        accent: View.palette.cobalt
        Rectangle {
            anchors.fill: parent
            radius: 12
            color: "transparent"
            border.width: 2
            border.color: View.palette.inkPrimary
            visible: button.visualFocus
        }
    }
    contentItem: Row {
        spacing: 6
        GlyphIcon { symbol: button.symbol; size: 15; color: View.palette.inkSecondary; visible: button.symbol !== ""; anchors.verticalCenter: parent.verticalCenter }
        EmojiText { text: button.emblem; visible: button.emblem !== ""; anchors.verticalCenter: parent.verticalCenter }
        InkText { text: button.text; font.pixelSize: 13; anchors.verticalCenter: parent.verticalCenter }
        GlyphIcon { symbol: button.trailingSymbol; size: 13; color: View.palette.inkMutedText; visible: button.trailingSymbol !== ""; anchors.verticalCenter: parent.verticalCenter }
    }
}
