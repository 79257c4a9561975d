import QtQuick
import Quillmere

// One symbol drawn with the icon font.
Text {
    property string symbol
    property real size: 16
    text: View.glyph(symbol)
    font.family: "Material Design Icons"
    font.pixelSize: size
    verticalAlignment: Text.AlignVCenter
    horizontalAlignment: Text.AlignHCenter
}
