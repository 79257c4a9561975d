import QtQuick
import Quillmere
import QtQuick.Layouts

// Explains a partial or outside pick and offers the way forward.
GlassCard {
    id: notice
    readonly property bool partial: View.grants.noticeKind === "partial"
    readonly property color tint: partial ? View.palette.amber : View.palette.crimson
    visible: View.grants.noticeKind !== ""
    accent: tint
    selected: true
    radius: 14
    implicitHeight: layout.implicitHeight + 28

    // A grant made from here hides the card (now, or when the picker answers): the keyboard
    // goes on to what follows the card instead of staying with a hidden button.
    property bool pressedByKeyboard: false
    onVisibleChanged: if (!visible && pressedByKeyboard) focusHandOn.restart()
    Timer {
        id: focusHandOn
        interval: 0
        onTriggered: {
            notice.pressedByKeyboard = false
            const focused = notice.Window.activeFocusItem
            if (focused && focused.visible && focused !== notice.Window.contentItem)
                return
            const next = notice.nextItemInFocusChain(true)
            if (next)
                next.forceActiveFocus(Qt.TabFocusReason)
        }
    }

    ColumnLayout {
        id: layout
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 14 }
        spacing: 10
        RowLayout {
            spacing: 10
            Layout.fillWidth: true
            GlyphIcon {
                symbol: notice.partial ? "folder.badge.questionmark" : "xmark.octagon.fill"
                color: notice.tint
                size: 22
                Layout.alignment: Qt.AlignTop
            }
            InkText {
                text: View.grants.noticeText
                color: View.palette.inkPrimary
                font.pixelSize: 13
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }
        RowLayout {
            visible: notice.partial
            spacing: 8
            Layout.alignment: Qt.AlignRight
            PillButton {
                text: View.grants.chooseHomeInsteadText
                tint: View.palette.amber
                onClicked: {
                    notice.pressedByKeyboard = activeFocus
                    if (!View.grants.picking)
                        View.grants.requestHomeGrant()
                }
            }
            PillButton {
                text: View.texts.keepThisFolder
                tint: View.palette.amber
                quiet: true
                onClicked: {
                    notice.pressedByKeyboard = activeFocus
                    View.grants.keepPendingFolder()
                }
            }
        }
    }
}
