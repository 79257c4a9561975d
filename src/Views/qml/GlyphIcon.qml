import QtQuick

// One symbol drawn with the icon font.
Text {
    property string symbol
    property real size: 16
    text: view.glyph(symbol)
    font.family: "Material Design Icons"
    font.pixelSize: size
    verticalAlignment: Text.AlignVCenter
    horizontalAlignment: Text.AlignHCenter
}
