import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Quillmere

// Folder access: the whole home folder or only part of it, and the menu that grants, grants
// again or revokes (only where the window runs confined: elsewhere there is nothing to grant).
GlassCard {
    id: access
    objectName: "accessRow"
    visible: View.grants.grantedHomeName !== ""
    radius: 12
    implicitHeight: 42

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 6
        spacing: 7
        GlyphIcon {
            symbol: View.grants.coversWholeHome ? "checkmark.shield.fill" : "exclamationmark.shield.fill"
            color: View.grants.coversWholeHome ? View.palette.emeraldText : View.palette.amberText
            size: 17
        }
        InkText {
            objectName: "accessFolderName"
            text: View.grants.grantedHomeName + (View.grants.coversWholeHome ? "" : " · " + View.texts.accessPartial)
            color: View.palette.inkSecondary
            font.pixelSize: 12
            elide: Text.ElideMiddle
            Layout.fillWidth: true
        }
        T.Button {
            id: menuButton
            objectName: "accessMenuButton"
            visible: View.grants.asksForGrants
            text: View.texts.accessMenuButton
            implicitWidth: 30
            implicitHeight: 30
            focusPolicy: Qt.StrongFocus
            Accessible.name: menuButton.text
            Accessible.onPressAction: menuButton.clicked()
            Keys.onReturnPressed: menuButton.clicked()
            Keys.onEnterPressed: menuButton.clicked()
            onClicked: accessMenu.opened ? accessMenu.close() : accessMenu.open()
            contentItem: GlyphIcon { symbol: "chevron.up.chevron.down"; color: View.palette.inkSecondary; size: 14 }
            background: Rectangle {
                radius: 8
                color: menuButton.hovered || accessMenu.opened ? View.palette.cardActiveFill : "transparent"
                border.width: menuButton.visualFocus ? 2 : 0
                border.color: View.palette.inkPrimary
            }

            PaletteMenu {
                id: accessMenu
                objectName: "accessMenu"
                x: View.isRightToLeft ? 0 : menuButton.width - width
                y: -height - 6
                PaletteMenuItem { text: View.texts.regrantHomeFolder; onTriggered: View.grants.requestHomeGrant() }
                PaletteMenuItem {
                    text: View.grants.applicationsGranted ? View.texts.applicationsFolderGranted : View.texts.grantApplicationsFolder
                    enabled: !View.grants.applicationsGranted
                    onTriggered: View.grants.requestApplicationsGrant()
                }
                PaletteMenuItem { text: View.texts.revokeAllAccess; onTriggered: View.grants.revokeAll() }
            }
        }
    }
}
