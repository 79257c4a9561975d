// The clean buttons: each collects the selected records of its list as clean items,
// hands them to the runner and, when the clean ends, drops what was cleaned.
#include "Services/CleanCommands.h"

#include "Platform/Trash.h"
#include "Services/CleanRunner.h"
#include "Services/CleanTexts.h"
#include "Services/CleanedPathFilter.h"
#include "Services/ScanResults.h"
#include "Services/SelectionState.h"

#include <algorithm>

namespace {

// The leftovers that went are no longer listed.
void dropCleanedLeftovers(InstalledAppItem& app, const std::set<std::string>& cleaned)
{
    app.dropOrphansWhere([&](const Path& url) { return cleaned.count(url) > 0; });
}

} // namespace

// ---------------------------------------------------------------- what each command cleans

CleanItem CleanCommands::namedItem(const Path& url, Int64 sizeBytes, TextRef name) const
{
    std::string text = CleanTexts::engineText({name});
    return scannedItem(url, sizeBytes, std::move(text), std::move(name));
}

CleanItem CleanCommands::scannedItem(const Path& url, Int64 sizeBytes, std::string name, TextRef nameRef) const
{
    CleanItem item{url, sizeBytes, std::move(name)};
    item.nameRef = std::move(nameRef);
    if (const auto stamp = results_.scannedStamps().find(url); stamp != results_.scannedStamps().end())
        item.scanned = stamp->second;
    // Emptying the Trash takes only what the scan measured in it.
    if (url == Trash::homeFilesFolder(runner_.homePath()))
        item.trashEntries = results_.scannedTrashEntries();
    return item;
}

std::vector<CleanItem> CleanCommands::safeCacheItems() const
{
    std::vector<CleanItem> items;
    for (const auto& card : results_.ruleCards())
        for (const auto& item : card.subItems)
            if (selection_.isSelected(item))
                items.push_back(scannedItem(item.url, item.reclaimable(), item.name, item.nameRef));
    return items;
}

std::vector<CleanItem> CleanCommands::projectBloatItems() const
{
    std::vector<CleanItem> items;
    for (const auto& bloat : results_.projectBloats())
        if (selection_.isSelected(bloat))
            items.push_back(scannedItem(bloat.url, bloat.reclaimable(), bloat.projectName + "/" + bloat.artifactType));
    return items;
}

std::vector<CleanItem> CleanCommands::duplicateItems() const
{
    std::vector<CleanItem> items;
    for (const auto& group : results_.duplicateGroups()) {
        // Copies go only while the original the group keeps is still as scanned (another
        // list's clean may have taken it, the user may have edited it); the executor checks.
        const DuplicateFileMember* kept = selection_.keptOriginal(group);
        if (!kept)
            continue;
        ScannedPath original{kept->url, std::nullopt};
        if (const auto stamp = results_.scannedStamps().find(kept->url); stamp != results_.scannedStamps().end())
            original.stamp = stamp->second;
        for (const auto& member : group.members) {
            if (!selection_.isMarkedForDelete(group, member))
                continue;
            // Merging frees what the two do not share yet; nothing goes to the Trash.
            const bool merge = copyMerging_ == CopyMerging::always ||
                               (copyMerging_ == CopyMerging::whereAvailable && member.mergeableBytes);
            items.push_back(scannedItem(
                member.url, merge ? member.mergeableBytes.value_or(member.reclaimable()) : member.reclaimable(),
                member.name));
            items.back().keptOriginal = original;
            items.back().mergeIntoOriginal = merge;
        }
    }
    return items;
}

std::vector<CleanItem> CleanCommands::largeFileItems() const
{
    std::vector<CleanItem> items;
    for (const auto& file : results_.largeFiles())
        if (selection_.isSelected(file))
            items.push_back(scannedItem(file.url, file.reclaimable(), file.name));
    return items;
}

std::vector<CleanItem> CleanCommands::appItems(bool cleanOrphansOnly) const
{
    std::vector<CleanItem> items;
    for (const auto& app : results_.installedApps()) {
        if (!selection_.isSelected(app))
            continue;
        if (!cleanOrphansOnly && isRemovedByMovingIt(app.kind)) {
            items.push_back(scannedItem(app.appPath, app.appSizeBytes, app.name));
            if (app.kind == InstalledAppKind::flatpakLeftover)
                continue; // its cache lies inside the folder that goes
            for (const auto& extra : app.uninstallPaths)
                items.push_back(namedItem(extra, 0, CleanTexts::appLaunchersName(app.name)));
        }
        // The package manager removes the package before anything of it goes: its
        // settings follow only once it is gone.
        if (!cleanOrphansOnly && app.kind == InstalledAppKind::systemPackage && app.removedThroughPackageKit) {
            CleanItem removal{app.appPath, app.appSizeBytes, app.name};
            removal.systemPackage = app.appId;
            items.push_back(std::move(removal));
        }
        for (std::size_t i = 0; i < app.orphanPaths.size(); ++i)
            items.push_back(namedItem(app.orphanPaths[i], app.orphanSize(i), CleanTexts::appLeftoversName(app.name)));
        if (!cleanOrphansOnly && app.dataGoesWithFullUninstall())
            for (const auto& data : app.dataFolders) {
                CleanItem item = namedItem(data.path, data.sizeBytes, CleanTexts::appDataName(app.name));
                if (app.kind == InstalledAppKind::systemPackage)
                    item.onlyOnceGone = app.appPath;
                items.push_back(std::move(item));
            }
        // After its caches: the tool removes the app itself, its deploy folder and all.
        if (!cleanOrphansOnly && app.kind == InstalledAppKind::flatpakUser) {
            CleanItem removal{app.appPath, app.appSizeBytes, app.name};
            removal.userFlatpakId = app.appId;
            items.push_back(std::move(removal));
        }
    }
    return items;
}

