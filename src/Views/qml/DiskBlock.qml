pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Quillmere

// The volume the home folder is on: its name, how full it is, and available, total and
// freed in this session; "measuring" until the first figures arrive.
GlassCard {
    id: disk
    objectName: "diskBlock"
    radius: 14
    implicitHeight: layout.implicitHeight + 20

    ColumnLayout {
        id: layout
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 10 }
        spacing: 6
        RowLayout {
            spacing: 7
            Layout.fillWidth: true
            GlyphIcon { symbol: "internaldrive.fill"; size: 16; color: View.palette.cobaltText }
            InkText {
                objectName: "volumeName"
                text: View.overview.volumeName
                font.pixelSize: 13
                font.weight: Font.DemiBold
                elide: Text.ElideMiddle
                Layout.fillWidth: true
            }
        }
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 4
            radius: 2
            color: View.palette.hairlineBorder
            Rectangle {
                // Mirrored layouts fill it from the right.
                anchors.left: parent.left
                height: parent.height
                radius: 2
                width: parent.width * Math.max(0, Math.min(1, View.overview.usedRatio))
                color: View.palette.cobalt
            }
        }
        RowLayout {
            spacing: 6
            Layout.fillWidth: true
            Repeater {
                // A count, so that new figures or a language switch change the words in place
                // rather than making the three columns again.
                model: 3
                delegate: ColumnLayout {
                    id: figure
                    required property int index
                    readonly property var modelData: [
                        { label: View.texts.diskAvailable, value: View.overview.availableText, name: "diskAvailable" },
                        { label: View.texts.diskTotal, value: View.overview.totalText, name: "diskTotal" },
                        { label: View.texts.diskFreed, value: View.overview.freedText, name: "diskFreed" }
                    ][index]
                    spacing: 0
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    InkText { text: figure.modelData.label; color: View.palette.inkMutedText; font.pixelSize: 11; wrapMode: Text.Wrap; fitsWhole: true; Layout.fillWidth: true }
                    InkText { objectName: figure.modelData.name; text: figure.modelData.value; font.pixelSize: 12; font.weight: Font.DemiBold; fitsWhole: true; wrapMode: Text.Wrap; Layout.fillWidth: true }
                }
            }
        }
    }
}
