// The one clean routine: every clean moves its items to the Trash (or deletes them)
// here, one after another in the background, and reports on the GUI thread. The list is
// planned first (CleanPlan), each item is decided (CleanDecision) and worked on
// (CleanActions) through its opened parent folder, under the per-user clean lock.
#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/AccountHome.h"
#include "Platform/BackgroundPriority.h"
#include "Platform/CleanLock.h"
#include "Platform/SharedExtents.h"
#include "Platform/TemporaryFolder.h"
#include "Platform/Trash.h"
#include "Platform/VolumeSpace.h"
#include "Services/CleanActions.h"
#include "Services/CleanHistoryLog.h"
#include "Services/CleanPlan.h"
#include "Services/CleanRunner.h"
#include "Services/CleanTally.h"
#include "Services/CleanTexts.h"
#include "Services/DiskOverview.h"
#include "Services/ScanResults.h"
#include "Services/TrashProtection.h"

#include <QUuid>

#include <thread>

namespace {

// A measured clean freed noticeably less than estimated: something else still holds those
// extents. Block rounding and other programs' writes stay below the threshold.
bool freedLessThanEstimated(Int64 measured, Int64 estimated)
{
    return estimated - measured > (1 << 20) && measured < estimated / 10 * 9;
}

// A clean that did nothing: every item stays where it is.
std::vector<TextRef> nothingCleanedBanner(std::size_t itemCount, const std::string& label)
{
    return CleanTexts::cleanBanner({.skipped = int(itemCount), .label = label});
}

// Cleaned items that neither went to the Trash nor were gone already.
int deletedForGood(const CleanTally& tally)
{
    int deleted = 0;
    for (const auto& report : tally.reports)
        // A merged copy is still there, both paths intact: nothing of it was deleted.
        if (report.result == CleanItemResult::cleaned && !report.trashedAt && !report.wasAlreadyGone &&
            !report.mergedInPlace)
            ++deleted;
    return deleted;
}

std::string newID() { return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString(); }

} // namespace

Int64 CleanTally::estimatedFreedAtOnce() const
{
    Int64 total = 0;
    for (const auto& report : reports)
        if (!report.trashedAt && report.result != CleanItemResult::skipped)
            total += report.freedBytes;
    return total;
}

void CleanTally::add(CleanItemReport report, const std::string& label)
{
    freedTotal += report.freedBytes;
    if (report.result == CleanItemResult::cleaned) {
        cleanedPaths.insert(report.url);
        ++cleanedCount;
    } else {
        ++skippedCount;
    }
    if (report.trashedAt)
        records.push_back({newID(), report.name, report.url, *report.trashedAt, report.freedBytes,
                           std::chrono::system_clock::now(), label, cleanID, report.trashedEntry, report.nameRef});
    reports.push_back(std::move(report));
}

std::chrono::nanoseconds CleanRunner::cleanPause(std::size_t itemCount)
{
    // Small cleans show each item; mid-sized ones take about 0.42 s in all.
    if (itemCount <= 9)
        return std::chrono::nanoseconds(45'000'000);
    if (itemCount <= 35)
        return std::chrono::nanoseconds(420'000'000 / Int64(itemCount));
    return std::chrono::nanoseconds(12'000'000);
}

bool CleanRunner::deletesEvenInTrashMode(const Path& path, const Path& home)
{
    return ::deletesEvenInTrashMode(path, Trash::homeFilesFolder(home));
}

std::vector<Path> CleanRunner::cleanRoots() const
{
    std::vector<Path> roots = {places_.home, places_.applications};
    if (const auto temporaryParent = tempfolder::perUserTemporaryParent())
        roots.push_back(*temporaryParent);
    return roots;
}

Result<CleanLock> CleanRunner::takeCleanLock() const
{
    return CleanLock::acquire(CleanLock::defaultFolder(accountHomeFolder()), CleanLock::kPatience);
}

std::string CleanRunner::cleanLockPath()
{
    return paths::join(CleanLock::defaultFolder(accountHomeFolder()).path(), CleanLock::kFileName);
}

std::string CleanRunner::cleanHistoryPath() const { return CleanHistoryLog::forHome(places_.home).path(); }

std::vector<Path> CleanRunner::ownStatePaths() const
{
    return {userStateFolder(places_.home).path(), stateFolderInside(places_.home).path(), cleanLockPath()};
}

