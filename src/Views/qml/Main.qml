import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

ApplicationWindow {
    id: window
    width: 1180
    height: 760
    visible: true
    title: "Quillmere"
    color: "#0B0D14"

    ColumnLayout {
        anchors.centerIn: parent
        spacing: 14
        width: Math.min(parent.width - 80, 640)

        Label {
            text: scanner.statusText
            color: "#F2F4F8"
            font.pixelSize: 18
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        ProgressBar {
            value: scanner.progress
            Layout.fillWidth: true
        }
        Label {
            text: scanner.phaseText
            color: "#A6ACBA"
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Label {
            text: scanner.volumeName + " · " + scanner.availableText + " / " + scanner.totalText
                  + " · Trash " + scanner.trashText
            color: "#A6ACBA"
        }
    }
}
