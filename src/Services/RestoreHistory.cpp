// Putting cleaned items back from the Trash. Whatever stands in the way at the
// original place goes to the Trash itself, and only once the item is back in its
// place; nothing the user has is removed by a restore.
#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/Beneath.h"
#include "Platform/FileIdentity.h"
#include "Platform/FileOperations.h"
#include "Platform/Trash.h"
#include "Platform/TreeTally.h"
#include "Services/CleanRunner.h"
#include "Services/CleanTexts.h"
#include "Services/DiskOverview.h"
#include "Services/ScanResults.h"

#include <QUuid>

#include <algorithm>

namespace {

using fileops::Place;
using ItemRestore = CleanRunner::ItemRestore;

// Moves `from` to `to`, where something already stands: that occupant goes to the
// Trash first (with its own info file) and comes back when the move fails. What went
// aside is added to `restore`.
bool replaceKeepingOccupant(const Place& from, const Place& to, const Path& home, ItemRestore& restore)
{
    const auto occupant = fileops::stat(to);
    if (!occupant)
        return false;
    const auto aside = Trash::trashItem(to, home);
    if (!aside)
        return false;
    if (fileops::moveNoReplace(from, to)) {
        restore.movedAside.push_back({to.path, *aside, stampOf(*occupant)});
        return true;
    }
    if (const auto holding = Trash::openHolding(*aside, home)) {
        const auto& [trash, name] = *holding;
        if (fileops::moveNoReplace(trash.entry(name), to)) {
            trash.forget(name);
            return false;
        }
    }
    // Even that failed: the occupant waits in the Trash, and needs its record.
    restore.movedAside.push_back({to.path, *aside, stampOf(*occupant)});
    return false;
}

// Whether what stands in the Trash is the object a record says went there. Nothing in the
// Trash changes a file, so a file must also keep its size and time: an inode number
// freed by emptying the Trash may be given to the next file made under the same name.
bool isTheTrashedObject(const std::optional<FileStamp>& expected, const struct stat& st)
{
    return !expected || expected->isUnchangedIn(stampOf(st));
}

bool moveBack(const Place& from, const Place& to, const Path& home, ItemRestore& restore)
{
    const auto occupant = fileops::stat(to);
    if (!occupant && occupant.error() == ENOENT)
        return fileops::moveNoReplace(from, to).ok();
    return occupant && replaceKeepingOccupant(from, to, home, restore);
}

// The restored item and whatever was cleaned inside it (found gone because it went with
// its folder) are on disk again; the next scan may list them.
void forgetCleanedPathsUnder(std::set<std::string>& cleaned, const Path& original)
{
    std::erase_if(cleaned, [&](const std::string& path) { return paths::isSameOrInside(path, original); });
}

// The trashed folder's children go into the folder that stands at the original place
// again (an app re-created its cache, or only some children went to the Trash).
// Children that cannot go back stay in the Trash, under the folder's info file, and
// the restore is only partial.
ItemRestore mergeBack(const Trash& trash, const std::string& entryName, const Place& target, const Path& home)
{
    ItemRestore restore;
    const Place entry = trash.entry(entryName);
    const auto trashedFolder = fileops::openFolder(entry);
    const auto originalFolder = fileops::openFolder(target);
    if (!trashedFolder || !originalFolder)
        return restore;
    const auto children = fileops::listChildren(trashedFolder->get(), entry.path);
    if (!children)
        return restore;
    std::size_t movedBack = 0;
    for (const auto& child : *children)
        if (moveBack(fileops::childOf(trashedFolder->get(), entry.path, child),
                     fileops::childOf(originalFolder->get(), target.path, child), home, restore))
            ++movedBack;
    if (fileops::removeEmptyFolder(entry))
        trash.forget(entryName);
    if (movedBack == children->size())
        restore.result = ItemRestore::Result::restored;
    else if (movedBack > 0)
        restore.result = ItemRestore::Result::partlyRestored;
    return restore;
}

std::string newRecordID() { return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString(); }

} // namespace

