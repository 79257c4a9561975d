import QtQuick
import QtQuick.Templates as T
import Quillmere

// A popover drawn in the palette: opaque, rounded, kept inside the window, closed by Escape
// or a press outside. Its content is mirrored with the window (a popup does not inherit the
// mirroring of the item it hangs off).
T.Popup {
    id: popover
    // The accessible name of the popover as a whole.
    property string title
    // The control that opens it (by default the one it hangs off): the focus goes back there
    // when the popover closes, with its focus ring if it had one.
    property Item opener: popover.parent
    property bool openedByKeyboard: false

    padding: 18
    margins: 8
    focus: true
    closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutsideParent
    implicitHeight: contentHeight + topPadding + bottomPadding

    onAboutToShow: {
        const control = popover.opener as T.Control
        popover.openedByKeyboard = control !== null && control.visualFocus
    }
    // Its first control takes the focus; one without controls is read as a whole.
    onOpened: {
        const first = popover.firstControl(popover.contentItem)
        const reason = popover.openedByKeyboard ? Qt.TabFocusReason : Qt.PopupFocusReason
        if (first)
            first.forceActiveFocus(reason)
        else
            popover.contentItem.forceActiveFocus(reason)
    }
    onClosed: {
        const opener = popover.opener
        if (!opener || !opener.visible || !opener.enabled || !opener.activeFocusOnTab)
            return
        // The opener may have the focus back already, without its ring.
        const reason = popover.openedByKeyboard ? Qt.TabFocusReason : Qt.PopupFocusReason
        opener.forceActiveFocus(reason)
        const control = opener as T.Control
        if (control)
            control.focusReason = reason
    }

    function firstControl(item: Item): Item {
        for (let i = 0; i < item.children.length; ++i) {
            const child = item.children[i]
            if (!child.visible || !child.enabled)
                continue
            if (child.activeFocusOnTab)
                return child
            const inner = popover.firstControl(child)
            if (inner)
                return inner
        }
        return null
    }

    // The one item each popover declares is the content; its implicit height is the popover's.
    contentItem: Item {
        LayoutMirroring.enabled: View.isRightToLeft
        LayoutMirroring.childrenInherit: true
        Accessible.role: Accessible.Dialog
        Accessible.name: popover.title
    }

    background: Rectangle {
        radius: 18
        color: View.palette.popoverFill
        border.color: View.palette.hairlineBorder
        // The shadow a glass card has, for something that floats above the window.
        Rectangle {
            z: -1
            anchors.fill: parent
            anchors.topMargin: 6
            anchors.bottomMargin: -10
            anchors.leftMargin: -2
            anchors.rightMargin: -2
            radius: 20
            color: "black"
            opacity: View.palette.hoveredShadowOpacity
        }
    }
}