void CleanRunner::startClean(std::vector<CleanItem> items, const std::string& label, CleanedPathsHandler onItemCleaned)
{
    if (items.empty() || isCleaning_)
        return;
    // Everything the clean needs is taken now, on this thread: the mode (flipping the
    // switch during a clean does not change how it ends), the plan against the duplicate
    // groups, and the Trash entries the history points at.
    CleanWorkspace::Setup setup{
        places_.home, cleanRoots(), moveToTrashByDefault_, restorableTrashEntries(), true, ownStatePaths(), {}};
    std::vector<PlannedItem> plan = planClean(std::move(items), groupsKeptFirst());
    const auto pause = places_.paceCleans ? cleanPause(plan.size()) : std::chrono::nanoseconds(0);

    publishCleanStart(plan.size(), plan.front().item);
    pool_.start([this, plan = std::move(plan), setup = std::move(setup), label,
                 onItemCleaned = std::move(onItemCleaned), pause, overviewAtStart = results_.overview()] {
        BackgroundPriority::applyToThisThread(); // like a scan's, it gives way to the window
        CleanTally tally;
        tally.cleanID = newID();
        // Every item stays where it is, each reported with `reason`.
        const auto leaveAll = [&](CleanSkipReason reason, int error, std::vector<TextRef> banner) {
            for (const auto& planned : plan) {
                CleanItemReport report;
                report.url = planned.item.url;
                report.name = planned.item.name;
                report.nameRef = planned.item.nameRef;
                report.reason = reason;
                report.error = error;
                tally.add(std::move(report), label);
            }
            publishCleanEnd(std::move(tally), std::move(banner), overviewAtStart, onItemCleaned);
        };
        const auto lock = takeCleanLock();
        if (!lock) {
            // Another clean or restore holds the lock, or it cannot be taken: nothing at all.
            if (lock.error() == EWOULDBLOCK)
                return leaveAll(CleanSkipReason::anotherCleanRunning, 0, CleanTexts::anotherCleanRunning());
            return leaveAll(CleanSkipReason::lockUnavailable, lock.error(), nothingCleanedBanner(plan.size(), label));
        }
        // Under the lock the history is complete: what other processes put in the Trash
        // since this engine last looked is kept too.
        const CleanHistoryLog history = CleanHistoryLog::forHome(setup.home);
        CleanWorkspace::Setup working = setup;
        if (auto onDisk = protectedTrashEntries(setup.home))
            working.protectedTrashEntries.merge(*onDisk);
        else
            working.trashProtectionKnown = false;
        // What goes to the Trash must be restorable: a history that cannot take a line
        // stops the clean before its first item.
        std::optional<AppendOnlyFile> historyFile;
        if (setup.toTrash) {
            auto file = history.openForAppending();
            Status started =
                file ? file->append(CleanHistoryLog::cleanStartedLine(tally.cleanID, std::chrono::system_clock::now()) +
                                    "\n")
                     : file.status();
            if (started)
                started = file->sync();
            if (!started) {
                tally.historyError = started.error();
                return leaveAll(CleanSkipReason::historyUnwritable, started.error(),
                                nothingCleanedBanner(plan.size(), label));
            }
            historyFile.emplace(*std::move(file));
        }
        // Deleting frees space at once; the Trash keeps it on the volume. Where files can
        // share extents the estimate may be wrong, so the volume is asked; elsewhere the
        // estimate is what it frees.
        const Path trashFolder = Trash::homeFilesFolder(setup.home);
        const bool freesAtOnce =
            extents::mayShareAt(setup.home) &&
            (!setup.toTrash || std::any_of(plan.begin(), plan.end(), [&](const PlannedItem& p) {
                return p.item.mergeIntoOriginal || ::deletesEvenInTrashMode(p.item.url, trashFolder);
            }));
        const auto availableBefore = freesAtOnce ? settledAvailableBytes(setup.home).asOptional() : std::nullopt;
        // A package removal reports its own progress: the overlay moves within its item.
        working.stepProgress = [this, &plan, &tally](std::size_t index, int percent) {
            publishCleanProgress(plan[index].item, index, plan.size(), tally.freedTotal,
                                 double(index) + percent / 100.0);
        };
        CleanWorkspace workspace(std::move(working));
        for (std::size_t i = 0; i < plan.size(); ++i) {
            const std::size_t recordsBefore = tally.records.size();
            if (tally.historyError) {
                // The history stopped taking records: what is left stays where it is.
                CleanItemReport report;
                report.url = plan[i].item.url;
                report.name = plan[i].item.name;
                report.nameRef = plan[i].item.nameRef;
                report.reason = CleanSkipReason::historyUnwritable;
                report.error = tally.historyError;
                tally.add(std::move(report), label);
            } else {
                tally.add(workspace.clean(plan[i], i), label);
            }
            // Each record is written as soon as its item is in the Trash, so even a clean
            // that is killed halfway leaves a history of what it moved.
            if (historyFile && tally.records.size() > recordsBefore)
                if (const Status appended = CleanHistoryLog::append(*historyFile, {tally.records.back()}); !appended)
                    tally.historyError = appended.error();
            publishCleanProgress(plan[i].item, i + 1, plan.size(), tally.freedTotal);
            if (pause.count() > 0)
                std::this_thread::sleep_for(pause);
        }
        if (historyFile && !tally.records.empty() && !tally.historyError)
            if (const Status synced = historyFile->sync(); !synced)
                tally.historyError = synced.error();
        // Merged copies went nowhere: the history says so, with nothing to restore.
        std::vector<std::string> mergedLines;
        for (std::size_t i = 0; i < tally.reports.size() && i < plan.size(); ++i)
            if (tally.reports[i].mergedInPlace && plan[i].item.keptOriginal)
                mergedLines.push_back(
                    CleanHistoryLog::mergedLine(tally.cleanID, tally.reports[i].url, plan[i].item.keptOriginal->url,
                                                tally.reports[i].freedBytes, std::chrono::system_clock::now()));
        if (!mergedLines.empty())
            if (const Status logged = history.appendLinesOf(mergedLines); !logged && !tally.historyError)
                tally.historyError = logged.error();
        if (availableBefore)
            if (const auto after = settledAvailableBytes(setup.home))
                tally.measuredFreed = std::max<Int64>(0, *after - *availableBefore);
        const Int64 estimated = tally.estimatedFreedAtOnce();
        auto banner = CleanTexts::cleanBanner(
            {.cleaned = tally.cleanedCount,
             .freedBytes = tally.freedTotal,
             .skipped = tally.skippedCount,
             .label = label,
             .deleted = deletedForGood(tally),
             .trashed = tally.records.size(),
             .measuredBytes = tally.measuredFreed,
             .estimatedBytes = estimated,
             .freedLessThanEstimated = tally.measuredFreed && freedLessThanEstimated(*tally.measuredFreed, estimated)});
        publishCleanEnd(std::move(tally), std::move(banner), queryDiskOverview(setup.home), onItemCleaned);
    });
}

