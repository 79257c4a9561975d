pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Quillmere

// The trust sidebar: product name, the four workspace tabs with their counts, the safety
// vault, the disk and the folder access.
Rectangle {
    id: sidebar
    color: View.palette.sidebarTint
    // The tab of the workspace shown: where the focus goes when nothing nearer can take it.
    readonly property Item currentTab: {
        for (let i = 0; i < tabs.count; ++i) {
            const tab = tabs.itemAt(i) as T.TabButton
            if (tab && tab.checked)
                return tab
        }
        return null
    }

    // The edge towards the workspace column (the left one once mirrored).
    Rectangle {
        anchors.right: parent.right
        width: 1
        height: parent.height
        color: View.palette.hairlineBorder
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 14
        spacing: 8

        InkText {
            text: View.texts.productName
            font.pixelSize: 21
            font.weight: Font.Bold
        }
        InkText {
            text: View.texts.trustWorkspacesSection
            color: View.palette.inkMutedText
            font.pixelSize: 11
            font.letterSpacing: 1.2
            wrapMode: Text.Wrap
            fitsWhole: true
            Layout.fillWidth: true
            Layout.bottomMargin: 2
        }

        Repeater {
            id: tabs
            model: View.workspaces
            delegate: T.TabButton {
                id: tab
                required property int index
                required property int workspace
                required property string title
                required property string subtitle
                required property string symbol
                required property color accent
                required property int count
                required property bool isSelected
                required property bool isCounting
                objectName: "workspaceTab" + index
                text: tab.title
                Layout.fillWidth: true
                implicitHeight: Math.max(52, tab.contentItem.implicitHeight + topPadding + bottomPadding)
                topPadding: 8
                bottomPadding: 8
                leftPadding: 20
                rightPadding: 10
                focusPolicy: Qt.StrongFocus
                checkable: false
                checked: tab.isSelected
                Accessible.name: tab.title
                Accessible.description: tab.subtitle
                Accessible.selected: tab.isSelected
                Accessible.onPressAction: tab.clicked()
                Keys.onReturnPressed: tab.clicked()
                Keys.onEnterPressed: tab.clicked()
                onClicked: View.selectWorkspace(tab.workspace)

                background: GlassCard {
                    selected: tab.isSelected
                    accent: tab.accent
                    radius: 14
                    Rectangle {
                        visible: tab.isSelected
                        width: 3
                        radius: 1.5
                        anchors { left: parent.left; top: parent.top; bottom: parent.bottom; leftMargin: 9; topMargin: 12; bottomMargin: 12 }
                        color: tab.accent
                    }
                    Rectangle {
                        anchors.fill: parent
                        radius: 14
                        color: "transparent"
                        border.width: 2
                        border.color: View.palette.inkPrimary
                        visible: tab.visualFocus
                    }
                }
                contentItem: RowLayout {
                    spacing: 9
                    GlyphIcon { symbol: tab.symbol; size: 19; color: View.palette.textShade(tab.accent, View.palette.isDark) }
                    ColumnLayout {
                        spacing: 1
                        Layout.fillWidth: true
                        // Titles and subtitles wrap rather than lose their ends.
                        InkText { objectName: "tabTitle"; text: tab.title; font.pixelSize: 14; font.weight: Font.DemiBold; wrapMode: Text.Wrap; fitsWhole: true; Layout.fillWidth: true }
                        InkText { objectName: "tabSubtitle"; text: tab.subtitle; color: View.palette.inkSecondary; font.pixelSize: 11; wrapMode: Text.Wrap; fitsWhole: true; Layout.fillWidth: true }
                    }
                    InkText {
                        text: tab.isCounting ? "…" : tab.count
                        color: View.palette.textShade(tab.accent, View.palette.isDark)
                        font.pixelSize: 14
                        font.weight: Font.Bold
                    }
                }
            }
        }

        Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }

        VaultBlock { Layout.fillWidth: true }
        DiskBlock { Layout.fillWidth: true }
        AccessRow { Layout.fillWidth: true }
    }
}
