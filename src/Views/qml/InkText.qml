import QtQuick
import Quillmere

// Window text: left-aligned in every language (Arabic too; the layout is never mirrored).
Text {
    color: View.palette.inkPrimary
    horizontalAlignment: Text.AlignLeft
    font.pixelSize: 13
}
