pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Quillmere

// What this session's cleans moved to the Trash, newest clean first: put back everything, or
// one item. Escape or a click outside closes it.
Popover {
    id: popover
    objectName: "restoreHistoryPopover"
    title: View.texts.restorePopoverTitle
    width: 400
    padding: 16
    visible: View.showRestoreHistoryPopover
    onClosed: View.showRestoreHistoryPopover = false

    ColumnLayout {
        id: historyLayout
        width: parent.width
        spacing: 10
        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            GlyphIcon { symbol: "arrow.uturn.backward.circle.fill"; color: View.palette.emeraldText; size: 18 }
            InkText {
                text: View.texts.restorePopoverTitle
                font.pixelSize: 14
                font.weight: Font.DemiBold
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            PillButton {
                objectName: "restoreAllButton"
                visible: View.cleanRecords.count > 0
                text: View.texts.restoreAll
                implicitHeight: 28
                onClicked: View.restoreAll()
            }
        }
        InkText {
            objectName: "restoreHistoryEmpty"
            visible: View.cleanRecords.count === 0
            text: View.column.restoreEmptyText
            color: View.palette.inkSecondary
            font.pixelSize: 12
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        ListView {
            id: records
            objectName: "restoreHistoryList"
            visible: View.cleanRecords.count > 0
            clip: true
            spacing: 6
            model: View.cleanRecords
            boundsBehavior: Flickable.StopAtBounds
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(contentHeight, 320)
            Accessible.role: Accessible.List
            Accessible.name: View.texts.restorePopoverTitle
            delegate: GlassCard {
                id: record
                required property int index
                required property string name
                required property string label
                required property string size
                required property string place
                width: ListView.view.width
                implicitHeight: recordRow.implicitHeight + 16
                radius: 12
                RowLayout {
                    id: recordRow
                    anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 10 }
                    spacing: 8
                    ColumnLayout {
                        spacing: 2
                        Layout.fillWidth: true
                        InkText { text: record.name; font.pixelSize: 13; font.weight: Font.DemiBold; elide: Text.ElideMiddle; Layout.fillWidth: true }
                        InkText { objectName: "recordPlace"; text: record.place; color: View.palette.inkSecondary; font.pixelSize: 11; elide: Text.ElideMiddle; Layout.fillWidth: true }
                        InkText { objectName: "recordFigures"; text: record.label + " · " + record.size; color: View.palette.inkSecondary; font.pixelSize: 11; elide: Text.ElideRight; Layout.fillWidth: true }
                    }
                    PillButton {
                        objectName: "restoreRecordButton"
                        text: View.texts.restoreOne
                        quiet: true
                        implicitHeight: 26
                        Accessible.description: record.name + " · " + record.place
                        onClicked: View.restoreRecord(record.index)
                    }
                }
            }
        }
    }
}