std::vector<CleanItem> CleanCommands::items(CleanTarget target) const
{
    switch (target) {
    case CleanTarget::safeCaches:
        return safeCacheItems();
    case CleanTarget::projectBloats:
        return projectBloatItems();
    case CleanTarget::duplicates:
        return duplicateItems();
    case CleanTarget::largeFiles:
        return largeFileItems();
    case CleanTarget::appCaches:
        return appItems(true);
    case CleanTarget::appUninstall:
        return appItems(false);
    case CleanTarget::everything:
        break;
    }
    // Not de-duplicated: a file listed twice is found gone the second time and frees 0.
    std::vector<CleanItem> items = safeCacheItems();
    for (auto part : {projectBloatItems(), duplicateItems(), largeFileItems()})
        items.insert(items.end(), part.begin(), part.end());
    return items;
}

// ---------------------------------------------------------------- the commands

namespace {

std::string_view labelIdOf(CleanTarget target)
{
    switch (target) {
    case CleanTarget::safeCaches:
        return "clean.label.safeCaches";
    case CleanTarget::projectBloats:
        return "clean.label.projectBloats";
    case CleanTarget::duplicates:
        return "clean.label.duplicates";
    case CleanTarget::largeFiles:
        return "clean.label.largeFiles";
    case CleanTarget::appCaches:
        return "clean.label.appCaches";
    case CleanTarget::appUninstall:
        return "clean.label.appUninstall";
    case CleanTarget::everything:
        break;
    }
    return "clean.label.everything";
}

// Records keep the label in the engine's words.
std::string labelOf(CleanTarget target) { return CleanTexts::engineText({CleanTexts::cleanLabel(labelIdOf(target))}); }

// Publishes the list only when something of it went: the others' views stay as they are.
template <typename List> void pruneList(const List& current, const std::set<std::string>& cleaned, auto publishList)
{
    auto list = current;
    dropCleaned(list, cleaned);
    if (list != current)
        publishList(std::move(list));
}

} // namespace

void CleanCommands::clean(CleanTarget target)
{
    // The runner calls back on this thread while it lives, and it lives no longer than this.
    runner_.startClean(items(target), labelOf(target),
                       [this, target](const std::set<std::string>& cleaned) { prune(target, cleaned); });
}

void CleanCommands::prune(CleanTarget target, const std::set<std::string>& cleaned)
{
    // What went is gone from every list that offered it, not only from the one cleaned:
    // a path offered twice has one state, and a gone path is offered nowhere.
    ScanResults& r = results_;
    pruneList(r.ruleCards(), cleaned, [&r](auto list) { r.setRuleCards(std::move(list)); });
    pruneList(r.projectBloats(), cleaned, [&r](auto list) { r.setProjectBloats(std::move(list)); });
    pruneList(r.duplicateGroups(), cleaned, [this, &r](auto list) {
        // A group that lost the copy it keeps keeps its first remaining one, so it never
        // offers every copy.
        selection_.keepAnOriginalIn(list);
        r.setDuplicateGroups(std::move(list));
    });
    pruneList(r.largeFiles(), cleaned, [&r](auto list) { r.setLargeFiles(std::move(list)); });
    if (target == CleanTarget::appUninstall) {
        // An app whose bundle stayed (no write access to its folder), or that its tool did not
        // remove, stays listed. One that an administrator or another program removes stays
        // too, without the caches that went.
        auto apps = r.installedApps();
        dropCleaned(apps, cleaned);
        for (auto& app : apps)
            if (selection_.isSelected(app) && !isRemovedByMovingIt(app.kind)) {
                dropCleanedLeftovers(app, cleaned);
                selection_.deselectApp(app);
            }
        r.setInstalledApps(std::move(apps));
    } else {
        auto apps = r.installedApps();
        bool changed = false;
        for (auto& app : apps) {
            const auto before = app.orphanPaths.size() + app.dataFolders.size();
            dropCleanedLeftovers(app, cleaned);
            changed = changed || app.orphanPaths.size() + app.dataFolders.size() != before;
            if (target == CleanTarget::appCaches && selection_.isSelected(app)) {
                selection_.deselectApp(app);
                changed = true;
            }
        }
        if (changed)
            r.setInstalledApps(std::move(apps));
    }
}
