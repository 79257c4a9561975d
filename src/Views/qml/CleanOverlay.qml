import QtQuick
import QtQuick.Layouts
import QtQuick.Shapes
import Quillmere

// Over the whole window while a clean runs: how far it is, what it frees, the item at hand.
Rectangle {
    id: overlay
    color: Qt.rgba(View.palette.canvasBase.r, View.palette.canvasBase.g, View.palette.canvasBase.b, 0.55)

    // The window underneath takes no input while the clean runs.
    MouseArea { anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.AllButtons; onWheel: (wheel) => wheel.accepted = true }

    GlassCard {
        anchors.centerIn: parent
        width: Math.min(parent.width - 80, 440)
        height: layout.implicitHeight + 48
        radius: 22
        selected: true
        accent: View.palette.emerald

        ColumnLayout {
            id: layout
            anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 24 }
            spacing: 12

            Shape {
                id: ring
                readonly property real radius: 34
                // In whole percent: the arc is drawn again only when the figure in it changes,
                // not for every item a long clean moves.
                readonly property int percent: Math.round(Math.max(0, Math.min(1, View.column.cleanProgress)) * 100)
                Layout.alignment: Qt.AlignHCenter
                implicitWidth: radius * 2 + 8
                implicitHeight: radius * 2 + 8
                ShapePath {
                    strokeColor: View.palette.hairlineBorder
                    strokeWidth: 6
                    fillColor: "transparent"
                    PathAngleArc { centerX: ring.width / 2; centerY: ring.height / 2; radiusX: ring.radius; radiusY: ring.radius; startAngle: 0; sweepAngle: 360 }
                }
                ShapePath {
                    strokeColor: View.palette.emerald
                    strokeWidth: 6
                    fillColor: "transparent"
                    capStyle: ShapePath.RoundCap
                    PathAngleArc {
                        centerX: ring.width / 2; centerY: ring.height / 2; radiusX: ring.radius; radiusY: ring.radius
                        startAngle: -90
                        sweepAngle: 3.6 * ring.percent
                    }
                }
                InkText {
                    anchors.centerIn: parent
                    text: ring.percent + "%"
                    font.pixelSize: 15
                    font.weight: Font.Bold
                    color: View.palette.emeraldText
                }
            }
            InkText {
                id: title
                objectName: "cleanTitle"
                text: View.column.cleanTitle
                font.pixelSize: 16
                font.weight: Font.Bold
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                Layout.fillWidth: true
                Accessible.role: Accessible.StaticText
                Accessible.name: title.text
            }
            InkText {
                text: View.column.cleanItemName
                color: View.palette.inkSecondary
                font.pixelSize: 12
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideMiddle
                Layout.fillWidth: true
            }
        }
    }
}
