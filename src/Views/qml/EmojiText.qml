import QtQuick

// An emoji (a language's flag) in the emoji face itself. Found through a text face's
// fallbacks, it would cost a font search through every installed face each time a language
// brings a new text face. The control around it carries the name a screen reader reads.
Text {
    font.family: "Noto Color Emoji"
    font.pixelSize: 13
    Accessible.ignored: true
}
