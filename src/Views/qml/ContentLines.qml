import QtQuick
import Quillmere

// The first lines of what a folder holds, one per line, small and monospaced.
Rectangle {
    id: box
    property var lines: []

    visible: box.lines.length > 0
    implicitHeight: column.implicitHeight + 12
    radius: 8
    color: View.palette.isDark ? Qt.rgba(0, 0, 0, 0.28) : Qt.rgba(0, 0, 0, 0.04)

    Column {
        id: column
        x: 8
        y: 6
        width: box.width - 16
        spacing: 1
        Repeater {
            model: box.lines
            delegate: InkText {
                required property string modelData
                width: parent ? parent.width : 0
                text: modelData
                color: View.palette.inkSecondary
                font.family: "monospace"
                font.pixelSize: 10
                elide: Text.ElideRight
            }
        }
    }
}
