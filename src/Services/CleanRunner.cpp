// The runner's published state and its thread hand-over.
#include "Services/CleanRunner.h"

#include "Services/CleanTexts.h"

#include "Models/Paths.h"
#include "Platform/Trash.h"
#include "Services/ScanResults.h"
#include "Services/SelectionState.h"

#include <QMetaObject>

#include <algorithm>

CleanRunner::CleanRunner(Places places, ScanResults& results, const SelectionState& selection, QObject* parent)
    : QObject(parent), places_(std::move(places)), results_(results), selection_(selection)
{
    pool_.setMaxThreadCount(1);
}

CleanRunner::~CleanRunner()
{
    // The background task holds `this`; let it finish before the members go away. What it
    // posted to this object is discarded with it.
    pool_.waitForDone();
}

void CleanRunner::publish(std::function<void()> fn)
{
    QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

std::set<std::string> CleanRunner::restorableTrashEntries() const
{
    // This session's records; what the history on disk and the Trash's info files protect
    // is read in the background (protectedTrashEntries).
    const Path trashFolder = Trash::homeFilesFolder(places_.home);
    std::set<std::string> names;
    for (const auto& record : recentCleanRecords_)
        if (paths::parent(record.trashedPath) == trashFolder)
            names.insert(paths::lastComponent(record.trashedPath));
    return names;
}

std::vector<DuplicateFileGroup> CleanRunner::groupsKeptFirst() const
{
    std::vector<DuplicateFileGroup> groups = results_.duplicateGroups();
    for (auto& group : groups) {
        const DuplicateFileMember* kept = selection_.keptOriginal(group);
        if (!kept)
            continue;
        const Path keptPath = kept->url;
        std::stable_partition(group.members.begin(), group.members.end(),
                              [&](const DuplicateFileMember& member) { return member.url == keptPath; });
    }
    return groups;
}

void CleanRunner::setOverview(DiskOverview value) { results_.setOverview(std::move(value)); }

void CleanRunner::dismissCleanBanner()
{
    if (lastCleanBanner_)
        setLastCleanBanner({});
}

namespace {

// Records are published whole: every assignment notifies, and observers re-read.
template <typename T, typename Signal> void assignWhole(CleanRunner* self, T& member, T value, Signal signal)
{
    member = std::move(value);
    Q_EMIT(self->*signal)();
}

// Scalars notify only on a real change, like any Qt property.
template <typename T, typename Signal> void assignScalar(CleanRunner* self, T& member, T value, Signal signal)
{
    if (member == value)
        return;
    member = std::move(value);
    Q_EMIT(self->*signal)();
}

} // namespace

void CleanRunner::setRecentCleanRecords(std::vector<CleanHistoryRecord> value)
{
    assignWhole(this, recentCleanRecords_, std::move(value), &CleanRunner::recentCleanRecordsChanged);
}
void CleanRunner::setLastCleanBanner(std::vector<TextRef> parts, bool offersUndo)
{
    bannerOffersUndo_ = offersUndo;
    std::optional<std::string> text;
    if (!parts.empty())
        text = CleanTexts::engineText(parts);
    // The parts change with the text, before observers hear of it.
    lastCleanBannerParts_ = std::move(parts);
    assignWhole(this, lastCleanBanner_, std::move(text), &CleanRunner::lastCleanBannerChanged);
}
void CleanRunner::setIsCleaning(bool v) { assignScalar(this, isCleaning_, v, &CleanRunner::isCleaningChanged); }
void CleanRunner::setCleanProgress(double v)
{
    assignScalar(this, cleanProgress_, v, &CleanRunner::cleanProgressChanged);
}
void CleanRunner::setCleanCurrentItemName(std::string v, TextRef ref)
{
    cleanCurrentItemNameRef_ = std::move(ref);
    assignScalar(this, cleanCurrentItemName_, std::move(v), &CleanRunner::cleanCurrentItemNameChanged);
}
void CleanRunner::setCleanProcessedCount(int v)
{
    assignScalar(this, cleanProcessedCount_, v, &CleanRunner::cleanProcessedCountChanged);
}
void CleanRunner::setCleanTotalCount(int v)
{
    assignScalar(this, cleanTotalCount_, v, &CleanRunner::cleanTotalCountChanged);
}
void CleanRunner::setCleanFreedSoFarBytes(Int64 v)
{
    assignScalar(this, cleanFreedSoFarBytes_, v, &CleanRunner::cleanFreedSoFarBytesChanged);
}
void CleanRunner::setLastFreedBytes(Int64 v)
{
    assignScalar(this, lastFreedBytes_, v, &CleanRunner::lastFreedBytesChanged);
}
void CleanRunner::setLastSkippedCount(int v)
{
    assignScalar(this, lastSkippedCount_, v, &CleanRunner::lastSkippedCountChanged);
}
void CleanRunner::setSessionTotalFreedBytes(Int64 v)
{
    assignScalar(this, sessionTotalFreedBytes_, v, &CleanRunner::sessionTotalFreedBytesChanged);
}
void CleanRunner::setLastMeasuredFreedBytes(std::optional<Int64> v)
{
    assignScalar(this, lastMeasuredFreedBytes_, v, &CleanRunner::lastMeasuredFreedBytesChanged);
}
void CleanRunner::setSessionMeasuredFreedBytes(Int64 v)
{
    assignScalar(this, sessionMeasuredFreedBytes_, v, &CleanRunner::sessionMeasuredFreedBytesChanged);
}
void CleanRunner::setMoveToTrashByDefault(bool v)
{
    assignScalar(this, moveToTrashByDefault_, v, &CleanRunner::moveToTrashByDefaultChanged);
}
