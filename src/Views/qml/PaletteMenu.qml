import QtQuick
import QtQuick.Templates as T
import Quillmere

// A menu drawn in the palette of the mode (never the toolkit's white menu), mirrored with
// the window, as wide as its longest item.
T.Menu {
    id: menu
    padding: 6
    margins: 8
    implicitWidth: {
        let widest = 200
        for (let i = 0; i < menu.count; ++i)
            widest = Math.max(widest, menu.itemAt(i).implicitWidth)
        return widest + leftPadding + rightPadding
    }
    implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

    delegate: PaletteMenuItem {}
    contentItem: ListView {
        implicitHeight: contentHeight
        model: menu.contentModel
        interactive: false
        currentIndex: menu.currentIndex
        LayoutMirroring.enabled: View.isRightToLeft
        LayoutMirroring.childrenInherit: true
    }
    background: Rectangle {
        radius: 12
        color: View.palette.popoverFill
        border.color: View.palette.hairlineBorder
    }
}
