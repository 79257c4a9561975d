import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
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
        opacity: FramePacing.contentShown ? 1 : 0
        LayoutMirroring.enabled: View.isRightToLeft
        LayoutMirroring.childrenInherit: true

        Backdrop { anchors.fill: parent }

        RowLayout {
            id: workspaceRow
            anchors.fill: parent
            spacing: 0
            // Nothing under the overlay or a running clean takes input.
            enabled: !View.grants.showsOnboarding && !View.isCleaning

            Sidebar { id: sidebar; objectName: "sidebar"; Layout.preferredWidth: 260; Layout.fillHeight: true }

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
                        id: workspaceColumn
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
            Behavior on opacity { enabled: !FramePacing.calm; NumberAnimation { duration: 180; easing.type: Easing.OutCubic } }
        }

        CleanConfirmation {}

        // Only a confined window ever asks for a grant; elsewhere the overlay is never made,
        // so its texts are not laid out again on every switch of language.
        Loader {
            anchors.fill: parent
            active: View.grants.asksForGrants
            sourceComponent: OnboardingOverlay {
                objectName: "onboardingOverlay"
                opacity: View.grants.showsOnboarding ? 1 : 0
                visible: opacity > 0
                // After a grant the card turns green (grantJustSucceeded) while the overlay fades out.
                Behavior on opacity { NumberAnimation { duration: 450; easing.type: Easing.OutCubic } }
            }
        }
    }

    // The focus is never lost: when a dialog, a popover or a clean lets go of it, or the control
    // that had it goes away, it returns to the control the keyboard was last on, else to the
    // workspace's clean button, else to the workspace's tab; with its ring if it had one.
    // Popups place their own focus.
    property T.Control focusHome: null
    property bool focusHomeHadRing: false
    property bool focusWasAway: false
    onActiveFocusItemChanged: focusCheck.restart()
    Connections {
        target: View
        function onIsCleaningChanged() { focusCheck.restart() }
    }
    // A control hidden with the focus keeps it (Restore All once nothing is left to restore).
    Connections {
        target: window.activeFocusItem
        function onVisibleChanged() { focusCheck.restart() }
    }
    // Once the focus has settled: a popup closing moves it more than once.
    Timer { id: focusCheck; interval: 0; onTriggered: window.keepFocus() }
    // A control, or a path shown whole for selecting.
    function takesFocus(item: Item): bool {
        return item !== null && item.visible && item.enabled && (item.activeFocusOnTab || (item as TextEdit) !== null)
    }
    function firstControl(item: Item): Item {
        for (let i = 0; i < item.children.length; ++i) {
            const child = item.children[i]
            if (!child.visible || !child.enabled)
                continue
            if (child.activeFocusOnTab)
                return child
            const inner = window.firstControl(child)
            if (inner)
                return inner
        }
        return null
    }
    function keepFocus() {
        if (!window.takesCommands) {
            window.focusWasAway = true
            return
        }
        const item = window.activeFocusItem
        for (let at = item, below = item; at; below = at, at = at.parent) {
            if (at === T.Overlay.overlay) {
                window.focusWasAway = true
                // In a popup: its first control, or the popup read as a whole.
                const popup = below as T.Page
                if (item && !item.visible && popup) {
                    const first = window.firstControl(popup)
                    const gone = item as T.Control
                    const reason = gone !== null && gone.visualFocus ? Qt.TabFocusReason : Qt.OtherFocusReason
                    if (first)
                        first.forceActiveFocus(reason)
                    else if (popup.contentItem)
                        popup.contentItem.forceActiveFocus(reason)
                }
                return
            }
            if (at === workspaceRow && window.takesFocus(item)) {
                const control = item as T.Control
                // Back from a popup on the control it left (the popup hands it back itself).
                if (window.focusWasAway && control !== null && control === window.focusHome && window.focusHomeHadRing)
                    control.focusReason = Qt.TabFocusReason
                window.focusWasAway = false
                window.focusHome = control
                window.focusHomeHadRing = control !== null && control.visualFocus
                return
            }
        }
        const reason = window.focusHomeHadRing ? Qt.TabFocusReason : Qt.OtherFocusReason
        for (const candidate of [window.focusHome, workspaceColumn.cleanButton, sidebar.currentTab])
            if (window.takesFocus(candidate)) {
                candidate.forceActiveFocus(reason)
                const control = candidate as T.Control
                if (control)
                    control.focusReason = reason
                return
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
