import QtQuick
import QtQuick.Layouts
import Quillmere

// A group of byte-identical files: what it is, how many clones, the size of one copy, what
// removing the clones frees, and the promise that one original stays.
WorkspaceRow {
    id: row
    required property string title
    required property string cloneCount
    required property string eachSize
    required property string reclaimable

    required selected

    rowName: row.title
    accent: View.palette.crimson

    RowLayout {
        width: parent.width
        spacing: 10
        GlyphIcon { symbol: "doc.on.doc.fill"; color: View.palette.amberText; size: 20; Layout.alignment: Qt.AlignTop }
        ColumnLayout {
            spacing: 3
            Layout.fillWidth: true
            RowLayout {
                Layout.fillWidth: true
                InkText {
                    text: row.title
                    font.pixelSize: 14
                    font.weight: Font.DemiBold
                    elide: Text.ElideMiddle
                    Layout.fillWidth: true
                }
                InkText { text: row.reclaimable; font.pixelSize: 13; font.weight: Font.DemiBold; color: View.palette.crimsonText }
            }
            InkText {
                text: row.cloneCount + "  ·  " + View.texts.eachCopyLabel + " " + row.eachSize
                color: View.palette.inkSecondary
                font.pixelSize: 12
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            Flow {
                spacing: 6
                Layout.fillWidth: true
                BadgePill { symbol: "lock.shield.fill"; label: View.texts.duplicateLockedLine; tint: View.palette.emerald }
            }
        }
    }
}
