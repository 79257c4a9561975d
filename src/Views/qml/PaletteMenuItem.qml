import QtQuick
import QtQuick.Templates as T
import Quillmere

// One entry of a palette menu: its text in ink, highlighted on hover and keyboard focus.
T.MenuItem {
    id: item
    implicitWidth: item.contentItem.implicitWidth + leftPadding + rightPadding
    implicitHeight: Math.max(34, item.contentItem.implicitHeight + topPadding + bottomPadding)
    leftPadding: 12
    rightPadding: 12
    topPadding: 6
    bottomPadding: 6
    Accessible.name: item.text
    Accessible.onPressAction: item.clicked()

    contentItem: InkText {
        text: item.text
        color: item.enabled ? View.palette.inkPrimary : View.palette.inkSecondary
        font.pixelSize: 13
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        radius: 8
        color: item.highlighted ? View.palette.cardActiveFill : "transparent"
        border.width: item.visualFocus ? 2 : 0
        border.color: View.palette.inkPrimary
    }
}
