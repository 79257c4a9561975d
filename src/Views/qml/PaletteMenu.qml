import QtQuick
import QtQuick.Templates as T
import Quillmere

// A menu drawn in the palette of the mode (never the toolkit's white menu), mirrored with
// the window, as wide as its longest item.
T.Menu {
    id: menu
    padding: 6
    margins: 8
    implicitWidth: {
        let widest = 200
        for (let i = 0; i < menu.count; ++i)
            widest = Math.max(widest, menu.itemAt(i).implicitWidth)
        return widest + leftPadding + rightPadding
    }
    implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
    // As a popover: the first item that can be chosen takes the focus, and the control that
    // opened the menu gets it back.
    property Item opener: menu.parent
    property bool openedByKeyboard: false

    onAboutToShow: {
        const control = menu.opener as T.Control
        menu.openedByKeyboard = control !== null && control.visualFocus
    }
    onOpened: {
        for (let i = 0; i < menu.count; ++i) {
            const item = menu.itemAt(i)
            if (item && item.enabled) {
                const reason = menu.openedByKeyboard ? Qt.TabFocusReason : Qt.PopupFocusReason
                menu.currentIndex = i
                item.forceActiveFocus(reason)
                item.focusReason = reason
                return
            }
        }
    }
    onClosed: {
        const opener = menu.opener
        if (!opener || !opener.visible || !opener.enabled || !opener.activeFocusOnTab)
            return
        // The opener may have the focus back already, without its ring.
        const reason = menu.openedByKeyboard ? Qt.TabFocusReason : Qt.PopupFocusReason
        opener.forceActiveFocus(reason)
        const control = opener as T.Control
        if (control)
            control.focusReason = reason
    }

    delegate: PaletteMenuItem {}
    contentItem: ListView {
        implicitHeight: contentHeight
        model: menu.contentModel
        interactive: false
        currentIndex: menu.currentIndex
        LayoutMirroring.enabled: View.isRightToLeft
        LayoutMirroring.childrenInherit: true
    }
    background: Rectangle {
        radius: 12
        color: View.palette.popoverFill
        border.color: View.palette.hairlineBorder
    }
}
