pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Quillmere

// What the cleaner never touches, opened from the vault's info button.
Popover {
    id: popover
    objectName: "safetyPopover"
    title: View.texts.safetyPopoverTitle
    width: 380
    visible: View.showSafetyPopover
    onClosed: View.showSafetyPopover = false

    ColumnLayout {
        width: parent.width
        spacing: 12
        RowLayout {
            spacing: 10
            Layout.fillWidth: true
            GlyphIcon { symbol: "lock.shield.fill"; size: 22; color: View.palette.emeraldText; Layout.alignment: Qt.AlignTop }
            InkText { text: View.texts.safetyPopoverTitle; font.pixelSize: 15; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
        }
        Repeater {
            // A count, so that a language switch changes the lines' words, not the lines.
            model: 3
            delegate: RowLayout {
                id: line
                required property int index
                readonly property string modelData: [View.texts.safetyPopoverCookies, View.texts.safetyPopoverChats, View.texts.safetyPopoverTrash][index]
                spacing: 10
                Layout.fillWidth: true
                GlyphIcon { symbol: "checkmark.circle.fill"; size: 16; color: View.palette.emeraldText; Layout.alignment: Qt.AlignTop }
                InkText { text: line.modelData; color: View.palette.inkSecondary; font.pixelSize: 13; wrapMode: Text.Wrap; Layout.fillWidth: true }
            }
        }
    }
}
