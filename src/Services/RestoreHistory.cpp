// Putting cleaned items back from the Trash. Whatever stands in the way at the
// original place goes to the Trash itself, and only once the item is back in its
// place; nothing the user has is removed by a restore.
#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/FileOperations.h"
#include "Platform/Trash.h"
#include "Services/DiskOverview.h"
#include "Services/MacStorageScanner.h"

#include <algorithm>

namespace {

// Moves `from` to `to`, where something already stands: that occupant goes to the
// Trash first (with its own info file) and comes back when the move fails.
bool replaceKeepingOccupant(const URL& from, const URL& to, const URL& home)
{
    const auto aside = Trash::trashItem(to, home);
    if (!aside)
        return false;
    if (fileops::moveNoReplace(from, to) == 0)
        return true;
    if (fileops::moveNoReplace(*aside, to) == 0)
        Trash::forgetEntry(*aside);
    return false; // if even that failed, the occupant waits in the Trash
}

// The restored item and whatever was cleaned inside it (found gone because it went with
// its folder) are on disk again; the next scan may list them.
void forgetCleanedPathsUnder(std::set<std::string>& cleaned, const URL& original)
{
    std::erase_if(cleaned, [&](const std::string& path) { return paths::isSameOrInside(path, original); });
}

bool moveBack(const URL& from, const URL& to, const URL& home)
{
    if (!fileops::exists(to))
        return fileops::moveNoReplace(from, to) == 0;
    return replaceKeepingOccupant(from, to, home);
}

} // namespace

bool MacStorageScanner::restoreTrashedItem(const URL& trashed, const URL& original, const URL& home)
{
    if (!fileops::exists(trashed))
        return false;
    fileops::makeDirectories(paths::parent(original)); // a deleted parent chain comes back; failure shows below

    if (!fileops::exists(original)) {
        if (fileops::moveNoReplace(trashed, original) != 0)
            return false;
        Trash::forgetEntry(trashed);
        return true;
    }

    // A folder stands there again (an app re-created its cache, or only some children
    // went to the Trash): merge the trashed children into it.
    std::vector<std::string> children;
    if (fileops::isFolder(original) && fileops::isFolder(trashed) && fileops::listChildren(trashed, children)) {
        std::size_t movedBack = 0;
        for (const auto& child : children)
            if (moveBack(paths::join(trashed, child), paths::join(original, child), home))
                ++movedBack;
        // Children that could not go back stay in the Trash, under the folder's info file.
        if (fileops::removeEmptyFolder(trashed) == 0)
            Trash::forgetEntry(trashed);
        return children.empty() || movedBack > 0;
    }

    if (!replaceKeepingOccupant(trashed, original, home))
        return false;
    Trash::forgetEntry(trashed);
    return true;
}

void MacStorageScanner::restoreSingleRecord(const std::string& id)
{
    const auto found = std::find_if(recentPurgeRecords_.begin(), recentPurgeRecords_.end(),
                                    [&](const PurgeHistoryRecord& record) { return record.id == id; });
    if (found == recentPurgeRecords_.end())
        return;
    const PurgeHistoryRecord record = *found;
    if (!restoreTrashedItem(record.trashedURL, record.originalURL, homeURL_))
        return; // the record stays; the user may try again

    forgetCleanedPathsUnder(sessionCleanedPaths_, record.originalURL);
    recordSequence_.erase(record.id);
    if (cleanFeedback_)
        cleanFeedback_->performLevelChangeHaptic();
    auto history = recentPurgeRecords_;
    history.erase(history.begin() + (found - recentPurgeRecords_.begin()));
    setRecentPurgeRecords(std::move(history));
    setSessionTotalFreedBytes(std::max<Int64>(sessionTotalFreedBytes_ - record.sizeBytes, 0));
    setLastPurgeBanner("已将「" + record.name + "」从废纸篓原路还原至 " +
                       paths::lastComponent(paths::parent(record.originalURL)));
    setOverview(queryDiskOverview(homeURL_));
    startInstantScan();
}

void MacStorageScanner::restoreAllRecentPurges()
{
    if (recentPurgeRecords_.empty())
        return;
    int restoredCount = 0;
    Int64 restoredBytes = 0;
    // Undo order: the newest move first, across cleans and within one. Of two records
    // for one path the older is merged in last; an item cleaned before a folder that
    // held it comes back after that folder, into its place.
    auto sequenceOf = [this](const std::string& id) {
        const auto it = recordSequence_.find(id);
        return it == recordSequence_.end() ? std::uint64_t(0) : it->second;
    };
    std::vector<PurgeHistoryRecord> undoOrder = recentPurgeRecords_;
    std::stable_sort(undoOrder.begin(), undoOrder.end(),
                     [&](const auto& a, const auto& b) { return sequenceOf(a.id) > sequenceOf(b.id); });
    for (const auto& record : undoOrder) {
        if (!restoreTrashedItem(record.trashedURL, record.originalURL, homeURL_))
            continue;
        forgetCleanedPathsUnder(sessionCleanedPaths_, record.originalURL);
        ++restoredCount;
        restoredBytes += record.sizeBytes;
    }

    if (cleanFeedback_)
        cleanFeedback_->performLevelChangeHaptic();
    recordSequence_.clear();
    setRecentPurgeRecords({});
    setSessionTotalFreedBytes(std::max<Int64>(sessionTotalFreedBytes_ - restoredBytes, 0));
    setLastPurgeBanner("已为您原路还原 " + std::to_string(restoredCount) + " 项文件（共 " +
                       DiskFormat::bytes(restoredBytes) + "）");
    setOverview(queryDiskOverview(homeURL_));
    startInstantScan();
}
