// The one clean routine: every clean moves its items to the Trash (or deletes them)
// here, one after another in the background, and reports on the GUI thread.
#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/FileOperations.h"
#include "Platform/Trash.h"
#include "Services/DiskOverview.h"
#include "Services/MacStorageScanner.h"

#include <QUuid>

#include <cerrno>
#include <thread>

namespace {

struct Outcome {
    bool cleaned = false;
    Int64 freedBytes = 0;
    std::optional<URL> trashedAt; // known only for what went to a Trash
};

Int64 nonNegative(Int64 bytes) { return bytes < 0 ? 0 : bytes; }

// The share of a measured size that `part` of `whole` children stand for.
Int64 prorated(Int64 sizeBytes, std::size_t part, std::size_t whole)
{
    return Int64(static_cast<__int128>(nonNegative(sizeBytes)) * part / whole);
}

// Only a path that is really gone counts as gone; an unreadable one may still hold data.
bool isMissing(const URL& path)
{
    if (fileops::statNoFollow(path))
        return false;
    return errno == ENOENT || errno == ENOTDIR;
}

bool startsWith(const URL& path, std::string_view prefix) { return path.compare(0, prefix.size(), prefix) == 0; }

// The home, a folder holding it, or a folder holding the Trash is never an item to
// clean: the home would be deleted or scattered into the Trash, the Trash's own
// bookkeeping moved into itself. The Trash folder itself may be emptied.
bool isOffLimits(const URL& path, const URL& home, const URL& trashFolder)
{
    const URL item = paths::standardized(path);
    const URL trash = paths::standardized(trashFolder);
    return paths::isSameOrInside(paths::standardized(home), item) ||
           (item != trash && paths::isSameOrInside(trash, item));
}

// Our own move first, then the system's Trash call, then child by child. Nothing here
// replaces anything, and a link is moved as the link.
Outcome moveIntoTrash(const CleanItem& item, const Trash& trash, const URL& home, const std::string& trashName)
{
    if (auto at = trash.moveIn(item.url, trashName))
        return {true, nonNegative(item.sizeBytes), at};
    if (auto at = Trash::trashItem(item.url, home))
        return {true, nonNegative(item.sizeBytes), at};

    // A folder that cannot move as a whole (something inside is held) may still give
    // up its children, each into a folder of its own in the Trash.
    std::vector<std::string> children;
    if (!fileops::listChildren(item.url, children) || children.empty())
        return {};
    const auto folder = trash.makeFolderFor(item.url, trashName);
    if (!folder)
        return {};
    std::size_t moved = 0;
    for (const auto& child : children)
        if (fileops::moveNoReplace(paths::join(item.url, child), paths::join(*folder, child)) == 0)
            ++moved;
    if (moved == 0) {
        if (fileops::removeEmptyFolder(*folder) == 0)
            Trash::forgetEntry(*folder);
        return {};
    }
    return {true, prorated(item.sizeBytes, moved, children.size()), *folder};
}

// Deletion for good: delete mode, and what lies in the Trash or in temporary folders.
// The Trash folder itself is emptied rather than removed, so the desktop keeps its Trash,
// and what this clean has just moved there stays restorable.
Outcome removeForGood(const CleanItem& item, const URL& trashFolder, const std::set<std::string>& enteredThisClean)
{
    const bool isTrashFolder = paths::standardized(item.url) == paths::standardized(trashFolder);
    std::vector<std::string> children;
    const bool listed = fileops::listChildren(item.url, children);
    if (isTrashFolder)
        std::erase_if(children, [&](const std::string& name) { return enteredThisClean.count(name) > 0; });
    if (!isTrashFolder && fileops::removeItem(item.url) == 0) {
        Trash::forgetEntry(item.url);
        return {true, nonNegative(item.sizeBytes), std::nullopt};
    }
    if (!listed)
        return {};
    if (children.empty())
        return {isTrashFolder, isTrashFolder ? nonNegative(item.sizeBytes) : 0, std::nullopt};

    // The failed removal above may already have taken some children; they count.
    std::size_t removed = 0;
    for (const auto& child : children) {
        const URL path = paths::join(item.url, child);
        if (isMissing(path) || fileops::removeItem(path) == 0) {
            Trash::forgetEntry(path);
            ++removed;
        }
    }
    if (removed == 0)
        return {};
    return {true, prorated(item.sizeBytes, removed, children.size()), std::nullopt};
}

std::string purgeBanner(int cleaned, Int64 freedBytes, int skipped, const std::string& label)
{
    std::string banner = "清理完成 · 已安全清理 " + std::to_string(cleaned) + " 项" + label + "，为您腾出 " +
                         DiskFormat::bytes(freedBytes) + " 空间";
    if (skipped > 0)
        banner += "；" + std::to_string(skipped) + " 项被系统占用或无权限，已保留未动";
    return banner;
}

} // namespace

