import QtQuick
import QtQuick.Templates as T
import Quillmere

// The header's check box bound to the engine's move-to-Trash mode: off means cleans delete
// for good (and then ask first).
T.CheckBox {
    id: toggle
    objectName: "moveToTrashToggle"
    text: View.texts.moveToTrashToggle
    checked: View.moveToTrash
    // The engine holds the mode; a press only asks to flip it.
    nextCheckState: function() { return toggle.checkState }
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    leftPadding: 11
    rightPadding: 11
    implicitHeight: 34
    focusPolicy: Qt.StrongFocus
    Accessible.name: toggle.text
    Accessible.checkable: true
    Accessible.checked: toggle.checked
    Accessible.onToggleAction: toggle.clicked()
    Accessible.onPressAction: toggle.clicked()
    Keys.onReturnPressed: toggle.clicked()
    Keys.onEnterPressed: toggle.clicked()
    onClicked: View.moveToTrash = !View.moveToTrash

    background: GlassCard {
        radius: 12
        selected: !toggle.checked
        accent: View.palette.crimson
        Rectangle {
            anchors.fill: parent
            radius: 12
            color: "transparent"
            border.width: 2
            border.color: View.palette.inkPrimary
            visible: toggle.visualFocus
        }
    }
    contentItem: Row {
        spacing: 6
        GlyphIcon {
            symbol: "trash.circle.fill"
            size: 15
            color: toggle.checked ? View.palette.emeraldText : View.palette.crimsonText
            anchors.verticalCenter: parent.verticalCenter
        }
        Rectangle {
            width: 16
            height: 16
            radius: 4
            anchors.verticalCenter: parent.verticalCenter
            color: toggle.checked ? View.palette.emerald : "transparent"
            border.width: 1.5
            border.color: toggle.checked ? View.palette.emerald : View.palette.inkMuted
            GlyphIcon { anchors.centerIn: parent; symbol: "checkmark"; size: 12; color: View.palette.onFill(View.palette.emerald); visible: toggle.checked }
        }
        InkText { text: toggle.text; font.pixelSize: 13; anchors.verticalCenter: parent.verticalCenter }
    }
}
