// The rows of the workspace column: the list models that follow the engine, which list the
// current workspace shows, toggling, inspecting and selecting all of its rows.
#include "WindowState.h"

#include <algorithm>

namespace {

template <typename Record> int rowOfId(const std::vector<Record>& list, const std::string& id)
{
    const auto found = std::find_if(list.begin(), list.end(), [&](const Record& record) { return record.id == id; });
    return found == list.end() ? -1 : int(found - list.begin());
}

template <typename Model> bool isRowOf(const Model& model, int row) { return row >= 0 && row < model.count(); }

bool everyCopySelected(const DuplicateFileGroup& group)
{
    return std::all_of(group.members.begin(), group.members.end(),
                       [](const DuplicateFileMember& m) { return m.isLockedOriginal || m.isSelectedForDelete; });
}

} // namespace

void WindowState::connectListModels()
{
    MacStorageScanner* s = scanner_.get();
    auto follow = [this, s](auto signal, ShownList list, auto update) {
        connect(s, signal, this, [this, list, update] {
            if (scanner_->isScanning())
                publishedThisScan_.insert(list);
            update();
            updateInspectedRow();
            updateWorkspaceSummaries();
            Q_EMIT listModelsChanged();
        });
        update();
    };
    follow(&MacStorageScanner::ruleCardsChanged, ShownList::ruleCards,
           [this] { ruleCards_.setCards(scanner_->ruleCards()); });
    follow(&MacStorageScanner::projectBloatsChanged, ShownList::projectBloats,
           [this] { projectBloats_.setItems(scanner_->projectBloats()); });
    follow(&MacStorageScanner::duplicateGroupsChanged, ShownList::duplicateGroups,
           [this] { duplicateGroups_.setGroups(scanner_->duplicateGroups()); });
    follow(&MacStorageScanner::largeFilesChanged, ShownList::largeFiles,
           [this] { largeFiles_.setFiles(filteredLargeFiles()); });
    follow(&MacStorageScanner::installedAppsChanged, ShownList::installedApps,
           [this] { installedApps_.setApps(scanner_->installedApps()); });
    connect(s, &MacStorageScanner::isScanningChanged, this, &WindowState::onScanningChanged);
    connect(s, &MacStorageScanner::recentPurgeRecordsChanged, this,
            [this] { purgeRecords_.setRecords(scanner_->recentPurgeRecords()); });
    connect(s, &MacStorageScanner::moveToTrashByDefaultChanged, this, &WindowState::moveToTrashChanged);

    auto applyLanguage = [this] {
        const AppLanguage language = currentLanguage();
        for (SyncedListModel* model : std::initializer_list<SyncedListModel*>{
                 &workspaces_, &ruleCards_, &inspectedSubItems_, &projectBloats_, &duplicateGroups_, &inspectedMembers_,
                 &largeFiles_, &installedApps_, &purgeRecords_})
            model->setLanguage(language);
    };
    connect(this, &WindowState::languageRawChanged, this, applyLanguage);
    applyLanguage();
    installedApps_.setOnlyCacheMode(appSlimmingOnlyCache_);
}

void WindowState::onScanningChanged()
{
    // A new scan counts every workspace afresh; a finished one has published them all.
    publishedThisScan_.clear();
    updateWorkspaceSummaries();
}

bool WindowState::isCounting(CleanTrustWorkspace workspace) const
{
    if (!scanner_->isScanning())
        return false;
    auto awaits = [this](ShownList list) { return !publishedThisScan_.contains(list); };
    switch (workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        return awaits(ShownList::ruleCards);
    case CleanTrustWorkspace::devAndDuplicates:
        return awaits(ShownList::projectBloats) || awaits(ShownList::duplicateGroups);
    case CleanTrustWorkspace::largeMedia:
        return awaits(ShownList::largeFiles);
    case CleanTrustWorkspace::appSlimming:
        return awaits(ShownList::installedApps);
    }
    return false;
}

Int64 WindowState::selectedBytes(CleanTrustWorkspace workspace) const
{
    const MacStorageScanner& s = *scanner_;
    switch (workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        return s.totalSelectedSafeBytes();
    case CleanTrustWorkspace::devAndDuplicates:
        return s.totalSelectedBloatBytes() + s.totalSelectedDuplicateBytes();
    case CleanTrustWorkspace::largeMedia:
        return s.totalSelectedLargeFileBytes();
    case CleanTrustWorkspace::appSlimming:
        return appSlimmingOnlyCache_ ? s.totalSelectedAppOrphanBytes() : s.totalSelectedUninstallBytes();
    }
    return 0;
}