void CleanRunner::publishCleanStart(std::size_t itemCount, const CleanItem& first)
{
    setIsCleaning(true);
    setCleanTotalCount(int(itemCount));
    setCleanProcessedCount(0);
    setCleanProgress(0.08);
    setCleanFreedSoFarBytes(0);
    setCleanCurrentItemName(first.name, first.nameRef);
}

void CleanRunner::publishCleanProgress(const CleanItem& current, std::size_t done, std::size_t total, Int64 freedSoFar,
                                       std::optional<double> itemsDone)
{
    publish([this, name = current.name, nameRef = current.nameRef, done = int(done),
             fraction = itemsDone.value_or(double(done)) / double(total), freedSoFar] {
        setCleanCurrentItemName(name, nameRef);
        setCleanProcessedCount(done);
        setCleanProgress(fraction);
        setCleanFreedSoFarBytes(freedSoFar);
    });
}

void CleanRunner::publishCleanEnd(CleanTally tally, std::vector<TextRef> banner, DiskOverview overview,
                                  CleanedPathsHandler onItemCleaned)
{
    publish([this, tally = std::move(tally), banner = std::move(banner), overview, onItemCleaned] {
        lastCleanReport_ = tally.reports;
        lastHistoryError_ = tally.historyError;
        if (cleanFeedback_) {
            cleanFeedback_->playSound(tally.cleanedCount > 0 ? "Glass" : "Funk");
            cleanFeedback_->performLevelChangeHaptic();
        }
        sessionCleanedPaths_.insert(tally.cleanedPaths.begin(), tally.cleanedPaths.end());
        if (onItemCleaned)
            onItemCleaned(tally.cleanedPaths);
        setIsCleaning(false);
        setOverview(overview);
        setLastFreedBytes(tally.freedTotal);
        setLastSkippedCount(tally.skippedCount);
        setSessionTotalFreedBytes(sessionTotalFreedBytes_ + tally.freedTotal);
        // The measured part replaces its estimate; what went to the Trash counts as estimated.
        setLastMeasuredFreedBytes(tally.measuredFreed);
        setSessionMeasuredFreedBytes(sessionMeasuredFreedBytes_ + tally.freedTotal +
                                     (tally.measuredFreed ? *tally.measuredFreed - tally.estimatedFreedAtOnce() : 0));
        for (const auto& record : tally.records)
            recordSequence_[record.id] = ++nextRecordSequence_;
        std::vector<CleanHistoryRecord> history = tally.records; // this clean first, in processing order
        history.insert(history.end(), recentCleanRecords_.begin(), recentCleanRecords_.end());
        setRecentCleanRecords(std::move(history));
        setLastCleanBanner(banner, !tally.records.empty());
    });
}