CleanRunner::ItemRestore CleanRunner::restoreTrashedItem(const Path& trashed, const Path& original, const Path& home,
                                                         const std::vector<Path>& roots,
                                                         const std::optional<FileStamp>& expected)
{
    ItemRestore restore;
    const auto holding = Trash::openHolding(trashed, home);
    if (!holding)
        return restore;
    const auto& [trash, entryName] = *holding;
    const Place entry = trash.entry(entryName);
    const auto trashedStat = fileops::stat(entry);
    // Something else under the record's name (the Trash was emptied and the name used
    // again) is not what was cleaned: it stays where it is.
    if (!trashedStat || !isTheTrashedObject(expected, *trashedStat))
        return restore;
    // The folder it goes back into, from its root: a deleted parent chain is re-created,
    // and a folder on the way that became a link stops the restore.
    const auto parent = beneath::Roots(roots).makeFolders(paths::parent(original), 0755);
    if (!parent)
        return restore;
    const Place target = fileops::childOf(parent->get(), paths::parent(original), paths::lastComponent(original));

    const auto occupant = fileops::stat(target);
    if (!occupant && occupant.error() == ENOENT) {
        if (fileops::moveNoReplace(entry, target)) {
            trash.forget(entryName);
            restore.result = ItemRestore::Result::restored;
        }
        return restore;
    }
    if (!occupant)
        return restore;
    if (S_ISDIR(occupant->st_mode) && S_ISDIR(trashedStat->st_mode))
        return mergeBack(trash, entryName, target, home);
    if (replaceKeepingOccupant(entry, target, home, restore)) {
        trash.forget(entryName);
        restore.result = ItemRestore::Result::restored;
    }
    return restore;
}

std::vector<CleanHistoryRecord> CleanRunner::recordMovedAside(const ItemRestore& restore,
                                                              const CleanHistoryRecord& madeWayFor) const
{
    std::vector<CleanHistoryRecord> records;
    if (restore.movedAside.empty())
        return records;
    const std::string cleanID = newRecordID();
    for (const auto& aside : restore.movedAside) {
        Int64 bytes = 0;
        if (const auto holding = Trash::openHolding(aside.trashedAt, places_.home))
            bytes = tallyTree(holding->first.entry(holding->second)).bytes;
        records.push_back({newRecordID(), paths::lastComponent(aside.original), aside.original, aside.trashedAt, bytes,
                           std::chrono::system_clock::now(), madeWayFor.categoryLabel, cleanID, aside.entry});
    }
    (void)CleanHistoryLog::forHome(places_.home).appendRecords(records);
    return records;
}

Result<CleanLock> CleanRunner::lockForRestore()
{
    // This engine's own clean holds the lock in its background task: no need to wait for it.
    auto lock = isCleaning_ ? Result<CleanLock>(Failure{EWOULDBLOCK}) : takeCleanLock();
    // A lock that cannot be taken stops the restore too, like any failed restore: silently.
    if (!lock && lock.error() == EWOULDBLOCK)
        setLastCleanBanner(CleanTexts::anotherCleanRunning());
    return lock;
}

void CleanRunner::restoreSingleRecord(const std::string& id)
{
    const auto found = std::find_if(recentCleanRecords_.begin(), recentCleanRecords_.end(),
                                    [&](const CleanHistoryRecord& record) { return record.id == id; });
    if (found == recentCleanRecords_.end())
        return;
    const CleanHistoryRecord record = *found;
    const auto lock = lockForRestore();
    if (!lock)
        return;
    const ItemRestore restore =
        restoreTrashedItem(record.trashedPath, record.originalPath, places_.home, cleanRoots(), record.trashedEntry);
    const std::vector<CleanHistoryRecord> aside = recordMovedAside(restore, record);
    auto history = recentCleanRecords_;
    // What went aside is the newest move: first in the list, restorable like any record.
    history.insert(history.begin(), aside.begin(), aside.end());
    for (const auto& made : aside)
        recordSequence_[made.id] = ++nextRecordSequence_;
    if (restore.result != ItemRestore::Result::restored) {
        // Not back, or not all of it: the record stays, for what still waits in the Trash.
        if (!aside.empty())
            setRecentCleanRecords(std::move(history));
        if (restore.isBack()) {
            forgetCleanedPathsUnder(sessionCleanedPaths_, record.originalPath);
            setOverview(queryDiskOverview(places_.home));
            Q_EMIT restored();
        }
        return;
    }
    logRestored({record.id});

    forgetCleanedPathsUnder(sessionCleanedPaths_, record.originalPath);
    recordSequence_.erase(record.id);
    if (cleanFeedback_)
        cleanFeedback_->performLevelChangeHaptic();
    std::erase_if(history, [&](const CleanHistoryRecord& kept) { return kept.id == record.id; });
    setRecentCleanRecords(std::move(history));
    setSessionTotalFreedBytes(std::max<Int64>(sessionTotalFreedBytes_ - record.sizeBytes, 0));
    // Only what went to the Trash comes back, and that counts in the measured total as estimated.
    setSessionMeasuredFreedBytes(std::max<Int64>(sessionMeasuredFreedBytes_ - record.sizeBytes, 0));
    setLastCleanBanner(
        CleanTexts::restoredOne(record.name, record.nameRef, paths::lastComponent(paths::parent(record.originalPath))));
    setOverview(queryDiskOverview(places_.home));
    Q_EMIT restored();
}

