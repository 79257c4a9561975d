import QtQuick
import QtQuick.Shapes
import QtQuick.Templates as T
import Quillmere

// The overview ring: a track, the share of the volume in use, over it the share the selection
// would free in an emerald–cobalt–violet sweep, and while a scan runs its progress on a thin
// outer orbit with the word that says so. The centre names the size the selection frees.
// Hovering enlarges it and shows the rescan symbol; a press (or Space) rescans. Ratio
// changes are animated where frames are cheap. Drawn with Qt Quick Shapes only, so both scene-graph backends draw it.
T.AbstractButton {
    id: ring
    objectName: "overviewRing"
    property real usedRatio: 0
    property real reclaimableRatio: 0
    property bool isScanning: false
    property real scanProgress: 0
    property string centerValueText
    property string centerLabelText
    property string scanningWord
    property string rescanTitle
    // The software scene graph does not clip shapes: a ring partly scrolled out of its view
    // would be drawn over what lies above or below the view.
    property bool cutByView: false
    signal tapRescan()

    // What is drawn: clamped to a full circle, eased towards the figures. A share above zero
    // shows at least as a dot (the arc's rounded ends).
    function clamped(ratio) { return Math.max(0, Math.min(1, ratio || 0)) }
    property real shownUsed: clamped(usedRatio)
    property real shownReclaimable: clamped(reclaimableRatio)
    property real shownScan: clamped(scanProgress)
    // Where frames are dear, the arcs move straight to the figures.
    Behavior on shownUsed { enabled: !FramePacing.calm; NumberAnimation { duration: 700; easing.type: Easing.OutCubic } }
    Behavior on shownReclaimable { enabled: !FramePacing.calm; NumberAnimation { duration: 700; easing.type: Easing.OutCubic } }
    Behavior on shownScan { enabled: !FramePacing.calm; NumberAnimation { duration: 400; easing.type: Easing.OutCubic } }

    readonly property real centre: width / 2
    readonly property real bandWidth: Math.max(8, width * 0.085)
    readonly property real orbitGap: 7
    // The band's middle radius; the scanning orbit runs just outside it.
    readonly property real bandRadius: centre - bandWidth / 2 - orbitGap - 2
    readonly property real usedSweep: 360 * shownUsed
    readonly property real reclaimableSweep: 360 * shownReclaimable

    implicitWidth: 118
    implicitHeight: 118
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true
    scale: ring.hovered ? 1.05 : 1
    Behavior on scale { NumberAnimation { duration: 180; easing.type: Easing.OutCubic } }
    Accessible.role: Accessible.Button
    Accessible.name: ring.centerValueText + " " + ring.centerLabelText
    Accessible.description: ring.rescanTitle
    Accessible.onPressAction: ring.clicked()
    Keys.onReturnPressed: ring.clicked()
    Keys.onEnterPressed: ring.clicked()
    onClicked: ring.tapRescan()

    // An arc of a circle round the centre from twelve o'clock, clockwise.
    component BandArc: ShapePath {
        id: arc
        property real centre: 0
        property real radius: 0
        property real sweep: 0
        fillColor: "transparent"
        capStyle: ShapePath.RoundCap
        PathAngleArc {
            centerX: arc.centre; centerY: arc.centre
            radiusX: arc.radius; radiusY: arc.radius
            startAngle: -90
            sweepAngle: arc.sweep
        }
    }

    contentItem: Item {}

    Item {
        anchors.fill: parent
        visible: !ring.cutByView || GraphicsInfo.api !== GraphicsInfo.Software
        // Track and used share.
        Shape {
            anchors.fill: parent
            BandArc {
                centre: ring.centre; radius: ring.bandRadius; sweep: 360
                strokeWidth: ring.bandWidth
                strokeColor: View.palette.hairlineBorder
                capStyle: ShapePath.FlatCap
            }
        }
        Shape {
            objectName: "usedArc"
            anchors.fill: parent
            visible: ring.shownUsed > 0
            BandArc {
                centre: ring.centre; radius: ring.bandRadius; sweep: ring.usedSweep
                strokeWidth: ring.bandWidth
                // Solid: it stands out from the track and the card by 3:1 in both modes.
                strokeColor: View.palette.inkSecondary
            }
        }
        // The reclaimable share: the band's outline, filled with a conical gradient (a gradient
        // fills, it never strokes), rounded at both ends like the strokes.
        Shape {
            id: reclaimable
            objectName: "reclaimableArc"
            anchors.fill: parent
            visible: ring.shownReclaimable > 0
            readonly property real sweep: ring.reclaimableSweep
            readonly property real outer: ring.bandRadius + ring.bandWidth / 2
            readonly property real inner: ring.bandRadius - ring.bandWidth / 2
            readonly property real cap: ring.bandWidth / 2
            readonly property real capDegrees: 360 * cap / (2 * Math.PI * ring.bandRadius)
            function along(angle) { return angle * Math.PI / 180 }
            // Gradient positions run counter-clockwise from twelve o'clock: an angle φ clockwise
            // from there sits at 1 − φ/360. Emerald starts the arc, cobalt is its middle, violet
            // its end (and the end cap).
            readonly property real endPosition: Math.max(0.002, 1 - sweep / 360)
            readonly property real capEndPosition: Math.min(endPosition, Math.max(0.001, 1 - (sweep + capDegrees) / 360))
            ShapePath {
                strokeWidth: -1
                strokeColor: "transparent"
                fillRule: ShapePath.WindingFill
                fillGradient: ConicalGradient {
                    centerX: ring.centre; centerY: ring.centre
                    angle: 90
                    GradientStop { position: 0; color: View.palette.emerald }
                    GradientStop { position: reclaimable.capEndPosition; color: View.palette.violet }
                    GradientStop { position: reclaimable.endPosition; color: View.palette.violet }
                    GradientStop { position: (reclaimable.endPosition + 1) / 2; color: View.palette.cobalt }
                    GradientStop { position: 1; color: View.palette.emerald }
                }
                PathAngleArc {
                    centerX: ring.centre; centerY: ring.centre
                    radiusX: reclaimable.outer; radiusY: reclaimable.outer
                    startAngle: -90; sweepAngle: reclaimable.sweep
                }
                PathAngleArc {
                    moveToStart: false
                    centerX: ring.centre + ring.bandRadius * Math.cos(reclaimable.along(reclaimable.sweep - 90))
                    centerY: ring.centre + ring.bandRadius * Math.sin(reclaimable.along(reclaimable.sweep - 90))
                    radiusX: reclaimable.cap; radiusY: reclaimable.cap
                    startAngle: reclaimable.sweep - 90; sweepAngle: 180
                }
                PathAngleArc {
                    moveToStart: false
                    centerX: ring.centre; centerY: ring.centre
                    radiusX: reclaimable.inner; radiusY: reclaimable.inner
                    startAngle: reclaimable.sweep - 90; sweepAngle: -reclaimable.sweep
                }
                PathAngleArc {
                    moveToStart: false
                    centerX: ring.centre
                    centerY: ring.centre - ring.bandRadius
                    radiusX: reclaimable.cap; radiusY: reclaimable.cap
                    startAngle: 90; sweepAngle: 180
                }
            }
        }
        // The scan's progress on the outer orbit.
        Shape {
            objectName: "scanningArc"
            anchors.fill: parent
            visible: ring.isScanning
            BandArc {
                centre: ring.centre; radius: ring.centre - 3; sweep: Math.max(1, 360 * ring.shownScan)
                strokeWidth: 3
                strokeColor: View.palette.emerald
            }
        }

        Column {
            anchors.centerIn: parent
            width: 2 * (ring.bandRadius - ring.bandWidth / 2) - 8
            spacing: 0
            InkText {
                objectName: "ringScanningWord"
                visible: ring.isScanning && !ring.hovered
                width: parent.width
                text: ring.scanningWord
                color: View.palette.emeraldText
                font.pixelSize: 9
                font.weight: Font.Bold
                font.letterSpacing: 0.8
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
            }
            GlyphIcon {
                visible: ring.hovered
                width: parent.width
                symbol: "arrow.triangle.2.circlepath"
                size: 14
                color: View.palette.emeraldText
            }
            InkText {
                objectName: "ringCenterValue"
                width: parent.width
                text: ring.centerValueText
                font.pixelSize: 21
                font.weight: Font.Bold
                horizontalAlignment: Text.AlignHCenter
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 13
            }
            InkText {
                objectName: "ringCenterLabel"
                width: parent.width
                text: ring.centerLabelText
                color: View.palette.inkMutedText
                font.pixelSize: 11
                horizontalAlignment: Text.AlignHCenter
                // Shrinks a little before it would lose its end.
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 9
                elide: Text.ElideRight
            }
        }
    }

    background: Rectangle {
        radius: width / 2
        color: "transparent"
        border.width: 2
        border.color: View.palette.inkPrimary
        visible: ring.visualFocus
    }
}
