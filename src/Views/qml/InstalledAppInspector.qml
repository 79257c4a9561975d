import QtQuick
import QtQuick.Layouts
import Quillmere

// An installed application: its name and identifier, its own size and its leftovers' size,
// then where each leftover is (or that it has none) and where the application itself is.
ColumnLayout {
    spacing: 10

    InspectorCard {
        accent: View.palette.cobalt
        InkText { text: View.inspector.title; font.pixelSize: 15; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
        InkText { text: View.inspector.appId; color: View.palette.inkSecondary; font.family: "monospace"; font.pixelSize: 11; elide: Text.ElideRight; Layout.fillWidth: true }
        RowLayout {
            spacing: 14
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 0
                InkText { text: View.texts.appBodyLabel; color: View.palette.inkMutedText; font.pixelSize: 11 }
                InkText { text: View.inspector.appSizeText; font.pixelSize: 14; font.weight: Font.DemiBold }
            }
            ColumnLayout {
                spacing: 0
                InkText { text: View.texts.appCacheLabel; color: View.palette.inkMutedText; font.pixelSize: 11 }
                InkText { text: View.inspector.cacheSizeText; color: View.palette.cobaltText; font.pixelSize: 14; font.weight: Font.DemiBold }
            }
        }
    }

    InspectorCard {
        objectName: "noLeftovers"
        visible: View.inspector.leftoverPaths.length === 0
        accent: View.palette.emerald
        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            GlyphIcon { symbol: "checkmark.seal.fill"; color: View.palette.emeraldText; size: 18 }
            InkText { text: View.texts.appNoLeftovers; color: View.palette.emeraldText; font.pixelSize: 12; wrapMode: Text.Wrap; Layout.fillWidth: true }
        }
    }

    InspectorCard {
        visible: View.inspector.leftoverPaths.length > 0
        spacing: 8
        Repeater {
            model: View.inspector.leftoverPaths
            delegate: ColumnLayout {
                required property string modelData
                required property int index
                readonly property string rule: View.inspector.leftoverRules[index] || ""
                Layout.fillWidth: true
                spacing: 2
                PathRow {
                    Layout.fillWidth: true
                    path: parent.modelData
                    onReveal: View.inspector.revealLeftover(parent.index)
                }
                InkText {
                    visible: parent.rule !== ""
                    text: parent.rule
                    color: View.palette.inkSecondary
                    font.family: "monospace"
                    font.pixelSize: 11
                    Layout.fillWidth: true
                    elide: Text.ElideMiddle
                }
            }
        }
    }

    InspectorCard {
        PathRow { path: View.inspector.path; onReveal: View.inspector.revealItem() }
    }
}
