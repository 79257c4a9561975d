import QtQuick
import QtQuick.Templates as T
import Quillmere

// A row's check box: shows the state the engine holds (never toggles itself) and asks for a
// toggle when pressed. Its accessible name is its row's name.
T.CheckBox {
    id: box
    property bool partial: false
    property color tint: View.palette.emerald
    property string rowName

    // The engine holds the state; a press only asks for a toggle.
    nextCheckState: function() { return box.checkState }

    implicitWidth: 22
    implicitHeight: 22
    focusPolicy: Qt.StrongFocus
    opacity: enabled ? 1 : 0.35
    Accessible.name: box.rowName
    Accessible.checkable: true
    Accessible.checked: box.checked
    Accessible.onToggleAction: box.clicked()
    Accessible.onPressAction: box.clicked()
    Keys.onReturnPressed: box.clicked()
    Keys.onEnterPressed: box.clicked()

    background: Rectangle {
        radius: 6
        color: box.checked ? box.tint : "transparent"
        border.width: box.visualFocus ? 2.5 : 1.5
        border.color: box.visualFocus ? View.palette.inkPrimary : (box.checked ? box.tint : View.palette.inkMuted)
    }
    contentItem: GlyphIcon {
        symbol: box.partial ? "minus" : "checkmark"
        visible: box.checked
        size: 15
        color: View.palette.onFill(box.tint)
    }
}
