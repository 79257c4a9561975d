import QtQuick
import QtQuick.Layouts
import Quillmere

// A large personal file: name, where it is, its category and verification, size, date, and a
// play glyph for videos (the inspector plays them).
WorkspaceRow {
    id: row
    required property string name
    required property string path
    required property string category
    required property string verification
    required property string size
    required property string modified
    required property bool isVideo

    required selected

    rowName: row.name

    RowLayout {
        width: parent.width
        spacing: 10
        GlyphIcon {
            symbol: row.isVideo ? "play.fill" : "doc.viewfinder.fill"
            color: View.palette.cobaltText
            size: 20
            Layout.alignment: Qt.AlignTop
        }
        ColumnLayout {
            spacing: 3
            Layout.fillWidth: true
            RowLayout {
                Layout.fillWidth: true
                InkText {
                    text: row.name
                    font.pixelSize: 14
                    font.weight: Font.DemiBold
                    elide: Text.ElideMiddle
                    Layout.fillWidth: true
                }
                InkText { text: row.size; font.pixelSize: 13; font.weight: Font.DemiBold }
            }
            InkText {
                text: row.path
                color: View.palette.inkMutedText
                font.pixelSize: 11
                elide: Text.ElideMiddle
                Layout.fillWidth: true
            }
            Flow {
                spacing: 6
                Layout.fillWidth: true
                BadgePill { symbol: ""; label: row.category; tint: View.palette.cobalt }
                BadgePill { symbol: "checkmark.shield.fill"; label: row.verification; tint: View.palette.emerald }
                BadgePill { symbol: ""; label: row.modified; tint: View.palette.inkMuted }
            }
        }
    }
}
