import QtQuick
import Quillmere

// Window text, in the face of the current language and aligned to the start of the line (its
// right edge once the window is mirrored). Text that had to be cut short shows its whole self
// in a tooltip while the pointer rests on it.
Text {
    id: ink
    // Set where the layout makes room for the whole text (titles that wrap instead); the
    // layout test holds such texts to it.
    property bool fitsWhole: false
    // What the tooltip shows: the whole text, while it is cut.
    readonly property string wholeText: ink.truncated ? ink.text : ""

    // A screen reader reads it where it stands; a control's own label says ignored, for the
    // control carries its name.
    Accessible.role: Accessible.StaticText
    Accessible.name: ink.text
    color: View.palette.inkPrimary
    horizontalAlignment: Text.AlignLeft
    font.pixelSize: 13
    font.family: View.fontFamily

    HoverHandler { id: hover; enabled: ink.truncated }
    // Made only while the pointer rests on a cut text: one popup per text would be too many.
    Loader {
        active: hover.hovered && ink.wholeText !== ""
        source: "WholeTextTip.qml"
        onLoaded: {
            const tip = item as WholeTextTip
            tip.text = Qt.binding(() => ink.wholeText)
            tip.visible = true
        }
    }
}
