import QtQuick
import Quillmere

// The canvas with large, soft colour glows placed off-centre, painted once into an image.
GlowCanvas {
    base: View.palette.canvasBase
    tints: [View.palette.emerald, View.palette.cobalt, View.palette.violet]
    strength: View.palette.isDark ? 0.38 : 0.22
}
