pragma ComponentBehavior: Bound
import QtQuick
import Quillmere
import QtQuick.Controls
import QtQuick.Layouts

// The twelve languages in a grid; picking one switches the whole window at once.
Popup {
    id: popup
    width: 560
    implicitHeight: languageLayout.implicitHeight + topPadding + bottomPadding
    padding: 18
    modal: false
    focus: true
    visible: View.showLanguageMatrixPopover
    onClosed: View.showLanguageMatrixPopover = false

    background: Rectangle {
        radius: 18
        color: View.palette.isDark ? Qt.darker(View.palette.canvasBase, 0.8) : "white"
        border.color: View.palette.hairlineBorder
    }

    ColumnLayout {
        id: languageLayout
        anchors.fill: parent
        spacing: 12
        RowLayout {
            spacing: 8
            GlyphIcon { symbol: "globe.americas.fill"; size: 20; color: View.palette.cobalt }
            ColumnLayout {
                spacing: 2
                InkText { text: View.texts.languagePopoverTitle; color: View.palette.inkPrimary; font.pixelSize: 15; font.weight: Font.DemiBold }
                InkText { text: View.texts.languagePopoverSubtitle; color: View.palette.inkSecondary; font.pixelSize: 12 }
            }
        }
        GridLayout {
            columns: 3
            rowSpacing: 8
            columnSpacing: 8
            Repeater {
                model: View.languages
                delegate: GlassCard {
                    id: choice
                    required property var modelData
                    readonly property bool current: modelData.code === View.languageRaw
                    Layout.preferredWidth: 168
                    Layout.preferredHeight: 58
                    radius: 12
                    selected: current
                    accent: View.palette.cobalt
                    RowLayout {
                        anchors.fill: parent
                        anchors.margins: 10
                        spacing: 8
                        InkText { text: choice.modelData.flag; font.pixelSize: 22 }
                        ColumnLayout {
                            spacing: 1
                            Layout.fillWidth: true
                            InkText { text: choice.modelData.name; color: View.palette.inkPrimary; font.pixelSize: 13; font.weight: Font.DemiBold }
                            InkText { text: choice.modelData.region; color: View.palette.inkMuted; font.pixelSize: 10; elide: Text.ElideRight; Layout.fillWidth: true }
                        }
                        GlyphIcon { visible: choice.current; symbol: "checkmark.circle.fill"; color: View.palette.emerald; size: 16 }
                    }
                    TapHandler { onTapped: View.chooseLanguage(choice.modelData.code) }
                }
            }
        }
    }
}
