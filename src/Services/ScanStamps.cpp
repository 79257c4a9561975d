#include "Services/ScanStamps.h"

#include "Models/Paths.h"
#include "Platform/Beneath.h"
#include "Platform/FileIdentity.h"
#include "Platform/FileOperations.h"
#include "Platform/MountTable.h"
#include "Platform/Trash.h"
#include "Services/CleanDecision.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace {

// Entries are measured as deep as the catalogue measures the Trash.
constexpr int kTrashMeasureDepth = 10;

} // namespace

ScanStamps::ScanStamps(std::vector<Path> roots, std::vector<Path> ownState)
    : roots_(std::move(roots)), ownState_(std::move(ownState))
{
}

bool ScanStamps::record(const Path& path)
{
    if (stamps_.count(path))
        return true;
    if (touchesAny(path, ownState_)) {
        notOffered_.insert(path);
        return false;
    }
    const auto location = roots_.locate(path);
    const auto st = location ? fileops::stat(fileops::placeOf(*location)) : Result<struct stat>(location.status());
    if (!st) {
        notOffered_.insert(path);
        return false;
    }
    stamps_.emplace(path, stampOf(*st));
    return true;
}

bool ScanStamps::recordFile(const Path& path, Date modifiedAsWalked)
{
    if (!record(path))
        return false;
    const auto walked = std::chrono::duration_cast<std::chrono::nanoseconds>(modifiedAsWalked.time_since_epoch());
    if (stamps_.at(path).modifiedNanoseconds == walked.count())
        return true;
    stamps_.erase(path);
    notOffered_.insert(path);
    return false;
}

void ScanStamps::offerOnly(std::vector<SafeCacheRuleCard>& cards)
{
    for (const auto& card : cards)
        for (const auto& item : card.subItems)
            record(item.url);
    dropCleaned(cards, notOffered_);
}

void ScanStamps::offerOnly(std::vector<ProjectBloatItem>& bloats)
{
    for (const auto& bloat : bloats)
        record(bloat.url);
    dropCleaned(bloats, notOffered_);
}

void ScanStamps::offerOnly(std::vector<InstalledAppItem>& apps)
{
    for (auto& app : apps) {
        // An app its own tool or an administrator removes is shown, never acted on by its
        // path: it may lie outside every root (/var/lib/flatpak, /snap) and still be listed.
        if (isRemovedByMovingIt(app.kind))
            record(app.appPath);
        std::erase_if(app.uninstallPaths, [&](const Path& url) { return !record(url); });
        // A leftover that cannot be offered takes its own measured size with it.
        app.dropOrphansWhere([&](const Path& url) { return !record(url); });
    }
    dropCleaned(apps, notOffered_);
}

void ScanStamps::offerOnly(std::vector<LargeFileItem>& files)
{
    for (const auto& file : files)
        recordFile(file.url, file.modifiedDate);
    dropCleaned(files, notOffered_);
}

void ScanStamps::offerOnly(std::vector<DuplicateFileGroup>& groups)
{
    for (const auto& group : groups)
        for (const auto& member : group.members)
            recordFile(member.url, member.modifiedDate);
    dropCleaned(groups, notOffered_);
}

std::vector<FolderEntryStamp> trashEntriesAtScanStart(const Path& home)
{
    const auto trash = Trash::openHome(home, false);
    auto entries = trash ? trash->entries(0) : Result<std::vector<FolderEntryStamp>>(trash.status());
    return entries ? *std::move(entries) : std::vector<FolderEntryStamp>{};
}

std::optional<std::vector<FolderEntryStamp>> trashEntriesToOffer(const Path& home,
                                                                 const std::vector<FolderEntryStamp>& atScanStart,
                                                                 const std::set<std::string>& restorable)
{
    if (mounts::crossesMountBelow(home, Trash::homeFilesFolder(home)))
        return std::nullopt; // another disk's: neither measured nor offered
    const auto trash = Trash::openHome(home, false);
    if (!trash)
        return trash.error() == ENOENT ? std::optional<std::vector<FolderEntryStamp>>(std::in_place) : std::nullopt;
    auto entries = trash->entries(kTrashMeasureDepth);
    if (!entries)
        return std::nullopt;
    // Looked up by name: a Trash of a million entries must not cost a million squared.
    std::unordered_map<std::string_view, const FileStamp*> earlier;
    earlier.reserve(atScanStart.size());
    for (const FolderEntryStamp& early : atScanStart)
        earlier.emplace(early.name, &early.stamp);
    std::erase_if(*entries, [&](const FolderEntryStamp& entry) {
        const auto early = earlier.find(entry.name);
        const bool wasThere = early != earlier.end() && early->second->isSameObject(entry.stamp);
        return !wasThere || restorable.count(entry.name) > 0;
    });
    return *std::move(entries);
}