void WindowState::updateWorkspaceSummaries()
{
    const MacStorageScanner& s = *scanner_;
    std::vector<WorkspaceSummary> summaries;
    for (CleanTrustWorkspace workspace : allCases<CleanTrustWorkspace>()) {
        WorkspaceSummary summary;
        summary.id = rawValue(workspace);
        summary.workspace = workspace;
        summary.isSelected = workspace == selectedWorkspace_;
        summary.isCounting = isCounting(workspace);
        summary.selectedBytes = selectedBytes(workspace);
        switch (workspace) {
        case CleanTrustWorkspace::oneClickSafe:
            summary.count = qsizetype(s.ruleCards().size());
            summary.scannedBytes = s.totalScannedSafeBytes();
            break;
        case CleanTrustWorkspace::devAndDuplicates:
            summary.count = qsizetype(s.projectBloats().size() + s.duplicateGroups().size());
            summary.scannedBytes = s.totalScannedBloatBytes() + s.totalScannedDuplicateBytes();
            break;
        case CleanTrustWorkspace::largeMedia:
            summary.count = qsizetype(s.largeFiles().size());
            summary.scannedBytes = s.totalScannedLargeFileBytes();
            break;
        case CleanTrustWorkspace::appSlimming:
            summary.count = qsizetype(s.installedApps().size());
            summary.scannedBytes = s.totalScannedAppOrphanBytes();
            break;
        }
        summaries.push_back(std::move(summary));
    }
    workspaces_.setSummaries(std::move(summaries));
}

void WindowState::updateInspectedLists()
{
    const auto* card = inspectedItem_ ? inspectedItem_->as<SafeCacheRuleCard>() : nullptr;
    inspectedSubItems_.setItems(card ? card->subItems : std::vector<CacheSubItem>{});
    const auto* group = inspectedItem_ ? inspectedItem_->as<DuplicateFileGroup>() : nullptr;
    inspectedMembers_.setMembers(group ? group->members : std::vector<DuplicateFileMember>{});
}

WindowState::ShownList WindowState::shownList() const
{
    switch (selectedWorkspace_) {
    case CleanTrustWorkspace::oneClickSafe:
        return ShownList::ruleCards;
    case CleanTrustWorkspace::devAndDuplicates:
        return devSubTab_ == 0 ? ShownList::projectBloats : ShownList::duplicateGroups;
    case CleanTrustWorkspace::largeMedia:
        return ShownList::largeFiles;
    case CleanTrustWorkspace::appSlimming:
        return ShownList::installedApps;
    }
    return ShownList::ruleCards;
}

void WindowState::updateInspectedRow()
{
    int row = -1;
    if (inspectedItem_) {
        const std::string& id = inspectedItem_->id();
        switch (shownList()) {
        case ShownList::ruleCards:
            row = inspectedItem_->as<SafeCacheRuleCard>() ? rowOfId(scanner_->ruleCards(), id) : -1;
            break;
        case ShownList::projectBloats:
            row = inspectedItem_->as<ProjectBloatItem>() ? rowOfId(scanner_->projectBloats(), id) : -1;
            break;
        case ShownList::duplicateGroups:
            row = inspectedItem_->as<DuplicateFileGroup>() ? rowOfId(scanner_->duplicateGroups(), id) : -1;
            break;
        case ShownList::largeFiles:
            row = inspectedItem_->as<LargeFileItem>() ? rowOfId(filteredLargeFiles(), id) : -1;
            break;
        case ShownList::installedApps:
            row = inspectedItem_->as<InstalledAppItem>() ? rowOfId(scanner_->installedApps(), id) : -1;
            break;
        }
    }
    assign(inspectedRow_, row, &WindowState::inspectedRowChanged);
}

// ---------------------------------------------------------------- derived values of the shown list

Int64 WindowState::currentTabSelectedBytes() const
{
    const MacStorageScanner& s = *scanner_;
    switch (shownList()) {
    case ShownList::ruleCards:
        return s.totalSelectedSafeBytes();
    case ShownList::projectBloats:
        return s.totalSelectedBloatBytes();
    case ShownList::duplicateGroups:
        return s.totalSelectedDuplicateBytes();
    case ShownList::largeFiles:
        return s.totalSelectedLargeFileBytes();
    case ShownList::installedApps:
        return appSlimmingOnlyCache_ ? s.totalSelectedAppOrphanBytes() : s.totalSelectedUninstallBytes();
    }
    return 0;
}

bool WindowState::currentListIsEmpty() const
{
    switch (shownList()) {
    case ShownList::ruleCards:
        return ruleCards_.count() == 0;
    case ShownList::projectBloats:
        return projectBloats_.count() == 0;
    case ShownList::duplicateGroups:
        return duplicateGroups_.count() == 0;
    case ShownList::largeFiles:
        return largeFiles_.count() == 0;
    case ShownList::installedApps:
        return installedApps_.count() == 0;
    }
    return true;
}

