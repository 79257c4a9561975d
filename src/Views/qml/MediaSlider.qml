import QtQuick
import QtQuick.Templates as T
import Quillmere

// A slider that follows `follows` until the person drags it, and reports where it was let go
// (or moved to with the arrow keys).
T.Slider {
    id: slider
    property real follows: 0
    property string label
    signal movedTo(real value)

    implicitWidth: 120
    implicitHeight: 22
    focusPolicy: Qt.StrongFocus
    stepSize: (to - from) / 20
    opacity: enabled ? 1 : 0.4
    Accessible.name: slider.label
    onMoved: slider.movedTo(slider.value)

    Binding on value {
        when: !slider.pressed
        value: slider.follows
        restoreMode: Binding.RestoreNone
    }

    background: Rectangle {
        x: slider.leftPadding
        y: slider.topPadding + slider.availableHeight / 2 - height / 2
        width: slider.availableWidth
        height: 4
        radius: 2
        color: Qt.rgba(View.palette.inkMuted.r, View.palette.inkMuted.g, View.palette.inkMuted.b, 0.35)
        Rectangle {
            width: slider.visualPosition * parent.width
            height: parent.height
            radius: 2
            color: View.palette.cobalt
        }
    }
    handle: Rectangle {
        x: slider.leftPadding + slider.visualPosition * (slider.availableWidth - width)
        y: slider.topPadding + slider.availableHeight / 2 - height / 2
        width: 12
        height: 12
        radius: 6
        color: "white"
        border.width: slider.visualFocus ? 2 : 1
        border.color: slider.visualFocus ? View.palette.inkPrimary : View.palette.cobalt
    }
}
