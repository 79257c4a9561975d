import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Quillmere

ApplicationWindow {
    id: window
    width: 1280
    height: 800
    minimumWidth: 1040
    minimumHeight: 680
    visible: true
    title: View.texts.productName
    color: View.palette.canvasBase

    Backdrop { anchors.fill: parent }

    RowLayout {
        anchors.fill: parent
        spacing: 0
        // Nothing under the overlay or a running clean takes input.
        enabled: !View.showsOnboarding && !View.isPurging

        Sidebar { Layout.preferredWidth: 260; Layout.fillHeight: true }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0
            HeaderBar { Layout.fillWidth: true; Layout.margins: 16; Layout.bottomMargin: 0 }
            RowLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                spacing: 0
                WorkspaceColumn {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.margins: 16
                }
                InspectorColumn { Layout.preferredWidth: 320; Layout.fillHeight: true }
            }
        }
    }

    PurgeOverlay {
        objectName: "purgeOverlay"
        anchors.fill: parent
        opacity: View.isPurging ? 1 : 0
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: 180; easing.type: Easing.OutCubic } }
    }

    CleanConfirmation {}

    OnboardingOverlay {
        objectName: "onboardingOverlay"
        anchors.fill: parent
        opacity: View.showsOnboarding ? 1 : 0
        visible: opacity > 0
        // After a grant the card turns green (grantJustSucceeded) while the overlay fades out.
        Behavior on opacity { NumberAnimation { duration: 450; easing.type: Easing.OutCubic } }
    }
}
