import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

ApplicationWindow {
    id: window
    width: 1280
    height: 800
    minimumWidth: 1040
    minimumHeight: 680
    visible: true
    title: view.texts.productName
    color: view.palette.canvasBase

    Backdrop { anchors.fill: parent }

    RowLayout {
        anchors.fill: parent
        spacing: 0
        // Nothing under the overlay or a running clean takes input.
        enabled: !view.showsOnboarding && !view.isPurging

        Sidebar { Layout.preferredWidth: 260; Layout.fillHeight: true }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.margins: 20
            spacing: 16
            HeaderBar { Layout.fillWidth: true }
            WorkspaceColumn { Layout.fillWidth: true; Layout.fillHeight: true }
        }

        InspectorColumn { Layout.preferredWidth: 320; Layout.fillHeight: true }
    }

    OnboardingOverlay {
        objectName: "onboardingOverlay"
        anchors.fill: parent
        opacity: view.showsOnboarding ? 1 : 0
        visible: opacity > 0
        // After a grant the card turns green (grantJustSucceeded) while the overlay fades out.
        Behavior on opacity { NumberAnimation { duration: 450; easing.type: Easing.OutCubic } }
    }
}
