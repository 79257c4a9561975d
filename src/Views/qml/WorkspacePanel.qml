import QtQuick
import QtQuick.Layouts
import Quillmere

// The workspace shown: its header with select-all, its switches (sub-tabs, categories, the
// app mode), and its rows, or the empty state once they are gone.
ColumnLayout {
    id: panel
    spacing: 10
    // The height of the column's view: the rows never claim more than that.
    property real viewHeight: 0

    // Header: title, subtitle and select-all.
    RowLayout {
        spacing: 10
        Layout.fillWidth: true
        ColumnLayout {
            spacing: 2
            Layout.fillWidth: true
            InkText {
                objectName: "workspaceTitle"
                text: View.column.headerTitle
                font.pixelSize: 17
                font.weight: Font.Bold
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            InkText {
                text: View.column.headerSubtitle
                color: View.palette.inkSecondary
                font.pixelSize: 12
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
        }
        PillButton {
            objectName: "selectAllButton"
            visible: View.column.hasRows
            symbol: View.column.selectAllSymbol
            text: View.column.selectAllTitle
            tint: View.column.accent
            quiet: true
            onClicked: View.shown.toggleAll()
        }
    }

    // Idle build artefacts or exact clones.
    Flow {
        visible: View.selectedWorkspace === WindowLists.DevAndDuplicates
        spacing: 8
        Layout.fillWidth: true
        ChoicePill {
            objectName: "buildArtifactsTab"
            symbol: "shippingbox.fill"
            text: View.texts.buildArtifactsTab
            chosen: View.shownList === WindowLists.ProjectBloats
            tint: View.palette.amber
            onClicked: View.showList(WindowLists.ProjectBloats)
        }
        ChoicePill {
            objectName: "exactClonesTab"
            symbol: "square.on.square.dashed"
            text: View.texts.exactClonesTab
            chosen: View.shownList === WindowLists.DuplicateGroups
            tint: View.palette.amber
            onClicked: View.showList(WindowLists.DuplicateGroups)
        }
    }

    // Where the file system can share extents: copies merged in place, or removed.
    Flow {
        visible: View.shownList === WindowLists.DuplicateGroups && View.canMergeCopies
        spacing: 6
        Layout.fillWidth: true
        ChoicePill {
            objectName: "mergeCopiesMode"
            symbol: "square.on.square.dashed"
            text: View.texts.mergeCopiesMode
            chosen: View.mergesCopies
            tint: View.palette.emerald
            Accessible.description: View.texts.mergeCopiesNote
            onClicked: View.mergesCopies = true
        }
        ChoicePill {
            objectName: "trashCopiesMode"
            symbol: "trash.fill"
            text: View.texts.trashCopiesMode
            chosen: !View.mergesCopies
            tint: View.palette.crimson
            onClicked: View.mergesCopies = false
        }
    }

    // Large-file categories.
    Flow {
        visible: View.selectedWorkspace === WindowLists.LargeMedia
        spacing: 6
        Layout.fillWidth: true
        Repeater {
            // A count, not the titles: a language switch then changes the chips' words and
            // does not make new chips.
            model: View.largeCategorySymbols.length
            delegate: ChoicePill {
                required property int index
                objectName: "categoryButton" + index
                symbol: View.largeCategorySymbols[index]
                text: View.largeCategoryTitles[index] ?? ""
                chosen: View.selectedLargeCategory === index
                tint: View.palette.cobalt
                onClicked: View.selectedLargeCategory = index
            }
        }
    }

    // The app workspace's mode, and the grant a full uninstall needs.
    Flow {
        visible: View.selectedWorkspace === WindowLists.AppSlimming
        spacing: 6
        Layout.fillWidth: true
        ChoicePill {
            objectName: "cacheOnlyMode"
            symbol: "sparkles"
            text: View.texts.cacheOnlyMode
            chosen: View.appSlimmingOnlyCache
            tint: View.palette.violet
            onClicked: View.appSlimmingOnlyCache = true
        }
        ChoicePill {
            objectName: "fullUninstallMode"
            symbol: "trash.fill"
            text: View.texts.fullUninstallMode
            chosen: !View.appSlimmingOnlyCache
            tint: View.palette.crimson
            onClicked: View.appSlimmingOnlyCache = false
        }
    }
    GlassCard {
        objectName: "applicationsBanner"
        visible: View.column.showsApplicationsBanner
        radius: 14
        selected: true
        accent: View.palette.amber
        Layout.fillWidth: true
        implicitHeight: bannerRow.implicitHeight + 20
        // Anchored, not a row layout: the texts wrap in the width between the icon and the
        // button, and their wrapped height cannot feed back into the widths a layout hands out
        // (a row layout went round in a polish loop here on a language switch).
        Item {
            id: bannerRow
            anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 12 }
            implicitHeight: Math.max(bannerIcon.height, bannerTexts.implicitHeight, grantApplications.implicitHeight)
            GlyphIcon { id: bannerIcon; symbol: "app.badge.checkmark"; color: View.palette.amberText; size: 20; anchors { left: parent.left; verticalCenter: parent.verticalCenter } }
            Column {
                id: bannerTexts
                anchors { left: bannerIcon.right; right: grantApplications.left; leftMargin: 10; rightMargin: 10; verticalCenter: parent.verticalCenter }
                spacing: 2
                InkText { text: View.texts.applicationsBannerTitle; font.pixelSize: 13; font.weight: Font.DemiBold; wrapMode: Text.Wrap; width: parent.width }
                InkText { text: View.texts.applicationsBannerDetail; color: View.palette.inkSecondary; font.pixelSize: 12; wrapMode: Text.Wrap; width: parent.width }
            }
            PillButton {
                id: grantApplications
                objectName: "grantApplicationsButton"
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                text: View.texts.grantButtonTitle
                tint: View.palette.amber
                onClicked: View.grants.requestApplicationsGrant()
            }
        }
    }

    // The rows of the list shown; only that list's view exists.
    Item {
        id: rowsArea
        objectName: "rowsArea"
        Layout.fillWidth: true
        Layout.fillHeight: true
        // Room for the first four rows, however tall they are in this language.
        readonly property var shownList: cards.item || bloats.item || clones.item || files.item || apps.item
        Layout.minimumHeight: Math.max(280, Math.min(panel.viewHeight, shownList ? shownList.fourRowsHeight : 0))

        component RowList: ListView {
            id: list
            anchors.fill: parent
            // What the first four rows take; the delegates near the top always exist.
            readonly property real fourRowsHeight: {
                let height = 0
                const shown = Math.min(4, list.count)
                for (let i = 0; i < shown && list.contentHeight > 0; ++i) {
                    const row = list.itemAtIndex(i)
                    if (!row)
                        return 0
                    height += row.height + (i > 0 ? list.spacing : 0)
                }
                return height
            }
            clip: true
            spacing: 8
            // Rows hold nothing of their own (all they show comes from the model), so a row
            // scrolled or cleaned away is used again rather than made anew.
            reuseItems: true
            // The list itself is never mirrored: a mirrored item view throws its rows away and
            // makes them again on a switch into or out of a right-to-left language. The rows
            // mirror themselves (WorkspaceRow), which only lays them out again.
            LayoutMirroring.enabled: false
            LayoutMirroring.childrenInherit: true
            boundsBehavior: Flickable.StopAtBounds
            keyNavigationEnabled: true
            highlightFollowsCurrentItem: false
            Accessible.role: Accessible.List
            Accessible.name: View.column.headerTitle
        }

        Loader {
            id: cards
            anchors.fill: parent
            active: View.column.hasRows && View.shownList === WindowLists.RuleCards
            sourceComponent: RowList {
                objectName: "ruleCardList"
                model: View.rowsOf(WindowLists.RuleCards)
                delegate: SafeCardRow { width: ListView.view.width }
            }
        }
        Loader {
            id: bloats
            anchors.fill: parent
            active: View.column.hasRows && View.shownList === WindowLists.ProjectBloats
            sourceComponent: RowList {
                objectName: "projectBloatList"
                model: View.rowsOf(WindowLists.ProjectBloats)
                delegate: ProjectBloatRow { width: ListView.view.width }
            }
        }
        Loader {
            id: clones
            anchors.fill: parent
            active: View.column.hasRows && View.shownList === WindowLists.DuplicateGroups
            sourceComponent: RowList {
                objectName: "duplicateGroupList"
                model: View.rowsOf(WindowLists.DuplicateGroups)
                delegate: DuplicateGroupRow { width: ListView.view.width }
            }
        }
        Loader {
            id: files
            anchors.fill: parent
            active: View.column.hasRows && View.shownList === WindowLists.LargeFiles
            sourceComponent: RowList {
                objectName: "largeFileList"
                model: View.rowsOf(WindowLists.LargeFiles)
                delegate: LargeFileRow { width: ListView.view.width }
            }
        }
        Loader {
            id: apps
            anchors.fill: parent
            active: View.column.hasRows && View.shownList === WindowLists.InstalledApps
            sourceComponent: RowList {
                objectName: "installedAppList"
                model: View.rowsOf(WindowLists.InstalledApps)
                delegate: InstalledAppRow { width: ListView.view.width }
            }
        }

        EmptyStateCard {
            objectName: "emptyState"
            visible: View.column.showsEmptyState
            anchors { left: parent.left; right: parent.right; top: parent.top }
        }
        InkText {
            visible: !View.column.hasRows && View.isScanning
            anchors.centerIn: parent
            text: View.texts.scanningNowTitle
            color: View.palette.inkMutedText
            font.pixelSize: 14
        }
    }
}
