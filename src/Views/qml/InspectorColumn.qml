import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtMultimedia
import Quillmere

// The right column: everything about the one item clicked in a workspace, so it can be
// decided on without opening the file manager.
Rectangle {
    id: column
    objectName: "inspectorColumn"
    color: View.palette.inspectorTint
    Rectangle { anchors.left: parent.left; width: 1; height: parent.height; color: View.palette.hairlineBorder }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 18
        anchors.rightMargin: 8
        spacing: 12

        RowLayout {
            Layout.rightMargin: 10
            GlyphIcon { symbol: "viewfinder.circle.fill"; color: View.palette.cobaltText; size: 20 }
            InkText { text: View.texts.inspectorTitle; color: View.palette.inkPrimary; font.pixelSize: 15; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
        }
        BadgePill { symbol: "bolt.shield.fill"; label: View.texts.noFileManagerDetour; tint: View.palette.cobalt }

        ColumnLayout {
            objectName: "inspectorEmpty"
            visible: !View.inspector.hasItem
            Layout.fillWidth: true
            Layout.rightMargin: 10
            Layout.topMargin: 40
            spacing: 10
            GlyphIcon { symbol: "sparkle.magnifyingglass"; color: View.palette.inkMutedText; size: 36; Layout.alignment: Qt.AlignHCenter }
            InkText { text: View.texts.inspectorEmpty; color: View.palette.inkMutedText; font.pixelSize: 13; wrapMode: Text.Wrap; horizontalAlignment: Text.AlignHCenter; Layout.fillWidth: true }
        }

        Flickable {
            id: scroller
            visible: View.inspector.hasItem
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: width
            contentHeight: details.implicitHeight + 8
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar { policy: scroller.contentHeight > scroller.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }

            Loader {
                id: details
                objectName: "inspectorDetails"
                property bool hasItem: View.inspector.hasItem
                property int kind: View.inspector.kind
                // The scroll bar's lane is kept free on whichever side it stands.
                x: View.isRightToLeft ? 10 : 0
                width: scroller.width - 10
                y: 4
                sourceComponent: {
                    if (!View.inspector.hasItem)
                        return null
                    switch (View.inspector.kind) {
                    case WindowLists.RuleCards: return safeCard
                    case WindowLists.ProjectBloats: return projectBloat
                    case WindowLists.DuplicateGroups: return duplicateGroup
                    case WindowLists.LargeFiles: return largeFile
                    case WindowLists.InstalledApps: return installedApp
                    }
                    return null
                }
            }
        }
        Item { visible: !View.inspector.hasItem; Layout.fillHeight: true }
    }

    // Another item starts at its top; a refresh of the same one keeps the place.
    Connections {
        target: View
        function onInspectedRowChanged() { scroller.contentY = 0 }
    }
    Connections {
        target: View.inspector
        function onItemChanged() {
            if (details.hasItem !== View.inspector.hasItem || details.kind !== View.inspector.kind)
                scroller.contentY = 0
        }
    }

    // Made with the window and never shown: setting up the first video output of the program
    // takes a good part of a second, which would otherwise hold up the first inspected file.
    VideoOutput { visible: false; width: 1; height: 1 }

    Component { id: safeCard; SafeCardInspector {} }
    Component { id: projectBloat; ProjectBloatInspector {} }
    Component { id: duplicateGroup; DuplicateGroupInspector {} }
    Component { id: largeFile; LargeFileInspector {} }
    Component { id: installedApp; InstalledAppInspector {} }
}
