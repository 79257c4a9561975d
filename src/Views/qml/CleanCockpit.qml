import QtQuick
import QtQuick.Layouts
import Quillmere

// The cockpit's actions: what the current workspace has selected, its primary clean, smart
// clean of every workspace's selection, and the rescan.
GlassCard {
    id: cockpit
    radius: 18
    implicitHeight: layout.implicitHeight + 28

    ColumnLayout {
        id: layout
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 14 }
        spacing: 10
        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            InkText {
                text: View.texts.selectedToReclaimTitle
                color: View.palette.inkSecondary
                font.pixelSize: 12
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            InkText {
                id: figure
                objectName: "selectedToReclaim"
                text: View.column.currentTabSelectedText
                color: View.column.accent
                font.pixelSize: 22
                font.weight: Font.Bold
                Accessible.role: Accessible.StaticText
                Accessible.name: View.texts.selectedToReclaimTitle + " " + figure.text
            }
        }
        Flow {
            spacing: 8
            Layout.fillWidth: true
            PillButton {
                objectName: "primaryCleanButton"
                symbol: View.column.primaryActionRemoves ? "trash.fill" : "sparkles"
                text: View.column.primaryActionTitle
                tint: View.column.primaryActionRemoves ? View.palette.crimson : View.column.accent
                onClicked: View.triggerPrimaryCleanAction()
            }
            PillButton {
                objectName: "smartCleanButton"
                symbol: "sparkles"
                text: View.texts.smartCleanAllTitle + " · " + View.column.smartCleanTotalText
                tint: View.palette.cobalt
                onClicked: View.smartCleanAll()
            }
            PillButton {
                objectName: "rescanButton"
                symbol: "arrow.triangle.2.circlepath"
                text: View.column.rescanTitle
                tint: View.palette.inkSecondary
                quiet: true
                onClicked: View.rescan()
            }
        }
    }
}
