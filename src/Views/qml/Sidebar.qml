import QtQuick
import Quillmere
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T

// The trust sidebar: product name, the four workspace tabs with their counts, access status.
Rectangle {
    id: sidebar
    color: View.palette.sidebarTint

    Rectangle { anchors.right: parent.right; width: 1; height: parent.height; color: View.palette.hairlineBorder }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 10

        InkText {
            text: View.texts.productName
            color: View.palette.inkPrimary
            font.pixelSize: 22
            font.weight: Font.Bold
        }
        InkText {
            text: View.texts.trustWorkspacesSection
            color: View.palette.inkMuted
            font.pixelSize: 11
            font.letterSpacing: 1.2
            Layout.bottomMargin: 4
        }

        Repeater {
            model: View.workspaces
            delegate: T.TabButton {
                id: tab
                required property int index
                required property string title
                required property string subtitle
                required property string symbol
                required property color accent
                required property int count
                required property bool isSelected
                objectName: "workspaceTab" + index
                text: tab.title
                Layout.fillWidth: true
                Layout.preferredHeight: 64
                focusPolicy: Qt.StrongFocus
                checkable: false
                checked: tab.isSelected
                Accessible.name: tab.title
                Accessible.selected: tab.isSelected
                Accessible.onPressAction: tab.clicked()
                Keys.onReturnPressed: tab.clicked()
                Keys.onEnterPressed: tab.clicked()
                onClicked: View.selectWorkspaceIndex(tab.index)

                background: GlassCard {
                    selected: tab.isSelected
                    accent: tab.accent
                    radius: 14
                    Rectangle {
                        visible: tab.isSelected
                        width: 3; radius: 1.5
                        anchors { left: parent.left; top: parent.top; bottom: parent.bottom; margins: 12 }
                        color: tab.accent
                    }
                    Rectangle {
                        anchors.fill: parent
                        radius: 14
                        color: "transparent"
                        border.width: 2
                        border.color: View.palette.inkPrimary
                        visible: tab.visualFocus
                    }
                }
                contentItem: RowLayout {
                    spacing: 10
                    GlyphIcon { symbol: tab.symbol; size: 20; color: tab.accent }
                    ColumnLayout {
                        spacing: 2
                        Layout.fillWidth: true
                        InkText { text: tab.title; color: View.palette.inkPrimary; font.pixelSize: 14; font.weight: Font.DemiBold; elide: Text.ElideRight; Layout.fillWidth: true }
                        InkText { text: tab.subtitle; color: View.palette.inkSecondary; font.pixelSize: 11; elide: Text.ElideRight; Layout.fillWidth: true }
                    }
                    InkText { text: tab.count; color: tab.accent; font.pixelSize: 15; font.weight: Font.Bold }
                }
                leftPadding: 22
                rightPadding: 12
            }
        }

        Item { Layout.fillHeight: true }

        // Access status: whole home folder or only part of it, and the grant actions.
        GlassCard {
            visible: View.grantedHomeName !== ""
            Layout.fillWidth: true
            Layout.preferredHeight: 44
            radius: 12
            RowLayout {
                anchors.fill: parent
                anchors.margins: 10
                GlyphIcon {
                    symbol: View.coversWholeHome ? "checkmark.shield.fill" : "exclamationmark.shield.fill"
                    color: View.coversWholeHome ? View.palette.emerald : View.palette.amber
                    size: 18
                }
                InkText {
                    text: View.grantedHomeName + (View.coversWholeHome ? "" : " · " + View.texts.accessPartial)
                    color: View.palette.inkSecondary
                    font.pixelSize: 12
                    elide: Text.ElideMiddle
                    Layout.fillWidth: true
                }
                ToolButton {
                    contentItem: GlyphIcon { symbol: "chevron.up.chevron.down"; color: View.palette.inkSecondary; size: 14 }
                    onClicked: accessMenu.open()
                    Menu {
                        id: accessMenu
                        y: -implicitHeight
                        MenuItem { text: View.texts.regrantHomeFolder; onTriggered: View.requestHomeGrant() }
                        MenuItem {
                            text: View.applicationsGranted ? View.texts.applicationsFolderGranted : View.texts.grantApplicationsFolder
                            enabled: !View.applicationsGranted
                            onTriggered: View.requestApplicationsGrant()
                        }
                        MenuItem { text: View.texts.revokeAllAccess; onTriggered: View.revokeAll() }
                    }
                }
            }
        }
    }
}
