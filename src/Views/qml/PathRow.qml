import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Quillmere

// A location: a folder in the tint, the path shortened in the middle (whole in its tooltip)
// and the button that shows it in the file manager. Pressing the path shows it whole,
// selected, ready to be copied.
ColumnLayout {
    id: row
    property string path
    property color tint: View.palette.cobalt
    property bool expanded: false
    signal reveal()

    spacing: 4
    Layout.fillWidth: true

    RowLayout {
        spacing: 6
        Layout.fillWidth: true
        GlyphIcon { symbol: "folder.fill"; color: View.palette.textShade(row.tint, View.palette.isDark); size: 14 }
        T.AbstractButton {
            id: pathButton
            objectName: "pathText"
            text: row.path
            Layout.fillWidth: true
            implicitHeight: contentItem.implicitHeight + 6
            focusPolicy: Qt.StrongFocus
            Accessible.role: Accessible.Button
            Accessible.name: row.path
            Accessible.onPressAction: pathButton.clicked()
            Keys.onReturnPressed: pathButton.clicked()
            Keys.onEnterPressed: pathButton.clicked()
            onClicked: row.expanded = !row.expanded
            ToolTip.visible: pathButton.hovered && !row.expanded
            ToolTip.delay: 500
            ToolTip.text: row.path
            contentItem: InkText {
                text: row.path
                color: View.palette.inkSecondary
                font.pixelSize: 11
                elide: Text.ElideMiddle
                // A CJK face draws the shortened path up to a pixel wider than it measured.
                rightPadding: 2
                verticalAlignment: Text.AlignVCenter
            }
            background: Rectangle {
                radius: 5
                color: pathButton.hovered ? Qt.rgba(row.tint.r, row.tint.g, row.tint.b, 0.08) : "transparent"
                border.width: pathButton.visualFocus ? 1.5 : 0
                border.color: View.palette.inkPrimary
            }
        }
        PillButton {
            objectName: "finderButton"
            text: View.texts.fileManagerButton
            symbol: "folder.fill"
            tint: row.tint
            quiet: true
            implicitHeight: 26
            leftPadding: 9
            rightPadding: 9
            Accessible.description: row.path
            onClicked: row.reveal()
        }
    }
    TextEdit {
        id: whole
        objectName: "wholePath"
        visible: row.expanded
        text: row.path
        readOnly: true
        selectByMouse: true
        persistentSelection: true
        wrapMode: TextEdit.WrapAnywhere
        color: View.palette.inkPrimary
        selectionColor: row.tint
        selectedTextColor: "white"
        font.family: "monospace"
        font.pixelSize: 11
        Layout.fillWidth: true
        Accessible.role: Accessible.EditableText
        Accessible.name: row.path
        Accessible.readOnly: true
        onVisibleChanged: if (visible) { whole.selectAll(); whole.forceActiveFocus() }
    }
}
