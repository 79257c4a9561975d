import QtQuick
import QtQuick.Layouts
import Quillmere

// An installed application: name, bundle identifier, what the current mode frees and how.
// In cache-only mode an app without leftovers is disabled and says it has no cache.
WorkspaceRow {
    id: row
    required property string name
    required property string appId
    required property string size
    required property string modeBadge
    required property string modeSymbol
    required property string uninstallCommand
    required property url iconUrl
    required selected
    required selectable

    rowName: row.name
    accent: View.appSlimmingOnlyCache ? View.palette.violet : View.palette.crimson

    RowLayout {
        width: parent.width
        spacing: 10
        // Without leftovers in cache-only mode the row says so by its muted symbol and badge;
        // its texts stay readable.
        // The launcher's own icon when it has one; it is decoration, so it stays out of the
        // accessibility tree (the row's name already says which app it is).
        Item {
            implicitWidth: 22
            implicitHeight: 22
            Layout.alignment: Qt.AlignTop
            GlyphIcon {
                visible: appIcon.status !== Image.Ready
                symbol: "app"
                color: row.selectable ? View.palette.violetText : View.palette.inkMutedText
                size: 22
            }
            Image {
                id: appIcon
                anchors.fill: parent
                source: row.iconUrl
                sourceSize.width: 44
                sourceSize.height: 44
                asynchronous: true
                smooth: true
                opacity: row.selectable ? 1 : 0.5
                Accessible.ignored: true
            }
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
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                InkText { text: row.size; font.pixelSize: 13; font.weight: Font.DemiBold }
            }
            InkText {
                text: row.appId
                color: View.palette.inkMutedText
                font.pixelSize: 11
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            // An app only its own tool or an administrator removes: the command, to copy.
            InkText {
                visible: row.uninstallCommand !== ""
                text: row.uninstallCommand
                color: View.palette.inkMuted
                font.pixelSize: 11
                wrapMode: Text.WrapAnywhere
                Layout.fillWidth: true
            }
            Flow {
                spacing: 6
                Layout.fillWidth: true
                BadgePill {
                    symbol: row.selectable ? row.modeSymbol : ""
                    label: row.modeBadge
                    tint: !row.selectable ? View.palette.inkMuted
                                       : (View.appSlimmingOnlyCache ? View.palette.violet : View.palette.crimson)
                }
            }
        }
    }
}