bool WindowState::allRowsSelected() const
{
    const MacStorageScanner& s = *scanner_;
    auto all = [](const auto& list, auto isSelected) {
        return !list.empty() && std::all_of(list.begin(), list.end(), isSelected);
    };
    switch (shownList()) {
    case ShownList::ruleCards:
        return s.areAllSafeItemsSelected();
    case ShownList::projectBloats:
        return all(s.projectBloats(), [](const ProjectBloatItem& item) { return item.isSelected; });
    case ShownList::duplicateGroups:
        return all(s.duplicateGroups(), everyCopySelected);
    case ShownList::largeFiles:
        return all(filteredLargeFiles(), [](const LargeFileItem& file) { return file.isSelected; });
    case ShownList::installedApps: {
        // Apps without leftovers cannot be selected in cache-only mode: they do not count.
        std::vector<InstalledAppItem> selectable;
        std::copy_if(s.installedApps().begin(), s.installedApps().end(), std::back_inserter(selectable),
                     [this](const InstalledAppItem& app) { return installedApps_.isEnabled(app); });
        return all(selectable, [](const InstalledAppItem& app) { return app.isSelected; });
    }
    }
    return false;
}

// ---------------------------------------------------------------- operations on rows

void WindowState::toggleRow(int row)
{
    MacStorageScanner& s = *scanner_;
    switch (shownList()) {
    case ShownList::ruleCards:
        if (isRowOf(ruleCards_, row))
            s.toggleCard(ruleCards_.at(row).id);
        break;
    case ShownList::projectBloats:
        if (isRowOf(projectBloats_, row))
            s.toggleProjectBloat(projectBloats_.at(row).id);
        break;
    case ShownList::duplicateGroups:
        if (isRowOf(duplicateGroups_, row))
            s.toggleDuplicateGroup(duplicateGroups_.at(row).id);
        break;
    case ShownList::largeFiles:
        if (isRowOf(largeFiles_, row))
            s.toggleLargeFile(largeFiles_.at(row).id);
        break;
    case ShownList::installedApps:
        if (isRowOf(installedApps_, row) && installedApps_.isEnabled(installedApps_.at(row)))
            s.toggleInstalledApp(installedApps_.at(row).id);
        break;
    }
}

void WindowState::inspectRow(int row)
{
    switch (shownList()) {
    case ShownList::ruleCards:
        if (isRowOf(ruleCards_, row))
            setInspectedItem(InspectedItem::safeCard(ruleCards_.at(row)));
        break;
    case ShownList::projectBloats:
        if (isRowOf(projectBloats_, row))
            setInspectedItem(InspectedItem::projectBloat(projectBloats_.at(row)));
        break;
    case ShownList::duplicateGroups:
        if (isRowOf(duplicateGroups_, row))
            setInspectedItem(InspectedItem::duplicateGroup(duplicateGroups_.at(row)));
        break;
    case ShownList::largeFiles:
        if (isRowOf(largeFiles_, row))
            setInspectedItem(InspectedItem::largeFile(largeFiles_.at(row)));
        break;
    case ShownList::installedApps:
        if (isRowOf(installedApps_, row))
            setInspectedItem(InspectedItem::installedApp(installedApps_.at(row)));
        break;
    }
}

void WindowState::toggleSelectAll()
{
    const bool select = !allRowsSelected();
    MacStorageScanner& s = *scanner_;
    switch (shownList()) {
    case ShownList::ruleCards:
        s.setAllSafeCards(select);
        break;
    case ShownList::projectBloats:
        s.setAllProjectBloats(select);
        break;
    case ShownList::duplicateGroups:
        s.setAllDuplicates(select);
        break;
    case ShownList::largeFiles:
        s.setAllLargeFiles(select, selectedLargeCategory_);
        break;
    case ShownList::installedApps:
        s.setAllInstalledApps(select, appSlimmingOnlyCache_);
        break;
    }
}

void WindowState::chooseDevSubTab(int tab)
{
    setDevSubTab(tab);
    selectDefaultInspectedItem(CleanTrustWorkspace::devAndDuplicates);
}

void WindowState::openEmptyStateNext()
{
    switch (shownList()) {
    case ShownList::ruleCards:
        selectWorkspace(CleanTrustWorkspace::devAndDuplicates);
        break;
    case ShownList::projectBloats:
        setDevSubTab(1);
        break;
    case ShownList::duplicateGroups:
        selectWorkspace(CleanTrustWorkspace::largeMedia);
        break;
    case ShownList::largeFiles:
        selectWorkspace(CleanTrustWorkspace::appSlimming);
        break;
    case ShownList::installedApps: // the last workspace has no next one
        break;
    }
}

void WindowState::restoreRecord(int row)
{
    if (isRowOf(purgeRecords_, row))
        scanner_->restoreSingleRecord(purgeRecords_.at(row).id);
}

void WindowState::toggleSubItem(int row)
{
    const auto* card = inspectedItem_ ? inspectedItem_->as<SafeCacheRuleCard>() : nullptr;
    if (card && isRowOf(inspectedSubItems_, row))
        scanner_->toggleSubItem(card->id, inspectedSubItems_.at(row).id);
}

void WindowState::keepMemberInstead(int row)
{
    const auto* group = inspectedItem_ ? inspectedItem_->as<DuplicateFileGroup>() : nullptr;
    if (group && isRowOf(inspectedMembers_, row))
        scanner_->swapDuplicateLockedOriginal(group->id, inspectedMembers_.at(row).id);
}
