import QtQuick
import QtQuick.Layouts
import Quillmere

// Takes the list's place when it is empty and no scan runs: what happened, and the ways on.
GlassCard {
    id: card
    radius: 18
    implicitHeight: layout.implicitHeight + 48

    ColumnLayout {
        id: layout
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 24 }
        spacing: 10
        GlyphIcon {
            symbol: View.column.emptySymbol
            color: View.column.accent
            size: 40
            Layout.alignment: Qt.AlignHCenter
        }
        InkText {
            objectName: "emptyStateTitle"
            text: View.column.emptyTitle
            font.pixelSize: 17
            font.weight: Font.Bold
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        InkText {
            text: View.column.emptyMessage
            color: View.palette.inkSecondary
            font.pixelSize: 13
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Flow {
            spacing: 10
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: parent.width
            Layout.preferredWidth: Math.min(implicitWidth, parent.width)
            PillButton {
                objectName: "emptyStateNext"
                visible: View.column.emptyNextTitle !== ""
                symbol: "arrow.right.circle.fill"
                text: View.column.emptyNextTitle
                tint: View.column.accent
                onClicked: View.openEmptyStateNext()
            }
            PillButton {
                objectName: "emptyStateRescan"
                symbol: "arrow.triangle.2.circlepath"
                text: View.texts.rescanHeroTitle
                tint: View.column.accent
                quiet: true
                onClicked: View.rescan()
            }
        }
    }
}
