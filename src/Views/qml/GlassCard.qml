pragma ComponentBehavior: Bound
import QtQuick
import Quillmere

// The glass card: fill by selection, accent outline when selected, a soft black shadow below
// whose strength follows the mode and the hover. Drawn without shader effects (stacked
// rounded rectangles stand in for the blur), so it looks the same on every scene-graph
// backend; hovering changes only the shadow and the highlight, never the layout.
Item {
    id: card
    property bool selected: false
    property color accent: View.palette.emerald
    property real radius: 16
    property bool hovered: hover.hovered
    default property alias content: body.data
    readonly property real shadowOpacity: card.hovered ? View.palette.hoveredShadowOpacity : View.palette.shadowOpacity

    HoverHandler { id: hover }

    // Three layers, each wider and farther down: together the shadow's full opacity under the
    // card, fading outwards.
    Repeater {
        model: 3
        Rectangle {
            id: layer
            required property int index
            anchors.fill: parent
            anchors.margins: -layer.index * 3
            anchors.topMargin: 2 + layer.index * 2
            anchors.bottomMargin: -(4 + layer.index * 4)
            radius: card.radius + layer.index * 3
            color: "black"
            opacity: card.shadowOpacity / 3
        }
    }
    Rectangle {
        anchors.fill: parent
        radius: card.radius
        color: card.selected ? View.palette.cardActiveFill : View.palette.cardFill
        border.width: card.selected ? 1.5 : 1
        border.color: card.selected ? card.accent
                                    : Qt.rgba(1, 1, 1, View.palette.isDark ? (card.hovered ? 0.16 : 0.09) : 0.6)
    }
    Item {
        id: body
        anchors.fill: parent
    }
}
