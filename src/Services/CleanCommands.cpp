// The clean buttons: each collects the selected records of its list as clean items,
// hands them to the executor and, when the clean ends, drops what was cleaned.
#include "Platform/Trash.h"
#include "Services/CleanedPathFilter.h"
#include "Services/StorageEngine.h"

#include <QPointer>

#include <algorithm>

namespace {

constexpr const char* kLeftoverSuffix = " 缓存残留";

constexpr const char* kLauncherSuffix = " 启动项与图标";

// The leftovers that went are no longer listed, and the app is unselected.
void dropCleanedLeftovers(InstalledAppItem& app, const std::set<std::string>& cleaned)
{
    app.dropOrphansWhere([&](const Path& url) { return cleaned.count(url) > 0; });
    app.isSelected = false;
}

} // namespace

// ---------------------------------------------------------------- what each command cleans

CleanItem StorageEngine::scannedItem(const Path& url, Int64 sizeBytes, std::string name) const
{
    CleanItem item{url, sizeBytes, std::move(name)};
    if (const auto stamp = scannedStamps_.find(url); stamp != scannedStamps_.end())
        item.scanned = stamp->second;
    // Emptying the Trash takes only what the scan measured in it.
    if (url == Trash::homeFilesFolder(homePath_))
        item.trashEntries = scannedTrashEntries_;
    return item;
}

std::vector<CleanItem> StorageEngine::selectedSafeCacheItems() const
{
    std::vector<CleanItem> items;
    for (const auto& card : ruleCards_)
        for (const auto& item : card.subItems)
            if (item.isSelected)
                items.push_back(scannedItem(item.url, item.sizeBytes, item.name));
    return items;
}

std::vector<CleanItem> StorageEngine::selectedProjectBloatItems() const
{
    std::vector<CleanItem> items;
    for (const auto& bloat : projectBloats_)
        if (bloat.isSelected)
            items.push_back(scannedItem(bloat.url, bloat.sizeBytes, bloat.projectName + "/" + bloat.artifactType));
    return items;
}

std::vector<CleanItem> StorageEngine::selectedDuplicateItems() const
{
    std::vector<CleanItem> items;
    for (const auto& group : duplicateGroups_) {
        // Copies go only while the original the group keeps is still as scanned (another
        // list's clean may have taken it, the user may have edited it); the executor checks.
        const auto kept = std::find_if(group.members.begin(), group.members.end(),
                                       [](const DuplicateFileMember& member) { return member.isLockedOriginal; });
        if (kept == group.members.end())
            continue;
        ScannedPath original{kept->url, std::nullopt};
        if (const auto stamp = scannedStamps_.find(kept->url); stamp != scannedStamps_.end())
            original.stamp = stamp->second;
        for (const auto& member : group.members) {
            if (member.isLockedOriginal || !member.isSelectedForDelete)
                continue;
            items.push_back(scannedItem(member.url, member.sizeBytes, member.name));
            items.back().keptOriginal = original;
        }
    }
    return items;
}

std::vector<CleanItem> StorageEngine::selectedLargeFileItems() const
{
    std::vector<CleanItem> items;
    for (const auto& file : largeFiles_)
        if (file.isSelected)
            items.push_back(scannedItem(file.url, file.sizeBytes, file.name));
    return items;
}

std::vector<CleanItem> StorageEngine::selectedAppItems(bool cleanOrphansOnly) const
{
    std::vector<CleanItem> items;
    for (const auto& app : installedApps_) {
        if (!app.isSelected)
            continue;
        if (!cleanOrphansOnly && isRemovedByMovingIt(app.kind)) {
            items.push_back(scannedItem(app.appPath, app.appSizeBytes, app.name));
            if (app.kind == InstalledAppKind::flatpakLeftover)
                continue; // its cache lies inside the folder that goes
            for (const auto& extra : app.uninstallPaths)
                items.push_back(scannedItem(extra, 0, app.name + kLauncherSuffix));
        }
        for (std::size_t i = 0; i < app.orphanPaths.size(); ++i)
            items.push_back(scannedItem(app.orphanPaths[i], app.orphanSize(i), app.name + kLeftoverSuffix));
        // After its caches: the tool removes the app itself, its deploy folder and all.
        if (!cleanOrphansOnly && app.kind == InstalledAppKind::flatpakUser) {
            CleanItem removal{app.appPath, app.appSizeBytes, app.name};
            removal.userFlatpakId = app.appId;
            items.push_back(std::move(removal));
        }
    }
    return items;
}

