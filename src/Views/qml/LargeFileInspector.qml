import QtQuick
import QtQuick.Layouts
import Quillmere

// A large file: its preview, what and how big it is, why it is offered, when it changed, and
// buttons to open it or show it in the file manager.
ColumnLayout {
    spacing: 10

    PreviewFrame {}

    InspectorCard {
        accent: View.palette.violet
        InkText { text: View.inspector.title; font.pixelSize: 14; font.weight: Font.DemiBold; wrapMode: Text.WrapAnywhere; Layout.fillWidth: true }
        InkText { text: View.inspector.sizeText; font.pixelSize: 18; font.weight: Font.Bold }
        Flow {
            spacing: 6
            Layout.fillWidth: true
            BadgePill { symbol: "film.stack"; label: View.inspector.categoryText; tint: View.palette.violet }
            BadgePill { visible: View.inspector.verificationBadge !== ""; symbol: "checkmark.shield.fill"; label: View.inspector.verificationBadge; tint: View.palette.emerald }
        }
        InkText { visible: text !== ""; text: View.inspector.verificationReason; color: View.palette.inkSecondary; font.pixelSize: 11; wrapMode: Text.Wrap; Layout.fillWidth: true }
        InkText { text: View.texts.modifiedLabel + " · " + View.inspector.modifiedText; color: View.palette.inkMutedText; font.pixelSize: 11 }
        Flow {
            spacing: 8
            Layout.fillWidth: true
            PillButton { objectName: "openFileButton"; text: View.texts.openFile; symbol: "play.rectangle.fill"; tint: View.palette.violet; onClicked: View.inspector.openFile() }
            PillButton { objectName: "revealFileButton"; text: View.texts.fileManagerButton; symbol: "folder.fill"; tint: View.palette.cobalt; quiet: true; onClicked: View.inspector.revealItem() }
        }
        PathRow { path: View.inspector.path; onReveal: View.inspector.revealItem() }
    }
}
