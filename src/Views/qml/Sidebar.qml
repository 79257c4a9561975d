import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The trust sidebar: product name, the four workspace tabs with their counts, access status.
Rectangle {
    id: sidebar
    color: view.palette.sidebarTint

    Rectangle { anchors.right: parent.right; width: 1; height: parent.height; color: view.palette.hairlineBorder }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 10

        InkText {
            text: view.texts.productName
            color: view.palette.inkPrimary
            font.pixelSize: 22
            font.weight: Font.Bold
        }
        InkText {
            text: view.texts.trustWorkspacesSection
            color: view.palette.inkMuted
            font.pixelSize: 11
            font.letterSpacing: 1.2
            Layout.bottomMargin: 4
        }

        Repeater {
            model: view.workspaces
            delegate: GlassCard {
                required property var modelData
                required property int index
                Layout.fillWidth: true
                Layout.preferredHeight: 64
                selected: modelData.selected
                accent: modelData.accent
                radius: 14

                Rectangle {
                    visible: modelData.selected
                    width: 3; radius: 1.5
                    anchors { left: parent.left; top: parent.top; bottom: parent.bottom; margins: 12 }
                    color: modelData.accent
                }
                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 22
                    anchors.rightMargin: 12
                    spacing: 10
                    GlyphIcon { symbol: modelData.symbol; size: 20; color: modelData.accent }
                    ColumnLayout {
                        spacing: 2
                        Layout.fillWidth: true
                        InkText { text: modelData.title; color: view.palette.inkPrimary; font.pixelSize: 14; font.weight: Font.DemiBold; elide: Text.ElideRight; Layout.fillWidth: true }
                        InkText { text: modelData.subtitle; color: view.palette.inkSecondary; font.pixelSize: 11; elide: Text.ElideRight; Layout.fillWidth: true }
                    }
                    InkText { text: modelData.count; color: modelData.accent; font.pixelSize: 15; font.weight: Font.Bold }
                }
                TapHandler { onTapped: view.selectWorkspaceIndex(index) }
            }
        }

        Item { Layout.fillHeight: true }

        // Access status: whole home folder or only part of it, and the grant actions.
        GlassCard {
            visible: view.grantedHomeName !== ""
            Layout.fillWidth: true
            Layout.preferredHeight: 44
            radius: 12
            RowLayout {
                anchors.fill: parent
                anchors.margins: 10
                GlyphIcon {
                    symbol: view.coversWholeHome ? "checkmark.shield.fill" : "exclamationmark.shield.fill"
                    color: view.coversWholeHome ? view.palette.emerald : view.palette.amber
                    size: 18
                }
                InkText {
                    text: view.grantedHomeName + (view.coversWholeHome ? "" : " · " + view.texts.accessPartial)
                    color: view.palette.inkSecondary
                    font.pixelSize: 12
                    elide: Text.ElideMiddle
                    Layout.fillWidth: true
                }
                ToolButton {
                    contentItem: GlyphIcon { symbol: "chevron.up.chevron.down"; color: view.palette.inkSecondary; size: 14 }
                    onClicked: accessMenu.open()
                    Menu {
                        id: accessMenu
                        y: -implicitHeight
                        MenuItem { text: view.texts.regrantHomeFolder; onTriggered: view.requestHomeGrant() }
                        MenuItem {
                            text: view.applicationsGranted ? view.texts.applicationsFolderGranted : view.texts.grantApplicationsFolder
                            enabled: !view.applicationsGranted
                            onTriggered: view.requestApplicationsGrant()
                        }
                        MenuItem { text: view.texts.revokeAllAccess; onTriggered: view.revokeAll() }
                    }
                }
            }
        }
    }
}
