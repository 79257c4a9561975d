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

    // Everything the window draws, mirrored as a whole for right-to-left languages.
    Item {
        id: frame
        objectName: "windowFrame"
        anchors.fill: parent
        LayoutMirroring.enabled: View.isRightToLeft
        LayoutMirroring.childrenInherit: true

        Backdrop { anchors.fill: parent }

        RowLayout {
            anchors.fill: parent
            spacing: 0
            // Nothing under the overlay or a running clean takes input.
            enabled: !View.grants.showsOnboarding && !View.isCleaning

            Sidebar { objectName: "sidebar"; Layout.preferredWidth: 260; Layout.fillHeight: true }

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
                        objectName: "workspaceColumn"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        Layout.margins: 16
                    }
                    InspectorColumn { objectName: "inspectorColumn"; Layout.preferredWidth: 320; Layout.fillHeight: true }
                }
            }
        }

        CleanOverlay {
            objectName: "cleanOverlay"
            anchors.fill: parent
            opacity: View.isCleaning ? 1 : 0
            visible: opacity > 0
            Behavior on opacity { NumberAnimation { duration: 180; easing.type: Easing.OutCubic } }
        }

        CleanConfirmation {}

        OnboardingOverlay {
            objectName: "onboardingOverlay"
            anchors.fill: parent
            opacity: View.grants.showsOnboarding ? 1 : 0
            visible: opacity > 0
            // After a grant the card turns green (grantJustSucceeded) while the overlay fades out.
            Behavior on opacity { NumberAnimation { duration: 450; easing.type: Easing.OutCubic } }
        }
    }

    // The window's keys: rescan, the four workspaces, undo of the last clean, and Escape for
    // whatever is open. None of them reaches under the onboarding or a running clean.
    readonly property bool takesCommands: !View.grants.showsOnboarding && !View.isCleaning
    Shortcut { sequence: "Ctrl+R"; enabled: window.takesCommands; onActivated: View.rescan() }
    Shortcut { sequence: "Ctrl+1"; enabled: window.takesCommands; onActivated: View.selectWorkspace(WindowLists.OneClickSafe) }
    Shortcut { sequence: "Ctrl+2"; enabled: window.takesCommands; onActivated: View.selectWorkspace(WindowLists.DevAndDuplicates) }
    Shortcut { sequence: "Ctrl+3"; enabled: window.takesCommands; onActivated: View.selectWorkspace(WindowLists.LargeMedia) }
    Shortcut { sequence: "Ctrl+4"; enabled: window.takesCommands; onActivated: View.selectWorkspace(WindowLists.AppSlimming) }
    Shortcut { sequence: "Ctrl+Z"; enabled: window.takesCommands; onActivated: View.undoLastClean() }
    Shortcut { sequence: "Escape"; onActivated: View.closeTopmost() }
}
