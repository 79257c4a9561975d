pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Quillmere

// The twelve languages in a grid the arrow keys move through; picking one switches the whole
// window at once and closes the popover. Each is a button a screen reader finds by the
// language's own name.
Popover {
    id: popover
    objectName: "languagePopover"
    title: View.texts.languagePopoverTitle
    width: 572
    visible: View.showLanguageMatrixPopover
    onClosed: View.showLanguageMatrixPopover = false

    ColumnLayout {
        width: parent.width
        spacing: 12
        RowLayout {
            spacing: 10
            Layout.fillWidth: true
            GlyphIcon { symbol: "globe.americas.fill"; size: 22; color: View.palette.cobaltText; Layout.alignment: Qt.AlignTop }
            ColumnLayout {
                spacing: 2
                Layout.fillWidth: true
                InkText { text: View.texts.languagePopoverTitle; font.pixelSize: 15; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
                InkText { text: View.texts.languagePopoverSubtitle; color: View.palette.inkSecondary; font.pixelSize: 12; wrapMode: Text.Wrap; Layout.fillWidth: true }
            }
        }
        ChoiceGrid {
            id: grid
            columns: 3
            rowSpacing: 8
            columnSpacing: 8
            Layout.fillWidth: true
            Repeater {
                model: View.languages
                delegate: T.Button {
                    id: choice
                    required property var modelData
                    readonly property bool current: modelData.code === View.languageRaw
                    objectName: "language:" + modelData.code
                    text: modelData.name
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    implicitHeight: Math.max(58, choice.contentItem.implicitHeight + 16)
                    focusPolicy: Qt.StrongFocus
                    checkable: false
                    checked: choice.current
                    Accessible.role: Accessible.Button
                    Accessible.name: choice.text
                    Accessible.description: choice.modelData.region
                    Accessible.checkable: true
                    Accessible.checked: choice.current
                    Accessible.onPressAction: choice.clicked()
                    Keys.onReturnPressed: choice.clicked()
                    Keys.onEnterPressed: choice.clicked()
                    onClicked: View.chooseLanguage(choice.modelData.code)

                    background: GlassCard {
                        radius: 12
                        selected: choice.current
                        accent: View.palette.cobalt
                        Rectangle {
                            anchors.fill: parent
                            radius: 12
                            color: "transparent"
                            border.width: 2
                            border.color: View.palette.inkPrimary
                            visible: choice.visualFocus
                        }
                    }
                    contentItem: RowLayout {
                        spacing: 8
                        EmojiText { text: choice.modelData.flag; font.pixelSize: 22 }
                        ColumnLayout {
                            spacing: 1
                            Layout.fillWidth: true
                            // Each name in its own script's face would need twelve faces; the
                            // window's face and its fallbacks draw every one of them.
                            InkText { text: choice.modelData.name; font.pixelSize: 13; font.weight: Font.DemiBold; elide: Text.ElideRight; Layout.fillWidth: true }
                            InkText { text: choice.modelData.region; color: View.palette.inkMutedText; font.pixelSize: 11; wrapMode: Text.Wrap; fitsWhole: true; Layout.fillWidth: true }
                        }
                        GlyphIcon { visible: choice.current; symbol: "checkmark.circle.fill"; color: View.palette.emeraldText; size: 16 }
                    }
                    leftPadding: 10
                    rightPadding: 10
                }
            }
        }
    }
}