std::vector<CleanItem> StorageEngine::masterSmartSelectedItems() const
{
    // Not de-duplicated: a file listed twice is found gone the second time and frees 0.
    std::vector<CleanItem> items = selectedSafeCacheItems();
    for (auto part : {selectedProjectBloatItems(), selectedDuplicateItems(), selectedLargeFileItems()})
        items.insert(items.end(), part.begin(), part.end());
    return items;
}

// ---------------------------------------------------------------- pruning after a clean

void StorageEngine::pruneSafeCaches(const std::set<std::string>& cleaned)
{
    auto cards = ruleCards_;
    dropCleaned(cards, cleaned);
    setRuleCards(std::move(cards));
}

void StorageEngine::pruneProjectBloats(const std::set<std::string>& cleaned)
{
    auto bloats = projectBloats_;
    dropCleaned(bloats, cleaned);
    setProjectBloats(std::move(bloats));
}

void StorageEngine::pruneDuplicates(const std::set<std::string>& cleaned)
{
    auto groups = duplicateGroups_;
    dropCleaned(groups, cleaned);
    setDuplicateGroups(std::move(groups));
}

void StorageEngine::pruneLargeFiles(const std::set<std::string>& cleaned)
{
    auto files = largeFiles_;
    dropCleaned(files, cleaned);
    setLargeFiles(std::move(files));
}

// ---------------------------------------------------------------- the commands

namespace {
// The completion step holds the engine weakly: it may be gone when the clean ends.
template <typename Prune> StorageEngine::CleanedPathsHandler whileAlive(StorageEngine* engine, Prune prune)
{
    return [weak = QPointer<StorageEngine>(engine), prune](const std::set<std::string>& cleaned) {
        if (StorageEngine* alive = weak.data())
            prune(*alive, cleaned);
    };
}
} // namespace

void StorageEngine::cleanSelectedSafeCaches()
{
    startClean(selectedSafeCacheItems(), "已核实纯缓存",
               whileAlive(this, [](StorageEngine& e, const auto& p) { e.pruneSafeCaches(p); }));
}

void StorageEngine::cleanSelectedProjectBloats()
{
    startClean(selectedProjectBloatItems(), "闲置工程依赖",
               whileAlive(this, [](StorageEngine& e, const auto& p) { e.pruneProjectBloats(p); }));
}

void StorageEngine::cleanSelectedDuplicates()
{
    startClean(selectedDuplicateItems(), "重复文件克隆副本",
               whileAlive(this, [](StorageEngine& e, const auto& p) { e.pruneDuplicates(p); }));
}

void StorageEngine::cleanSelectedLargeFiles()
{
    startClean(selectedLargeFileItems(), "大体积文件",
               whileAlive(this, [](StorageEngine& e, const auto& p) { e.pruneLargeFiles(p); }));
}

void StorageEngine::uninstallSelectedApps(bool cleanOrphansOnly)
{
    if (!cleanOrphansOnly) {
        // An app whose bundle stayed (no write access to its folder), or that its tool did not
        // remove, stays listed. One that an administrator or another program removes stays
        // too, without the caches that went.
        startClean(selectedAppItems(false), "应用及残留文件",
                   whileAlive(this, [](StorageEngine& e, const std::set<std::string>& p) {
                       auto apps = e.installedApps_;
                       dropCleaned(apps, p);
                       for (auto& app : apps)
                           if (app.isSelected && !isRemovedByMovingIt(app.kind))
                               dropCleanedLeftovers(app, p);
                       e.setInstalledApps(std::move(apps));
                   }));
        return;
    }
    startClean(selectedAppItems(true), "应用关联缓存",
               whileAlive(this, [](StorageEngine& e, const std::set<std::string>& p) {
                   auto apps = e.installedApps_;
                   for (auto& app : apps)
                       if (app.isSelected)
                           dropCleanedLeftovers(app, p);
                   e.setInstalledApps(std::move(apps));
               }));
}

void StorageEngine::cleanAllMasterSmartSelected()
{
    startClean(masterSmartSelectedItems(), "全盘已核验安全项",
               whileAlive(this, [](StorageEngine& e, const std::set<std::string>& p) {
                   e.pruneSafeCaches(p);
                   e.pruneProjectBloats(p);
                   e.pruneDuplicates(p);
                   e.pruneLargeFiles(p);
               }));
}

void StorageEngine::revealInFileManager(const Path& url)
{
    if (workspaceService_)
        workspaceService_->revealInFileManager(url);
}

void StorageEngine::openWithDefaultApp(const Path& url)
{
    if (workspaceService_)
        workspaceService_->openWithDefaultApp(url);
}
