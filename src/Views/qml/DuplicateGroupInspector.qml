import QtQuick
import QtQuick.Layouts
import Quillmere

// A group of identical files: the first copy's preview, the group's fingerprint and what
// cleaning saves, then every copy with where it is and its role. A redundant copy can become
// the one kept instead.
ColumnLayout {
    spacing: 10

    PreviewFrame {}

    InspectorCard {
        accent: View.palette.amber
        InkText { text: View.inspector.title; font.pixelSize: 14; font.weight: Font.DemiBold; wrapMode: Text.WrapAnywhere; Layout.fillWidth: true }
        InkText { text: View.inspector.hashText; color: View.palette.inkSecondary; font.pixelSize: 11; wrapMode: Text.Wrap; Layout.fillWidth: true }
        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            InkText { text: View.inspector.eachSizeText; font.pixelSize: 12; Layout.fillWidth: true }
            InkText { objectName: "groupSaves"; text: View.inspector.savesText; color: View.palette.emeraldText; font.pixelSize: 12; font.weight: Font.DemiBold }
        }
    }

    Repeater {
        model: View.inspector.members
        delegate: InspectorCard {
            id: copy
            required property int index
            required property string name
            required property string folderName
            required property string path
            required property string size
            required property string modified
            required property bool lockedOriginal
            required property string roleText

            objectName: "member" + copy.index
            highlighted: copy.lockedOriginal
            accent: View.palette.emerald

            InkText { text: copy.name; font.pixelSize: 13; font.weight: Font.DemiBold; wrapMode: Text.WrapAnywhere; Layout.fillWidth: true }
            InkText { text: copy.folderName; color: View.palette.inkSecondary; font.pixelSize: 11; elide: Text.ElideMiddle; Layout.fillWidth: true }
            InkText { text: copy.size + " · " + copy.modified; color: View.palette.inkMutedText; font.pixelSize: 11 }
            PathRow { path: copy.path; onReveal: View.inspector.revealMember(copy.index) }
            RowLayout {
                spacing: 6
                Layout.fillWidth: true
                GlyphIcon {
                    symbol: copy.lockedOriginal ? "lock.shield.fill" : "trash.slash.fill"
                    color: copy.lockedOriginal ? View.palette.emeraldText : View.palette.crimsonText
                    size: 14
                }
                InkText {
                    objectName: "memberRole"
                    text: copy.roleText
                    color: copy.lockedOriginal ? View.palette.emeraldText : View.palette.crimsonText
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                    wrapMode: Text.Wrap
                    Layout.fillWidth: true
                }
                PillButton {
                    visible: !copy.lockedOriginal
                    text: View.texts.keepThisInstead
                    tint: View.palette.emerald
                    quiet: true
                    implicitHeight: 26
                    leftPadding: 9
                    rightPadding: 9
                    Accessible.description: copy.path
                    onClicked: View.inspector.keepMemberInstead(copy.index)
                }
            }
        }
    }
}
