#include "ShownListAdapters.h"

namespace {

using S = StorageEngine;

bool everyCopySelected(const DuplicateFileGroup& group)
{
    return std::all_of(group.members.begin(), group.members.end(),
                       [](const DuplicateFileMember& m) { return m.isLockedOriginal || m.isSelectedForDelete; });
}

bool isSelected(const auto& record) { return record.isSelected; }

} // namespace

RuleCardAdapter::RuleCardAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::RuleCards, engine,
                        {.records = &S::ruleCards,
                         .changed = &S::ruleCardsChanged,
                         .toggle = &S::toggleCard,
                         .scannedBytes = &S::totalScannedSafeBytes,
                         .selectedBytes = &S::totalSelectedSafeBytes,
                         .cleanItems = &S::selectedSafeCacheItems,
                         .clean = &S::cleanSelectedSafeCaches},
                        parent)
{
}

// A card counts as selected by its caches, as the engine weighs them against its defaults.
bool RuleCardAdapter::allSelected() const { return engine_.areAllSafeItemsSelected(); }
void RuleCardAdapter::setAllSelected(bool selected) { engine_.setAllSafeCards(selected); }

ProjectBloatAdapter::ProjectBloatAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::ProjectBloats, engine,
                        {.records = &S::projectBloats,
                         .changed = &S::projectBloatsChanged,
                         .toggle = &S::toggleProjectBloat,
                         .scannedBytes = &S::totalScannedBloatBytes,
                         .selectedBytes = &S::totalSelectedBloatBytes,
                         .cleanItems = &S::selectedProjectBloatItems,
                         .clean = &S::cleanSelectedProjectBloats},
                        parent)
{
}

bool ProjectBloatAdapter::allSelected() const { return everySelectableRow(isSelected<ProjectBloatItem>); }
void ProjectBloatAdapter::setAllSelected(bool selected) { engine_.setAllProjectBloats(selected); }

DuplicateGroupAdapter::DuplicateGroupAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::DuplicateGroups, engine,
                        {.records = &S::duplicateGroups,
                         .changed = &S::duplicateGroupsChanged,
                         .toggle = &S::toggleDuplicateGroup,
                         .scannedBytes = &S::totalScannedDuplicateBytes,
                         .selectedBytes = &S::totalSelectedDuplicateBytes,
                         .cleanItems = &S::selectedDuplicateItems,
                         .clean = &S::cleanSelectedDuplicates},
                        parent)
{
}

bool DuplicateGroupAdapter::allSelected() const { return everySelectableRow(everyCopySelected); }
void DuplicateGroupAdapter::setAllSelected(bool selected) { engine_.setAllDuplicates(selected); }

LargeFileAdapter::LargeFileAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::LargeFiles, engine,
                        {.records = &S::largeFiles,
                         .changed = &S::largeFilesChanged,
                         .toggle = &S::toggleLargeFile,
                         .scannedBytes = &S::totalScannedLargeFileBytes,
                         .selectedBytes = &S::totalSelectedLargeFileBytes,
                         .cleanItems = &S::selectedLargeFileItems,
                         .clean = &S::cleanSelectedLargeFiles},
                        parent)
{
}

void LargeFileAdapter::setCategory(LargeFileCategory category)
{
    if (category_ == category)
        return;
    category_ = category;
    follow();
    Q_EMIT filterChanged();
}

std::vector<LargeFileItem> LargeFileAdapter::shown() const
{
    if (category_ == LargeFileCategory::all)
        return engineRecords();
    std::vector<LargeFileItem> filtered;
    std::copy_if(engineRecords().begin(), engineRecords().end(), std::back_inserter(filtered),
                 [this](const LargeFileItem& file) { return file.category == category_; });
    return filtered;
}

bool LargeFileAdapter::allSelected() const { return everySelectableRow(isSelected<LargeFileItem>); }
void LargeFileAdapter::setAllSelected(bool selected) { engine_.setAllLargeFiles(selected, category_); }

// Selected bytes and clean items depend on the mode; the adapter says them itself.
InstalledAppAdapter::InstalledAppAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::InstalledApps, engine,
                        {.records = &S::installedApps,
                         .changed = &S::installedAppsChanged,
                         .toggle = &S::toggleInstalledApp,
                         .scannedBytes = &S::totalScannedAppOrphanBytes,
                         .selectedBytes = nullptr,
                         .cleanItems = nullptr,
                         .clean = nullptr},
                        parent)
{
}

void InstalledAppAdapter::setOnlyCache(bool onlyCache)
{
    if (this->onlyCache() == onlyCache)
        return;
    // Apps without leftovers have nothing to clean in cache-only mode; a removed Flatpak's
    // whole data folder is never carried into full-uninstall mode by its cache's tick.
    if (onlyCache)
        engine_.deselectInstalledAppsWithoutLeftovers();
    else
        engine_.deselectLeftoverFoldersForFullUninstall();
    model().setOnlyCacheMode(onlyCache);
    Q_EMIT filterChanged();
}

bool InstalledAppAdapter::allSelected() const { return everySelectableRow(isSelected<InstalledAppItem>); }
void InstalledAppAdapter::setAllSelected(bool selected) { engine_.setAllInstalledApps(selected, onlyCache()); }

Int64 InstalledAppAdapter::selectedBytes() const
{
    return onlyCache() ? engine_.totalSelectedAppOrphanBytes() : engine_.totalSelectedUninstallBytes();
}

std::vector<CleanItem> InstalledAppAdapter::cleanItems() const { return engine_.selectedAppItems(onlyCache()); }
void InstalledAppAdapter::clean() { engine_.uninstallSelectedApps(onlyCache()); }
