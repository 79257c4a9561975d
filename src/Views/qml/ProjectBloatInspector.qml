import QtQuick
import QtQuick.Layouts
import Quillmere

// A build artefact of an idle project: what and how big, how long the project has rested, why
// removing it is safe, where it is, that the sources stay, and how to get it back.
ColumnLayout {
    spacing: 10

    InspectorCard {
        accent: View.palette.amber
        highlighted: true
        InkText { text: View.inspector.projectName; font.pixelSize: 15; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
        RowLayout {
            spacing: 6
            Layout.fillWidth: true
            InkText { text: View.inspector.artifactType; color: View.palette.inkSecondary; font.pixelSize: 12; elide: Text.ElideRight; Layout.fillWidth: true }
            InkText { text: View.inspector.sizeText; font.pixelSize: 13; font.weight: Font.DemiBold }
        }
        Flow {
            spacing: 6
            Layout.fillWidth: true
            BadgePill { symbol: "clock.badge.checkmark"; label: View.inspector.idleText; tint: View.palette.amber }
            BadgePill { visible: View.inspector.verificationBadge !== ""; symbol: "checkmark.shield.fill"; label: View.inspector.verificationBadge; tint: View.palette.emerald }
        }
        InkText { visible: text !== ""; text: View.inspector.verificationReason; color: View.palette.inkSecondary; font.pixelSize: 11; wrapMode: Text.Wrap; Layout.fillWidth: true }
        PathRow { path: View.inspector.path; onReveal: View.inspector.revealItem() }
    }

    InspectorCard {
        accent: View.palette.emerald
        RowLayout {
            spacing: 8
            Layout.fillWidth: true
            GlyphIcon { symbol: "checkmark.shield.fill"; color: View.palette.emeraldText; size: 18 }
            InkText { text: View.texts.gitSourcePreserved; color: View.palette.emeraldText; font.pixelSize: 12; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
        }
    }

    InspectorCard {
        InkText { text: View.texts.rebuildCommand; color: View.palette.inkSecondary; font.pixelSize: 11; font.weight: Font.DemiBold }
        TextEdit {
            objectName: "rebuildCommand"
            text: View.inspector.rebuildCommand
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.WrapAnywhere
            color: View.palette.inkPrimary
            selectionColor: View.palette.cobalt
            font.family: "monospace"
            font.pixelSize: 12
            Layout.fillWidth: true
            Accessible.role: Accessible.EditableText
            Accessible.name: View.texts.rebuildCommand
            Accessible.readOnly: true
        }
    }
}
