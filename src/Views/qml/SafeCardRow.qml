import QtQuick
import QtQuick.Layouts
import Quillmere

// A scenario card of zero-risk caches: symbol in its accent, title, promise, size, a badge
// (protected by default, or how many caches it holds) and "Unchecked" while nothing is.
WorkspaceRow {
    id: row
    required property string title
    required property string promise
    required property string symbol
    required accent
    required selected
    required partial
    required property string size
    required property string badge
    required property string badgeSymbol
    required property bool protectedByDefault

    rowName: row.title

    RowLayout {
        width: parent.width
        spacing: 10
        GlyphIcon { symbol: row.symbol; color: View.palette.textShade(row.accent, View.palette.isDark); size: 22; Layout.alignment: Qt.AlignTop }
        ColumnLayout {
            spacing: 4
            Layout.fillWidth: true
            RowLayout {
                Layout.fillWidth: true
                InkText {
                    text: row.title
                    font.pixelSize: 14
                    font.weight: Font.DemiBold
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                InkText { text: row.size; color: View.palette.inkPrimary; font.pixelSize: 13; font.weight: Font.DemiBold }
            }
            InkText {
                text: row.promise
                color: View.palette.inkSecondary
                font.pixelSize: 12
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            Flow {
                spacing: 6
                Layout.fillWidth: true
                BadgePill {
                    symbol: row.badgeSymbol
                    label: row.badge
                    tint: row.protectedByDefault ? View.palette.amber : View.palette.emerald
                }
                BadgePill {
                    visible: !row.selected
                    symbol: ""
                    label: View.texts.uncheckedBadge
                    tint: View.palette.inkMuted
                }
            }
        }
    }
}
