pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Quillmere

// The middle column: the result of the last clean, then the grant notice, the cockpit with
// its ring and pods, the scan's progress while it runs, and the workspace shown. The banner
// stays put: it answers what the person just did. The rest scrolls as a whole where the
// window is too short for it, and the list keeps room for four rows, so the banner and four
// rows can always be seen together. In a short window the cockpit and the pods compact.
ColumnLayout {
    id: outer
    spacing: 12
    readonly property bool compact: column.height + (banner.visible ? banner.height + spacing : 0) < 640
    readonly property Item cleanButton: cockpit.cleanButton

    FeedbackBanner { id: banner; Layout.fillWidth: true; visible: View.column.bannerVisible }

    Flickable {
        id: column
        objectName: "workspaceScroll"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        contentWidth: width
        contentHeight: stack.height
        boundsBehavior: Flickable.StopAtBounds
        interactive: contentHeight > height
        // The focused control is scrolled into view (keyboard navigation through the column).
        function reveal(item) {
            const at = item.mapToItem(stack, 0, 0)
            if (at.y < contentY)
                contentY = Math.max(0, at.y - 8)
            else if (at.y + item.height > contentY + height)
                contentY = Math.min(contentHeight - height, at.y + item.height - height + 8)
        }
        Connections {
            target: column.Window.window
            function onActiveFocusItemChanged() {
                const item = column.Window.activeFocusItem
                for (let at = item; at; at = at.parent)
                    if (at === stack) {
                        column.reveal(item)
                        return
                    }
            }
        }

        // Where in the column the view is, while there is more of it than fits.
        Rectangle {
            parent: column
            visible: column.interactive
            anchors.right: parent.right
            anchors.rightMargin: -10
            y: column.height * column.visibleArea.yPosition
            width: 3
            height: column.height * column.visibleArea.heightRatio
            radius: 1.5
            color: View.palette.inkMuted
            opacity: 0.6
        }

        ColumnLayout {
            id: stack
            width: column.width
            height: Math.max(column.height, implicitHeight)
            spacing: 12

            GrantNoticeCard { Layout.fillWidth: true; visible: View.grants.noticeKind !== "" && !View.grants.showsOnboarding }
            CleanCockpit {
                id: cockpit
                objectName: "cleanCockpit"
                compact: outer.compact
                ringCutByView: cockpit.y + cockpit.ringTop < column.contentY ||
                               cockpit.y + cockpit.ringBottom > column.contentY + column.height
                Layout.fillWidth: true
            }

            // One pod per workspace, in their order: a row of four, or two rows of two where four
            // would leave their titles no room. Compact pods leave their titles to the sidebar.
            ChoiceGrid {
                id: pods
                objectName: "metricPods"
                columns: width >= 560 || outer.compact ? 4 : 2
                rowSpacing: 8
                columnSpacing: 8
                Layout.fillWidth: true
                Layout.maximumHeight: implicitHeight
                Repeater {
                    model: View.workspaces
                    delegate: MetricPod {
                        compact: outer.compact
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        Layout.preferredWidth: 1
                    }
                }
            }

            // The scan's progress while it runs.
            ColumnLayout {
                visible: View.isScanning
                spacing: 4
                Layout.fillWidth: true
                RowLayout {
                    Layout.fillWidth: true
                    InkText { text: View.scanTitle; font.pixelSize: 12; font.weight: Font.DemiBold; elide: Text.ElideRight; Layout.fillWidth: true }
                    InkText { text: Math.round(View.scanProgress * 100) + "%"; color: View.palette.emeraldText; font.pixelSize: 12; font.weight: Font.Bold }
                }
                Rectangle {
                    Layout.fillWidth: true
                    implicitHeight: 4
                    radius: 2
                    color: View.palette.hairlineBorder
                    Rectangle {
                        width: parent.width * Math.max(0, Math.min(1, View.scanProgress))
                        height: parent.height
                        radius: 2
                        color: View.palette.emerald
                    }
                }
                InkText { text: View.scanPhaseText; color: View.palette.inkMutedText; font.pixelSize: 11; elide: Text.ElideMiddle; Layout.fillWidth: true }
            }

            WorkspacePanel { Layout.fillWidth: true; Layout.fillHeight: true; viewHeight: column.height }
        }
    }
}
