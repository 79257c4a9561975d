import QtQuick

// Window text: left-aligned in every language (Arabic too; the layout is never mirrored).
Text {
    color: view.palette.inkPrimary
    horizontalAlignment: Text.AlignLeft
    font.pixelSize: 13
}