std::chrono::nanoseconds MacStorageScanner::purgePause(std::size_t itemCount)
{
    // Small cleans show each item; mid-sized ones take about 0.42 s in all.
    if (itemCount <= 9)
        return std::chrono::nanoseconds(45'000'000);
    if (itemCount <= 35)
        return std::chrono::nanoseconds(420'000'000 / Int64(itemCount));
    return std::chrono::nanoseconds(12'000'000);
}

bool MacStorageScanner::deletesEvenInTrashMode(const URL& path, const URL& home)
{
    return paths::isSameOrInside(path, Trash::homeTrash(home).filesFolder()) || startsWith(path, "/private/var/") ||
           startsWith(path, "/tmp/");
}

void MacStorageScanner::executeAnimatedPurge(std::vector<CleanItem> items, const std::string& label,
                                             CleanedPathsHandler onItemCleaned)
{
    if (items.empty() || isPurgingAnimation_)
        return;
    // Read once: flipping the switch during a clean does not change how it ends.
    const bool toTrash = moveToTrashByDefault_;
    const URL home = homeURL_;
    const std::size_t count = items.size();

    setIsPurgingAnimation(true);
    setPurgeTotalCount(int(count));
    setPurgeProcessedCount(0);
    setPurgeProgress(0.08);
    setPurgeFreedSoFarBytes(0);
    setPurgeCurrentItemName(items.front().name);

    const auto pause = options_.pacePurges ? purgePause(count) : std::chrono::nanoseconds(0);

    runInBackground(
        [this, items = std::move(items), label, onItemCleaned = std::move(onItemCleaned), toTrash, home, pause] {
            const Trash trash = Trash::homeTrash(home);
            const URL trashFolder = trash.filesFolder();
            trash.prepare(); // when this fails, the moves fail and the system call is tried

            std::set<std::string> cleanedPaths;
            std::set<std::string> enteredThisClean; // names this clean gave entries of the Trash folder
            std::vector<PurgeHistoryRecord> records;
            int cleanedCount = 0;
            int skippedCount = 0;
            Int64 freedTotal = 0;

            for (std::size_t i = 0; i < items.size(); ++i) {
                const CleanItem& item = items[i];
                Outcome outcome;
                if (isMissing(item.url)) {
                    outcome.cleaned = true; // already gone: nothing freed, nothing to restore
                } else if (isOffLimits(item.url, home, trashFolder)) {
                    // skipped: left exactly where it is
                } else if (toTrash && !deletesEvenInTrashMode(item.url, home)) {
                    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                        std::chrono::system_clock::now().time_since_epoch());
                    const std::string trashName = "QM-" + std::to_string(seconds.count()) + "-" + std::to_string(i) +
                                                  "-" + paths::lastComponent(item.url);
                    outcome = moveIntoTrash(item, trash, home, trashName);
                } else {
                    outcome = removeForGood(item, trashFolder, enteredThisClean);
                }

                if (outcome.cleaned) {
                    cleanedPaths.insert(item.url);
                    ++cleanedCount;
                    freedTotal += outcome.freedBytes;
                    if (outcome.trashedAt && paths::parent(*outcome.trashedAt) == trashFolder)
                        enteredThisClean.insert(paths::lastComponent(*outcome.trashedAt));
                    if (outcome.trashedAt)
                        records.push_back({QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString(), item.name,
                                           item.url, *outcome.trashedAt, outcome.freedBytes,
                                           std::chrono::system_clock::now(), label});
                } else {
                    ++skippedCount;
                }

                publish([this, name = item.name, done = int(i + 1), fraction = double(i + 1) / double(items.size()),
                         freedTotal] {
                    setPurgeCurrentItemName(name);
                    setPurgeProcessedCount(done);
                    setPurgeProgress(fraction);
                    setPurgeFreedSoFarBytes(freedTotal);
                });
                if (pause.count() > 0)
                    std::this_thread::sleep_for(pause);
            }

            DiskOverview overview = queryDiskOverview(home);
            publish([this, cleanedPaths = std::move(cleanedPaths), records = std::move(records), cleanedCount,
                     skippedCount, freedTotal, overview, label, onItemCleaned] {
                if (cleanFeedback_) {
                    cleanFeedback_->playSound(cleanedCount > 0 ? "Glass" : "Funk");
                    cleanFeedback_->performLevelChangeHaptic();
                }
                sessionCleanedPaths_.insert(cleanedPaths.begin(), cleanedPaths.end());
                if (onItemCleaned)
                    onItemCleaned(cleanedPaths);
                setIsPurgingAnimation(false);
                setOverview(overview);
                setLastFreedBytes(freedTotal);
                setLastSkippedCount(skippedCount);
                setSessionTotalFreedBytes(sessionTotalFreedBytes_ + freedTotal);
                for (const auto& record : records)
                    recordSequence_[record.id] = ++nextRecordSequence_;
                std::vector<PurgeHistoryRecord> history = records; // this clean first, in processing order
                history.insert(history.end(), recentPurgeRecords_.begin(), recentPurgeRecords_.end());
                setRecentPurgeRecords(std::move(history));
                setLastPurgeBanner(purgeBanner(cleanedCount, freedTotal, skippedCount, label));
            });
        });
}
