import QtQuick
import Quillmere
import QtQuick.Shapes

// The canvas with large, soft colour glows placed off-centre. Radial gradients rather than
// blurred layers, so the software scene graph draws it too.
Rectangle {
    color: View.palette.canvasBase
    // The glows overlap across the whole window: drawn once into a texture, a frame costs one
    // layer instead of four. The software scene graph redraws only what changed anyway.
    layer.enabled: GraphicsInfo.api !== GraphicsInfo.Software

    component Glow: Shape {
        id: glow
        property color tint
        property real radius: 360
        property real strength: View.palette.isDark ? 0.38 : 0.22
        width: radius * 2
        height: radius * 2
        ShapePath {
            strokeWidth: -1
            strokeColor: "transparent"
            fillGradient: RadialGradient {
                centerX: glow.radius; centerY: glow.radius
                focalX: glow.radius; focalY: glow.radius
                centerRadius: glow.radius
                GradientStop { position: 0.0; color: Qt.rgba(glow.tint.r, glow.tint.g, glow.tint.b, glow.strength) }
                GradientStop { position: 0.45; color: Qt.rgba(glow.tint.r, glow.tint.g, glow.tint.b, glow.strength * 0.45) }
                GradientStop { position: 1.0; color: Qt.rgba(glow.tint.r, glow.tint.g, glow.tint.b, 0) }
            }
            PathAngleArc { centerX: glow.radius; centerY: glow.radius; radiusX: glow.radius; radiusY: glow.radius; startAngle: 0; sweepAngle: 360 }
        }
    }

    Glow { tint: View.palette.emerald; radius: parent.width * 0.32; x: -radius * 0.45; y: -radius * 0.55 }
    Glow { tint: View.palette.cobalt; radius: parent.width * 0.36; x: parent.width - radius * 1.25; y: parent.height * 0.05 - radius * 0.4 }
    Glow { tint: View.palette.violet; radius: parent.width * 0.34; x: parent.width * 0.35 - radius * 0.5; y: parent.height - radius * 0.9 }
}
