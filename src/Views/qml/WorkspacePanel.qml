import QtQuick
import QtQuick.Layouts
import Quillmere

// The workspace shown: its header with select-all, its switches (sub-tabs, categories, the
// app mode), and its rows, or the empty state once they are gone.
ColumnLayout {
    id: panel
    spacing: 10
    readonly property int workspace: View.selectedWorkspace

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
            onClicked: View.toggleSelectAll()
        }
    }

    // Idle build artefacts or exact clones.
    Flow {
        visible: panel.workspace === 1
        spacing: 8
        Layout.fillWidth: true
        ChoicePill {
            objectName: "buildArtifactsTab"
            symbol: "shippingbox.fill"
            text: View.texts.buildArtifactsTab
            chosen: View.devSubTab === 0
            tint: View.palette.amber
            onClicked: View.chooseDevSubTab(0)
        }
        ChoicePill {
            objectName: "exactClonesTab"
            symbol: "square.on.square.dashed"
            text: View.texts.exactClonesTab
            chosen: View.devSubTab === 1
            tint: View.palette.amber
            onClicked: View.chooseDevSubTab(1)
        }
    }

    // Large-file categories.
    Flow {
        visible: panel.workspace === 2
        spacing: 6
        Layout.fillWidth: true
        Repeater {
            model: View.largeCategoryTitles
            delegate: ChoicePill {
                required property string modelData
                required property int index
                objectName: "categoryButton" + index
                symbol: View.largeCategorySymbols[index]
                text: modelData
                chosen: View.selectedLargeCategory === index
                tint: View.palette.cobalt
                onClicked: View.selectedLargeCategory = index
            }
        }
    }

    // The app workspace's mode, and the grant a full uninstall needs.
    Flow {
        visible: panel.workspace === 3
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
        RowLayout {
            id: bannerRow
            anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 12 }
            spacing: 10
            GlyphIcon { symbol: "app.badge.checkmark"; color: View.palette.amberText; size: 20 }
            ColumnLayout {
                spacing: 2
                Layout.fillWidth: true
                InkText { text: View.texts.applicationsBannerTitle; font.pixelSize: 13; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
                InkText { text: View.texts.applicationsBannerDetail; color: View.palette.inkSecondary; font.pixelSize: 12; wrapMode: Text.Wrap; Layout.fillWidth: true }
            }
            PillButton {
                objectName: "grantApplicationsButton"
                text: View.texts.grantButtonTitle
                tint: View.palette.amber
                onClicked: View.requestApplicationsGrant()
            }
        }
    }

    // The rows of the list shown; only that list's view exists.
    Item {
        Layout.fillWidth: true
        Layout.fillHeight: true

        component RowList: ListView {
            id: list
            anchors.fill: parent
            clip: true
            spacing: 8
            reuseItems: false
            boundsBehavior: Flickable.StopAtBounds
            keyNavigationEnabled: true
            highlightFollowsCurrentItem: false
            Accessible.role: Accessible.List
            Accessible.name: View.column.headerTitle
        }

        Loader {
            anchors.fill: parent
            active: View.column.hasRows && panel.workspace === 0
            sourceComponent: RowList {
                objectName: "ruleCardList"
                model: View.ruleCards
                delegate: SafeCardRow { width: ListView.view.width }
            }
        }
        Loader {
            anchors.fill: parent
            active: View.column.hasRows && panel.workspace === 1 && View.devSubTab === 0
            sourceComponent: RowList {
                objectName: "projectBloatList"
                model: View.projectBloats
                delegate: ProjectBloatRow { width: ListView.view.width }
            }
        }
        Loader {
            anchors.fill: parent
            active: View.column.hasRows && panel.workspace === 1 && View.devSubTab !== 0
            sourceComponent: RowList {
                objectName: "duplicateGroupList"
                model: View.duplicateGroups
                delegate: DuplicateGroupRow { width: ListView.view.width }
            }
        }
        Loader {
            anchors.fill: parent
            active: View.column.hasRows && panel.workspace === 2
            sourceComponent: RowList {
                objectName: "largeFileList"
                model: View.largeFiles
                delegate: LargeFileRow { width: ListView.view.width }
            }
        }
        Loader {
            anchors.fill: parent
            active: View.column.hasRows && panel.workspace === 3
            sourceComponent: RowList {
                objectName: "installedAppList"
                model: View.installedApps
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
