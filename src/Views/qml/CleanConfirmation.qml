import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Quillmere

// With moving to the Trash off, a clean deletes for good: the window asks once, naming the
// size. Cancel is the default; Escape cancels too.
T.Popup {
    id: dialog
    objectName: "cleanConfirmation"
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - 80 : 420, 440)
    implicitHeight: confirmationLayout.implicitHeight + topPadding + bottomPadding
    padding: 22
    modal: true
    focus: true
    visible: View.column.confirmationVisible
    closePolicy: T.Popup.CloseOnEscape
    onClosed: View.cancelPendingClean()
    onOpened: cancelButton.forceActiveFocus()

    T.Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, View.palette.isDark ? 0.5 : 0.25) }

    background: Rectangle {
        radius: 18
        color: View.palette.isDark ? View.palette.canvasBase : "white"
        border.color: View.palette.crimson
        border.width: 1
    }

    ColumnLayout {
        id: confirmationLayout
        anchors.fill: parent
        spacing: 14
        Accessible.role: Accessible.Dialog
        Accessible.name: View.texts.confirmDeleteTitle
        RowLayout {
            spacing: 10
            GlyphIcon { symbol: "exclamationmark.triangle.fill"; color: View.palette.crimsonText; size: 24 }
            InkText {
                text: View.texts.confirmDeleteTitle
                font.pixelSize: 17
                font.weight: Font.Bold
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }
        InkText {
            id: message
            objectName: "confirmationMessage"
            text: View.column.confirmationMessage
            color: View.palette.inkSecondary
            font.pixelSize: 13
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            Accessible.role: Accessible.StaticText
            Accessible.name: message.text
        }
        RowLayout {
            spacing: 10
            Layout.alignment: Qt.AlignRight
            PillButton {
                id: cancelButton
                objectName: "confirmationCancel"
                text: View.texts.cancelAction
                tint: View.palette.inkSecondary
                quiet: true
                onClicked: View.cancelPendingClean()
            }
            PillButton {
                objectName: "confirmationDelete"
                symbol: "trash.fill"
                text: View.column.confirmationAction
                tint: View.palette.crimson
                onClicked: View.confirmPendingClean()
            }
        }
    }
}
