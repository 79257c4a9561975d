import QtQuick
import QtQuick.Layouts
import Quillmere

// The result of the last clean or restore, with the ways to act on it: rescan, undo every
// clean of this session (not offered after a clean that deleted for good), or put the banner
// away until the next one.
GlassCard {
    id: banner
    objectName: "feedbackBanner"
    radius: 14
    selected: true
    accent: View.palette.emerald
    implicitHeight: layout.implicitHeight + 20

    ColumnLayout {
        id: layout
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 12 }
        spacing: 8
        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            GlyphIcon { symbol: "checkmark.seal.fill"; color: View.palette.emeraldText; size: 18 }
            InkText {
                id: message
                objectName: "bannerText"
                text: View.column.bannerText
                font.pixelSize: 13
                elide: Text.ElideRight
                Layout.fillWidth: true
                Accessible.role: Accessible.StaticText
                Accessible.name: message.text
            }
        }
        Flow {
            spacing: 8
            Layout.fillWidth: true
            PillButton {
                objectName: "bannerRescan"
                symbol: "arrow.triangle.2.circlepath"
                text: View.texts.rescanHeroTitle
                quiet: true
                implicitHeight: 28
                onClicked: View.rescan()
            }
            PillButton {
                objectName: "bannerUndo"
                text: View.column.undoTitle
                visible: View.column.canUndo
                implicitHeight: 28
                onClicked: View.restoreAll()
            }
            PillButton {
                objectName: "bannerDismiss"
                text: View.texts.dismissBanner
                tint: View.palette.inkSecondary
                quiet: true
                implicitHeight: 28
                onClicked: View.dismissBanner()
            }
        }
    }
}