void CleanRunner::restoreAllRecentCleans()
{
    if (recentCleanRecords_.empty())
        return;
    const auto lock = lockForRestore();
    if (!lock)
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
    std::vector<CleanHistoryRecord> undoOrder = recentCleanRecords_;
    std::stable_sort(undoOrder.begin(), undoOrder.end(),
                     [&](const auto& a, const auto& b) { return sequenceOf(a.id) > sequenceOf(b.id); });
    std::vector<std::string> restoredIDs;
    // Records that still have something in the Trash a restore can bring back: what went
    // aside, and folders only partly restored.
    std::vector<CleanHistoryRecord> stillRestorable;
    for (const auto& record : undoOrder) {
        const ItemRestore restore = restoreTrashedItem(record.trashedPath, record.originalPath, places_.home,
                                                       cleanRoots(), record.trashedEntry);
        const auto aside = recordMovedAside(restore, record);
        stillRestorable.insert(stillRestorable.begin(), aside.begin(), aside.end());
        if (restore.result == ItemRestore::Result::partlyRestored)
            stillRestorable.push_back(record);
        if (!restore.isBack())
            continue;
        forgetCleanedPathsUnder(sessionCleanedPaths_, record.originalPath);
        if (restore.result != ItemRestore::Result::restored)
            continue;
        restoredIDs.push_back(record.id);
        ++restoredCount;
        restoredBytes += record.sizeBytes;
    }
    logRestored(restoredIDs);

    if (cleanFeedback_)
        cleanFeedback_->performLevelChangeHaptic();
    recordSequence_.clear();
    for (auto it = stillRestorable.rbegin(); it != stillRestorable.rend(); ++it)
        recordSequence_[it->id] = ++nextRecordSequence_;
    setRecentCleanRecords(std::move(stillRestorable));
    setSessionTotalFreedBytes(std::max<Int64>(sessionTotalFreedBytes_ - restoredBytes, 0));
    setSessionMeasuredFreedBytes(std::max<Int64>(sessionMeasuredFreedBytes_ - restoredBytes, 0));
    setLastCleanBanner(CleanTexts::restoredAll(int(restoredCount), restoredBytes));
    setOverview(queryDiskOverview(places_.home));
    Q_EMIT restored();
}

void CleanRunner::logRestored(const std::vector<std::string>& ids) const
{
    // Best effort: the item is back whatever the file says; a record left unmarked only
    // shows as gone later, since its Trash entry is gone.
    (void)CleanHistoryLog::forHome(places_.home).appendRestored(ids);
}

Result<std::vector<LoggedClean>> CleanRunner::persistedCleanHistory() const
{
    return CleanHistoryLog::forHome(places_.home).read();
}

bool CleanRunner::isStillInTrash(const CleanHistoryRecord& record) const
{
    const auto holding = Trash::openHolding(record.trashedPath, places_.home);
    if (!holding)
        return false;
    const auto st = fileops::stat(holding->first.entry(holding->second));
    return st && isTheTrashedObject(record.trashedEntry, *st);
}

Result<std::vector<HistoryRestoreOutcome>> CleanRunner::restoreFromHistory(const std::vector<std::string>& ids)
{
    const auto lock = takeCleanLock();
    if (!lock)
        return lock.status();
    // Read under the lock: no clean or restore changes it meanwhile.
    const auto history = persistedCleanHistory();
    if (!history)
        return history.status();
    std::vector<HistoryRestoreOutcome> outcomes;
    std::vector<std::string> restoredIDs;
    for (const auto& id : ids) {
        HistoryRestoreOutcome outcome{id, std::nullopt, HistoryRestoreResult::unknown, {}};
        const auto found = std::find_if(history->begin(), history->end(),
                                        [&](const LoggedClean& logged) { return logged.record.id == id; });
        const bool restoredNow = std::find(restoredIDs.begin(), restoredIDs.end(), id) != restoredIDs.end();
        if (found != history->end()) {
            const CleanHistoryRecord& record = found->record;
            outcome.record = record;
            if (found->restored || restoredNow) {
                outcome.result = HistoryRestoreResult::alreadyRestored;
            } else if (!isStillInTrash(record)) {
                outcome.result = HistoryRestoreResult::gone;
            } else {
                const ItemRestore restore = restoreTrashedItem(record.trashedPath, record.originalPath, places_.home,
                                                               cleanRoots(), record.trashedEntry);
                outcome.movedAside = recordMovedAside(restore, record);
                outcome.result = restore.result == ItemRestore::Result::restored ? HistoryRestoreResult::restored
                                 : restore.result == ItemRestore::Result::partlyRestored
                                     ? HistoryRestoreResult::partlyRestored
                                     : HistoryRestoreResult::failed;
            }
        }
        if (outcome.result == HistoryRestoreResult::restored)
            restoredIDs.push_back(id);
        outcomes.push_back(std::move(outcome));
    }
    logRestored(restoredIDs);
    return outcomes;
}
