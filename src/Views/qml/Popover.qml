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

    padding: 18
    margins: 8
    focus: true
    closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutsideParent
    implicitHeight: contentHeight + topPadding + bottomPadding

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
