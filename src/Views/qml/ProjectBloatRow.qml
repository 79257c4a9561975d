import QtQuick
import QtQuick.Layouts
import Quillmere

// An idle build artefact: project and artefact, where it is, its size, idle days or the
// active state, and the command that brings it back.
WorkspaceRow {
    id: row
    required property string projectName
    required property string artifactType
    required property string path
    required property string size
    required property bool idle
    required property string stateBadge
    required property string stateSymbol
    required property string rebuildCommand

    required selected

    rowName: row.projectName + " / " + row.artifactType

    RowLayout {
        width: parent.width
        spacing: 10
        GlyphIcon { symbol: "shippingbox.fill"; color: View.palette.amberText; size: 20; Layout.alignment: Qt.AlignTop }
        ColumnLayout {
            spacing: 3
            Layout.fillWidth: true
            RowLayout {
                Layout.fillWidth: true
                InkText {
                    text: row.projectName + "  ·  " + row.artifactType
                    font.pixelSize: 14
                    font.weight: Font.DemiBold
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                InkText { text: row.size; font.pixelSize: 13; font.weight: Font.DemiBold }
            }
            InkText {
                text: row.path
                color: View.palette.inkMutedText
                font.pixelSize: 11
                elide: Text.ElideMiddle
                Layout.fillWidth: true
            }
            Flow {
                spacing: 6
                Layout.fillWidth: true
                BadgePill {
                    symbol: row.stateSymbol
                    label: row.stateBadge
                    tint: row.idle ? View.palette.emerald : View.palette.amber
                }
            }
            RowLayout {
                spacing: 6
                Layout.fillWidth: true
                InkText { text: View.texts.sourceSafeRun; color: View.palette.inkSecondary; font.pixelSize: 11 }
                Rectangle {
                    radius: 4
                    color: View.palette.hairlineBorder
                    implicitWidth: command.implicitWidth + 10
                    implicitHeight: command.implicitHeight + 4
                    Layout.maximumWidth: row.width * 0.5
                    InkText {
                        id: command
                        anchors.centerIn: parent
                        width: Math.min(implicitWidth, parent.width - 10)
                        text: row.rebuildCommand
                        font.family: "monospace"
                        font.pixelSize: 11
                        elide: Text.ElideRight
                    }
                }
                Item { Layout.fillWidth: true }
            }
        }
    }
}
