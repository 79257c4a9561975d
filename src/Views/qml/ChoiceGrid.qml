import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T

// A grid of choices the arrow keys move through as it is drawn: Left and Right along the
// reading order (mirrored with the layout), Up and Down by a row. Each choice chooses on
// its own Space or Enter. An arrow at the grid's edge stays put rather than leave the grid.
GridLayout {
    id: grid

    Keys.onPressed: (event) => { event.accepted = grid.step(event.key) }

    function step(key: int): bool {
        const mirrored = grid.LayoutMirroring.enabled
        let by = 0
        if (key === Qt.Key_Right)
            by = mirrored ? -1 : 1
        else if (key === Qt.Key_Left)
            by = mirrored ? 1 : -1
        else if (key === Qt.Key_Down)
            by = grid.columns
        else if (key === Qt.Key_Up)
            by = -grid.columns
        else
            return false
        const choices = []
        for (let i = 0; i < grid.children.length; ++i) {
            const choice = grid.children[i] as T.Control
            if (choice && choice.visible && choice.enabled && choice.activeFocusOnTab)
                choices.push(choice)
        }
        const at = choices.findIndex(choice => choice.activeFocus)
        if (at < 0)
            return false
        const to = at + by
        if (to >= 0 && to < choices.length)
            choices[to].forceActiveFocus(Qt.TabFocusReason)
        else
            choices[at].focusReason = Qt.TabFocusReason // the keyboard is in use: show where
        return true
    }
}
