import QtQuick
import QtQuick.Layouts
import Quillmere

// The middle column: the grant notice, the result of the last clean, the cockpit's actions,
// the scan's progress while it runs, and the workspace shown.
ColumnLayout {
    id: column
    spacing: 12

    GrantNoticeCard { Layout.fillWidth: true; visible: View.grantNoticeKind !== "" && !View.showsOnboarding }
    FeedbackBanner { Layout.fillWidth: true; visible: View.column.bannerVisible }
    CleanCockpit { objectName: "cleanCockpit"; Layout.fillWidth: true }

    // The scan's progress while it runs.
    ColumnLayout {
        visible: View.isScanning
        spacing: 4
        Layout.fillWidth: true
        RowLayout {
            Layout.fillWidth: true
            InkText { text: View.scanTitle; font.pixelSize: 12; font.weight: Font.DemiBold; elide: Text.ElideRight; Layout.fillWidth: true }
            InkText { text: Math.round(View.scanProgress * 100) + "%"; color: View.palette.emerald; font.pixelSize: 12; font.weight: Font.Bold }
        }
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 4
            radius: 2
            color: View.palette.hairlineBorder
            Rectangle {
                width: parent.width * Math.max(0, Math.min(1, View.scanProgress))
                height: parent.height
                radius: 2
                color: View.palette.emerald
            }
        }
        InkText { text: View.scanPhaseText; color: View.palette.inkMuted; font.pixelSize: 11; elide: Text.ElideMiddle; Layout.fillWidth: true }
    }

    WorkspacePanel { Layout.fillWidth: true; Layout.fillHeight: true }
}
