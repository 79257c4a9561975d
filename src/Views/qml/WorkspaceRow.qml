import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Quillmere

// One row of a workspace list: a glass card that inspects its record when pressed (or with
// Enter), and a check box that asks the engine to toggle it (or Space on the row). The row
// shows what its list model says; it never keeps a selection of its own.
T.ItemDelegate {
    id: row
    required property int index
    property string rowName
    property bool selected: false
    property bool partial: false
    property bool selectable: true
    property color accent: View.column.accent
    default property alias content: body.data

    implicitHeight: layout.implicitHeight + topPadding + bottomPadding
    // Mirrored on its own: the list it stands in is not (see RowList).
    LayoutMirroring.enabled: View.isRightToLeft
    LayoutMirroring.childrenInherit: true
    focusPolicy: Qt.StrongFocus
    Accessible.name: row.rowName
    Accessible.selected: row.index === View.inspectedRow
    Accessible.onPressAction: row.clicked()
    onClicked: View.inspectRow(row.index)
    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()
    Keys.onSpacePressed: (event) => {
        View.shown.toggle(row.index)
        event.accepted = true
    }
    Keys.onReleased: (event) => { event.accepted = event.key === Qt.Key_Space }
    onActiveFocusChanged: if (row.activeFocus && row.ListView.view) row.ListView.view.currentIndex = row.index

    background: GlassCard {
        radius: 14
        selected: row.index === View.inspectedRow
        accent: row.accent
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            radius: 17
            color: "transparent"
            border.width: 2
            border.color: View.palette.inkPrimary
            visible: row.visualFocus
        }
    }
    RowLayout {
        id: layout
        anchors { fill: parent; leftMargin: row.leftPadding; rightMargin: row.rightPadding; topMargin: row.topPadding; bottomMargin: row.bottomPadding }
        spacing: 10
        Item {
            id: body
            Layout.fillWidth: true
            Layout.preferredHeight: childrenRect.height
            implicitHeight: childrenRect.height
        }
        CheckMark {
            objectName: "rowCheck:" + row.rowName
            Layout.alignment: Qt.AlignVCenter
            rowName: row.rowName
            checked: row.selected
            partial: row.partial
            enabled: row.selectable
            tint: row.accent
            onClicked: View.shown.toggle(row.index)
        }
    }
    leftPadding: 14
    rightPadding: 14
    topPadding: 12
    bottomPadding: 12
}
