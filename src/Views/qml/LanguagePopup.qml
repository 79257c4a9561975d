import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The twelve languages in a grid; picking one switches the whole window at once.
Popup {
    id: popup
    width: 560
    padding: 18
    modal: false
    focus: true
    visible: view.showLanguageMatrixPopover
    onClosed: view.showLanguageMatrixPopover = false

    background: Rectangle {
        radius: 18
        color: view.isDark ? Qt.darker(view.palette.canvasBase, 0.8) : "white"
        border.color: view.palette.hairlineBorder
    }

    contentItem: ColumnLayout {
        spacing: 12
        RowLayout {
            spacing: 8
            GlyphIcon { symbol: "globe.americas.fill"; size: 20; color: view.palette.cobalt }
            ColumnLayout {
                spacing: 2
                InkText { text: view.texts.languagePopoverTitle; color: view.palette.inkPrimary; font.pixelSize: 15; font.weight: Font.DemiBold }
                InkText { text: view.texts.languagePopoverSubtitle; color: view.palette.inkSecondary; font.pixelSize: 12 }
            }
        }
        GridLayout {
            columns: 3
            rowSpacing: 8
            columnSpacing: 8
            Repeater {
                model: view.languages
                delegate: GlassCard {
                    required property var modelData
                    readonly property bool current: modelData.code === view.languageRaw
                    Layout.preferredWidth: 168
                    Layout.preferredHeight: 58
                    radius: 12
                    selected: current
                    accent: view.palette.cobalt
                    RowLayout {
                        anchors.fill: parent
                        anchors.margins: 10
                        spacing: 8
                        InkText { text: modelData.flag; font.pixelSize: 22 }
                        ColumnLayout {
                            spacing: 1
                            Layout.fillWidth: true
                            InkText { text: modelData.name; color: view.palette.inkPrimary; font.pixelSize: 13; font.weight: Font.DemiBold }
                            InkText { text: modelData.region; color: view.palette.inkMuted; font.pixelSize: 10; elide: Text.ElideRight; Layout.fillWidth: true }
                        }
                        GlyphIcon { visible: current; symbol: "checkmark.circle.fill"; color: view.palette.emerald; size: 16 }
                    }
                    TapHandler { onTapped: view.chooseLanguage(modelData.code) }
                }
            }
        }
    }
}
