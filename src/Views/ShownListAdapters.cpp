#include "ShownListAdapters.h"

namespace {

using R = ScanResults;
using S = SelectionState;

} // namespace

RuleCardAdapter::RuleCardAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::RuleCards, engine,
                        {.records = &R::ruleCards,
                         .shared = &R::sharedRuleCards,
                         .changed = &R::ruleCardsChanged,
                         .selectionChanged = &S::ruleCardsChanged,
                         .toggle = &S::toggleCard,
                         .scannedBytes = &R::totalScannedSafeBytes,
                         .selectedBytes = &S::totalSelectedSafeBytes,
                         .target = CleanTarget::safeCaches},
                        parent)
{
}

// A card counts as selected by its caches, as the engine weighs them against its defaults.
bool RuleCardAdapter::allSelected() const { return engine_.selection().areAllSafeItemsSelected(); }
void RuleCardAdapter::setAllSelected(bool selected) { engine_.selection().setAllSafeCards(selected); }

ProjectBloatAdapter::ProjectBloatAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::ProjectBloats, engine,
                        {.records = &R::projectBloats,
                         .shared = &R::sharedProjectBloats,
                         .changed = &R::projectBloatsChanged,
                         .selectionChanged = &S::projectBloatsChanged,
                         .toggle = &S::toggleProjectBloat,
                         .scannedBytes = &R::totalScannedBloatBytes,
                         .selectedBytes = &S::totalSelectedBloatBytes,
                         .target = CleanTarget::projectBloats},
                        parent)
{
}

bool ProjectBloatAdapter::allSelected() const
{
    return everySelectableRow([this](const ProjectBloatItem& bloat) { return selection().isSelected(bloat); });
}
void ProjectBloatAdapter::setAllSelected(bool selected) { engine_.selection().setAllProjectBloats(selected); }

DuplicateGroupAdapter::DuplicateGroupAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::DuplicateGroups, engine,
                        {.records = &R::duplicateGroups,
                         .shared = &R::sharedDuplicateGroups,
                         .changed = &R::duplicateGroupsChanged,
                         .selectionChanged = &S::duplicateGroupsChanged,
                         .toggle = &S::toggleDuplicateGroup,
                         .scannedBytes = &R::totalScannedDuplicateBytes,
                         .selectedBytes = &S::totalSelectedDuplicateBytes,
                         .target = CleanTarget::duplicates},
                        parent)
{
}

bool DuplicateGroupAdapter::allSelected() const
{
    return everySelectableRow([this](const DuplicateFileGroup& group) {
        return std::all_of(group.members.begin(), group.members.end(), [&](const DuplicateFileMember& m) {
            return selection().isKept(group, m) || selection().isMarkedForDelete(group, m);
        });
    });
}
void DuplicateGroupAdapter::setAllSelected(bool selected) { engine_.selection().setAllDuplicates(selected); }

LargeFileAdapter::LargeFileAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::LargeFiles, engine,
                        {.records = &R::largeFiles,
                         .shared = &R::sharedLargeFiles,
                         .changed = &R::largeFilesChanged,
                         .selectionChanged = &S::largeFilesChanged,
                         .toggle = &S::toggleLargeFile,
                         .scannedBytes = &R::totalScannedLargeFileBytes,
                         .selectedBytes = &S::totalSelectedLargeFileBytes,
                         .target = CleanTarget::largeFiles},
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

std::vector<const LargeFileItem*> LargeFileAdapter::shown(const std::vector<LargeFileItem>& records) const
{
    std::vector<const LargeFileItem*> filtered;
    for (const LargeFileItem& file : records)
        if (category_ == LargeFileCategory::all || file.category == category_)
            filtered.push_back(&file);
    return filtered;
}

bool LargeFileAdapter::allSelected() const
{
    return everySelectableRow([this](const LargeFileItem& file) { return selection().isSelected(file); });
}
void LargeFileAdapter::setAllSelected(bool selected) { engine_.selection().setAllLargeFiles(selected, category_); }

// Selected bytes and clean items depend on the mode; the adapter says them itself.
InstalledAppAdapter::InstalledAppAdapter(StorageEngine& engine, QObject* parent)
    : RecordListAdapter(ShownList::InstalledApps, engine,
                        {.records = &R::installedApps,
                         .shared = &R::sharedInstalledApps,
                         .changed = &R::installedAppsChanged,
                         .selectionChanged = &S::installedAppsChanged,
                         .toggle = &S::toggleInstalledApp,
                         .scannedBytes = &R::totalScannedAppOrphanBytes,
                         .selectedBytes = nullptr,
                         .target = CleanTarget::appCaches},
                        parent)
{
}

bool DuplicateGroupAdapter::canMergeCopies() const
{
    const auto& groups = engine_.results().duplicateGroups();
    return std::any_of(groups.begin(), groups.end(), [](const DuplicateFileGroup& group) {
        return std::any_of(group.members.begin(), group.members.end(),
                           [](const DuplicateFileMember& member) { return member.mergeableBytes.has_value(); });
    });
}

void DuplicateGroupAdapter::setMergesCopies(bool merge)
{
    const CopyMerging wanted = merge ? CopyMerging::whereAvailable : CopyMerging::never;
    if (engine_.commands().copyMerging() == wanted)
        return;
    engine_.commands().setCopyMerging(wanted);
    Q_EMIT filterChanged();
}

void InstalledAppAdapter::setOnlyCache(bool onlyCache)
{
    if (this->onlyCache() == onlyCache)
        return;
    // Apps without leftovers have nothing to clean in cache-only mode; a removed Flatpak's
    // whole data folder is never carried into full-uninstall mode by its cache's tick.
    if (onlyCache)
        engine_.selection().deselectInstalledAppsWithoutLeftovers();
    else
        engine_.selection().deselectLeftoverFoldersForFullUninstall();
    // In cache-only mode a row is its leftovers: ticked where another list ticked them all.
    engine_.selection().setAppsCleanLeftoversOnly(onlyCache);
    model().setOnlyCacheMode(onlyCache);
    Q_EMIT filterChanged();
}

bool InstalledAppAdapter::allSelected() const
{
    return everySelectableRow([this](const InstalledAppItem& app) { return selection().isSelected(app); });
}
void InstalledAppAdapter::setAllSelected(bool selected)
{
    engine_.selection().setAllInstalledApps(selected, onlyCache());
}

Int64 InstalledAppAdapter::selectedBytes() const
{
    return onlyCache() ? engine_.selection().totalSelectedAppOrphanBytes()
                       : engine_.selection().totalSelectedUninstallBytes();
}

static CleanTarget appTarget(bool onlyCache) { return onlyCache ? CleanTarget::appCaches : CleanTarget::appUninstall; }
std::vector<CleanItem> InstalledAppAdapter::cleanItems() const
{
    return engine_.commands().items(appTarget(onlyCache()));
}
void InstalledAppAdapter::clean() { engine_.commands().clean(appTarget(onlyCache())); }
