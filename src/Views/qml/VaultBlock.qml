pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Quillmere

// The safety vault: what the cleaner never touches, and the button that tells more.
GlassCard {
    id: vault
    objectName: "vaultBlock"
    radius: 14
    implicitHeight: layout.implicitHeight + 20

    ColumnLayout {
        id: layout
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 10 }
        spacing: 5
        RowLayout {
            spacing: 7
            Layout.fillWidth: true
            GlyphIcon { symbol: "lock.shield.fill"; size: 17; color: View.palette.emeraldText; Layout.alignment: Qt.AlignTop }
            InkText {
                objectName: "vaultTitle"
                text: View.texts.vaultTitle
                font.pixelSize: 13
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
                fitsWhole: true
                Layout.fillWidth: true
            }
            T.Button {
                id: info
                objectName: "vaultInfoButton"
                text: View.texts.safetyPopoverTitle
                implicitWidth: 24
                implicitHeight: 24
                Layout.alignment: Qt.AlignTop
                focusPolicy: Qt.StrongFocus
                Accessible.role: Accessible.Button
                Accessible.name: info.text
                Accessible.onPressAction: info.clicked()
                Keys.onReturnPressed: info.clicked()
                Keys.onEnterPressed: info.clicked()
                onClicked: View.showSafetyPopover = !View.showSafetyPopover
                contentItem: GlyphIcon { symbol: "info.circle"; size: 16; color: View.palette.inkSecondary }
                background: Rectangle {
                    radius: width / 2
                    color: info.hovered || View.showSafetyPopover ? View.palette.cardActiveFill : "transparent"
                    border.width: info.visualFocus ? 2 : 0
                    border.color: View.palette.inkPrimary
                }
            }
        }
        Repeater {
            // A count, so that a language switch changes the lines' words, not the lines.
            model: 3
            delegate: RowLayout {
                id: line
                required property int index
                readonly property string modelData: [View.texts.vaultCookies, View.texts.vaultChats, View.texts.vaultGit][index]
                spacing: 6
                Layout.fillWidth: true
                GlyphIcon { symbol: "checkmark.shield"; size: 12; color: View.palette.emeraldText; Layout.alignment: Qt.AlignTop; Layout.topMargin: 1 }
                InkText { text: line.modelData; color: View.palette.inkSecondary; font.pixelSize: 11; wrapMode: Text.Wrap; fitsWhole: true; Layout.fillWidth: true }
            }
        }
    }

    // Above the vault, over the tabs, on the window's reading side.
    SafetyPopover {
        opener: info
        x: View.isRightToLeft ? vault.width - width : 0
        y: -height - 8
    }
}
