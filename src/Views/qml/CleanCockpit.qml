import QtQuick
import QtQuick.Layouts
import Quillmere

// The overview cockpit: the ring, what the current workspace has selected and what the
// others hold, the primary clean, smart clean of every workspace's selection and the rescan.
// Compact (a short window): a smaller ring.
GlassCard {
    id: cockpit
    property bool compact: false
    // Where the ring lies in the cockpit, and whether the view it is scrolled in cuts it.
    readonly property real ringTop: layout.y + ring.y
    readonly property real ringBottom: ringTop + ring.height
    property bool ringCutByView: false
    readonly property Item cleanButton: primaryClean
    radius: 18
    implicitHeight: layout.implicitHeight + 24

    ColumnLayout {
        id: layout
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 12 }
        spacing: 10
        RowLayout {
            spacing: 14
            Layout.fillWidth: true
            LuminousOrbitalRing {
                id: ring
                cutByView: cockpit.ringCutByView
                usedRatio: View.overview.usedRatio
                reclaimableRatio: View.overview.reclaimableRatio
                isScanning: View.isScanning
                scanProgress: View.scanProgress
                centerValueText: View.overview.centerValueText
                centerLabelText: View.overview.centerLabelText
                scanningWord: View.texts.ringScanning
                rescanTitle: View.column.rescanTitle
                onTapRescan: View.rescan()
                Layout.preferredWidth: cockpit.compact ? 100 : 118
                Layout.preferredHeight: cockpit.compact ? 100 : 118
            }
            ColumnLayout {
                spacing: 3
                Layout.fillWidth: true
                InkText {
                    text: View.texts.selectedToReclaimTitle
                    color: View.palette.inkSecondary
                    font.pixelSize: 12
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                InkText {
                    id: figure
                    objectName: "selectedToReclaim"
                    text: View.column.currentTabSelectedText
                    color: View.palette.textShade(View.column.accent, View.palette.isDark)
                    font.pixelSize: cockpit.compact ? 20 : 24
                    font.weight: Font.Bold
                    Accessible.role: Accessible.StaticText
                    Accessible.name: View.texts.selectedToReclaimTitle + " " + figure.text
                }
                RowLayout {
                    objectName: "otherZones"
                    spacing: 5
                    Layout.fillWidth: true
                    GlyphIcon { symbol: "arrow.up.right.circle.fill"; size: 13; color: View.palette.inkMutedText }
                    InkText {
                        text: View.texts.otherZones + " · " + View.overview.otherZonesText
                        color: View.palette.inkMutedText
                        font.pixelSize: 12
                        elide: Text.ElideRight
                        Layout.fillWidth: true
                    }
                }
            }
        }
        Flow {
            spacing: 8
            Layout.fillWidth: true
            PillButton {
                id: primaryClean
                objectName: "primaryCleanButton"
                symbol: View.column.primaryActionRemoves ? "trash.fill" : "sparkles"
                text: View.column.primaryActionTitle
                tint: View.column.primaryActionRemoves ? View.palette.crimson : View.column.accent
                enabled: View.column.canCleanShown
                Accessible.description: enabled ? "" : View.texts.nothingSelectedReason
                onClicked: View.triggerPrimaryCleanAction()
            }
            PillButton {
                objectName: "smartCleanButton"
                symbol: "sparkles"
                text: View.texts.smartCleanAllTitle + " · " + View.column.smartCleanTotalText
                tint: View.palette.cobalt
                enabled: View.column.canSmartClean
                Accessible.description: enabled ? "" : View.texts.nothingSelectedReason
                onClicked: View.smartCleanAll()
            }
            PillButton {
                objectName: "rescanButton"
                symbol: "arrow.triangle.2.circlepath"
                text: View.column.rescanTitle
                tint: View.palette.inkSecondary
                quiet: true
                onClicked: View.rescan()
            }
        }
    }
}
