import QtQuick
import QtQuick.Templates as T
import Quillmere

// The tooltip of a text that was cut short: the whole text, drawn in the palette.
T.ToolTip {
    id: tip
    objectName: "wholeTextTip"
    delay: 400
    margins: 8
    padding: 8
    x: (parent ? parent.width - width : 0) / 2
    y: -height - 6
    implicitWidth: Math.min(tip.contentItem.implicitWidth, 420) + leftPadding + rightPadding
    implicitHeight: tip.contentItem.implicitHeight + topPadding + bottomPadding
    closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutsideParent | T.Popup.CloseOnReleaseOutsideParent

    contentItem: Text {
        text: tip.text
        color: View.palette.inkPrimary
        font.pixelSize: 12
        font.family: View.fontFamily
        wrapMode: Text.Wrap
        width: Math.min(implicitWidth, 420)
        horizontalAlignment: Text.AlignLeft
        LayoutMirroring.enabled: View.isRightToLeft
    }
    background: Rectangle {
        radius: 8
        color: View.palette.popoverFill
        border.color: View.palette.hairlineBorder
    }
}
