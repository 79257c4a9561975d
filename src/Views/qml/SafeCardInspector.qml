import QtQuick
import QtQuick.Layouts
import Quillmere

// A scenario card: its symbol, title and promise, then every cache it holds with a check box
// of its own, what it is, how big, how safe and why, when it changed, where it is and the
// first lines of what is inside.
ColumnLayout {
    spacing: 10

    InspectorCard {
        accent: View.inspector.cardAccent
        highlighted: true
        RowLayout {
            spacing: 10
            Layout.fillWidth: true
            GlyphIcon { symbol: View.inspector.cardSymbol; color: View.inspector.cardAccent; size: 24; Layout.alignment: Qt.AlignTop }
            ColumnLayout {
                spacing: 3
                Layout.fillWidth: true
                InkText { objectName: "cardTitle"; text: View.inspector.title; font.pixelSize: 14; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
                InkText { text: View.inspector.cardPromise; color: View.palette.inkSecondary; font.pixelSize: 11; wrapMode: Text.Wrap; Layout.fillWidth: true }
            }
        }
    }

    Repeater {
        model: View.inspector.subItems
        delegate: InspectorCard {
            id: entry
            required property int index
            required property string name
            required property string note
            required property string size
            required property string safetyLevel
            required property string verification
            required property string lastModified
            required property string path
            required property var contentPreview
            required property bool selected

            objectName: "subItem" + entry.index
            highlighted: entry.selected
            accent: View.inspector.cardAccent

            RowLayout {
                spacing: 8
                Layout.fillWidth: true
                CheckMark {
                    checked: entry.selected
                    rowName: entry.name
                    tint: View.inspector.cardAccent
                    Layout.alignment: Qt.AlignTop
                    onClicked: View.inspector.toggleSubItem(entry.index)
                }
                InkText { text: entry.name; font.pixelSize: 13; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
                InkText { text: entry.size; font.pixelSize: 12; font.weight: Font.DemiBold; Layout.alignment: Qt.AlignTop }
            }
            InkText { visible: entry.note !== ""; text: entry.note; color: View.palette.inkSecondary; font.pixelSize: 11; wrapMode: Text.Wrap; Layout.fillWidth: true }
            BadgePill { visible: entry.safetyLevel !== ""; symbol: "checkmark.shield.fill"; label: entry.safetyLevel; tint: View.palette.emerald; Layout.maximumWidth: entry.width - 24 }
            InkText { visible: entry.verification !== ""; text: entry.verification; color: View.palette.inkMutedText; font.pixelSize: 11; wrapMode: Text.Wrap; Layout.fillWidth: true }
            InkText {
                visible: entry.lastModified !== ""
                text: View.texts.modifiedLabel + " · " + entry.lastModified
                color: View.palette.inkMutedText
                font.pixelSize: 11
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            PathRow { path: entry.path; tint: View.inspector.cardAccent; onReveal: View.inspector.revealSubItem(entry.index) }
            ContentLines { lines: entry.contentPreview; Layout.fillWidth: true }
        }
    }
}
