import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The middle column until the full workspaces arrive: the grant notice, the scan's
// progress and what each workspace holds.
Item {
    id: column

    ColumnLayout {
        anchors.fill: parent
        spacing: 14

        GrantNoticeCard { Layout.fillWidth: true; visible: view.grantNoticeKind !== "" && !view.showsOnboarding }

        GlassCard {
            objectName: "scanCard"
            Layout.fillWidth: true
            Layout.preferredHeight: 118
            radius: 18
            ColumnLayout {
                anchors.fill: parent
                anchors.margins: 18
                spacing: 8
                RowLayout {
                    Layout.fillWidth: true
                    GlyphIcon { symbol: "arrow.triangle.2.circlepath"; color: view.palette.emerald; size: 20 }
                    InkText { text: view.scanTitle; color: view.palette.inkPrimary; font.pixelSize: 17; font.weight: Font.DemiBold; Layout.fillWidth: true }
                    InkText { text: Math.round(view.scanProgress * 100) + "%"; color: view.palette.emerald; font.pixelSize: 15; font.weight: Font.Bold }
                    PillButton { symbol: "arrow.triangle.2.circlepath"; label: view.texts.rescanHeroTitle; enabled: !view.isScanning; onClicked: view.rescan() }
                }
                Rectangle {
                    Layout.fillWidth: true
                    height: 6
                    radius: 3
                    color: view.palette.hairlineBorder
                    Rectangle {
                        width: parent.width * Math.max(0, Math.min(1, view.scanProgress))
                        height: parent.height
                        radius: 3
                        color: view.palette.emerald
                        Behavior on width { NumberAnimation { duration: 250 } }
                    }
                }
                InkText { text: view.scanPhaseText; color: view.palette.inkSecondary; font.pixelSize: 12; elide: Text.ElideRight; Layout.fillWidth: true }
            }
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            rowSpacing: 12
            columnSpacing: 12
            Repeater {
                model: view.workspaces
                delegate: GlassCard {
                    required property var modelData
                    required property int index
                    Layout.fillWidth: true
                    Layout.preferredHeight: 112
                    radius: 18
                    selected: modelData.selected
                    accent: modelData.accent
                    ColumnLayout {
                        anchors.fill: parent
                        anchors.margins: 16
                        spacing: 4
                        RowLayout {
                            GlyphIcon { symbol: modelData.symbol; color: modelData.accent; size: 18 }
                            InkText { text: modelData.title; color: view.palette.inkPrimary; font.pixelSize: 14; font.weight: Font.DemiBold; elide: Text.ElideRight; Layout.fillWidth: true }
                        }
                        InkText { text: modelData.count; color: modelData.accent; font.pixelSize: 30; font.weight: Font.Bold }
                        InkText { text: modelData.size; color: view.palette.inkSecondary; font.pixelSize: 12 }
                    }
                    TapHandler { onTapped: view.selectWorkspaceIndex(index) }
                }
            }
        }

        Item { Layout.fillHeight: true }
    }
}
