import QtQuick
import QtQuick.Layouts
import Quillmere

// Above the workspace column and the inspector: status pill, the move-to-Trash switch, the
// restore history, appearance and language.
Item {
    id: header
    objectName: "headerBar"
    implicitHeight: 48

    RowLayout {
        anchors.fill: parent
        spacing: 10

        GlassCard {
            radius: 17
            Layout.preferredHeight: 34
            // The text plus what sits beside it: dot with its margins, and the right margin. It
            // gives way (elided) before the buttons do.
            Layout.fillWidth: true
            Layout.preferredWidth: fullWidth
            Layout.maximumWidth: fullWidth
            readonly property real fullWidth: Math.ceil(dot.anchors.leftMargin + dot.width + status.anchors.leftMargin
                                                        + status.implicitWidth + status.anchors.rightMargin) + 1
            Layout.minimumWidth: 60
            Rectangle { id: dot; width: 8; height: 8; radius: 4; color: View.palette.emerald; anchors { left: parent.left; leftMargin: 14; verticalCenter: parent.verticalCenter } }
            InkText {
                id: status
                objectName: "statusLine"
                anchors { left: dot.right; leftMargin: 8; right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
                text: View.texts.statusPill
                color: View.palette.inkSecondary
                font.pixelSize: 12
                elide: Text.ElideRight
                Accessible.role: Accessible.StaticText
                Accessible.name: status.text
            }
        }

        Item { Layout.fillWidth: true }

        MoveToTrashToggle {
            Layout.preferredWidth: implicitWidth
            Layout.preferredHeight: implicitHeight
        }
        HeaderButton {
            id: restoreButton
            objectName: "restoreHistoryButton"
            Layout.preferredWidth: implicitWidth
            Layout.preferredHeight: implicitHeight
            symbol: "arrow.uturn.backward.circle.fill"
            text: View.texts.undoRestoreTitle
            chosen: View.showRestoreHistoryPopover
            onClicked: View.showRestoreHistoryPopover = !View.showRestoreHistoryPopover
            RestoreHistoryPopover { x: View.isRightToLeft ? 0 : restoreButton.width - width; y: restoreButton.height + 8 }
        }
        HeaderButton {
            objectName: "appearanceButton"
            Layout.preferredWidth: implicitWidth
            Layout.preferredHeight: implicitHeight
            symbol: View.appearanceSymbol
            text: View.appearanceName
            onClicked: View.toggleAppearance()
        }
        HeaderButton {
            id: languageButton
            objectName: "languageButton"
            Layout.preferredWidth: implicitWidth
            Layout.preferredHeight: implicitHeight
            symbol: "globe"
            emblem: View.languageFlag
            text: View.languageName
            trailingSymbol: "chevron.down"
            chosen: View.showLanguageMatrixPopover
            onClicked: View.showLanguageMatrixPopover = true
            LanguagePopover { x: View.isRightToLeft ? 0 : languageButton.width - width; y: languageButton.height + 8 }
        }
    }
}
