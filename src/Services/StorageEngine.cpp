#include "Services/StorageEngine.h"

#include "Platform/AccountHome.h"

#include <QMetaObject>

#include <cstdlib>

StorageEngine::StorageEngine(QObject* parent) : StorageEngine(Options{}, parent) {}

// The two roots are resolved once, here: walks never follow links, so a home folder that
// is itself a link (or a relative --home) would otherwise be found empty. Below the
// roots nothing is ever resolved.
static Path resolvedRoot(const Path& path)
{
    if (char* real = realpath(path.c_str(), nullptr)) {
        Path resolved(real);
        std::free(real);
        return resolved;
    }
    return path;
}

StorageEngine::StorageEngine(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)),
      homePath_(resolvedRoot(options_.home.empty() ? accountHomeFolder() : options_.home))
{
    options_.applications = resolvedRoot(options_.applications);
    pool_.setMaxThreadCount(2);
}

StorageEngine::~StorageEngine()
{
    // Background tasks hold `this`; let them finish before the members go away. What
    // they posted to this object is discarded with it.
    pool_.waitForDone();
}

void StorageEngine::publish(std::function<void()> fn)
{
    QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

void StorageEngine::runInBackground(std::function<void()> work) { pool_.start(std::move(work)); }

// Lists and records are published whole: every assignment notifies, and observers re-read.
template <typename T, typename Signal> static void assignWhole(StorageEngine* self, T& member, T value, Signal signal)
{
    member = std::move(value);
    Q_EMIT(self->*signal)();
}

void StorageEngine::setOverview(DiskOverview value)
{
    assignWhole(this, overview_, std::move(value), &StorageEngine::overviewChanged);
}

void StorageEngine::setRuleCards(std::vector<SafeCacheRuleCard> value)
{
    assignWhole(this, ruleCards_, std::move(value), &StorageEngine::ruleCardsChanged);
}

void StorageEngine::setProjectBloats(std::vector<ProjectBloatItem> value)
{
    assignWhole(this, projectBloats_, std::move(value), &StorageEngine::projectBloatsChanged);
}

void StorageEngine::setDuplicateGroups(std::vector<DuplicateFileGroup> value)
{
    assignWhole(this, duplicateGroups_, std::move(value), &StorageEngine::duplicateGroupsChanged);
}

void StorageEngine::setSunburstSlices(std::vector<SunburstSlice> value)
{
    assignWhole(this, sunburstSlices_, std::move(value), &StorageEngine::sunburstSlicesChanged);
}

void StorageEngine::setLargeFiles(std::vector<LargeFileItem> value)
{
    assignWhole(this, largeFiles_, std::move(value), &StorageEngine::largeFilesChanged);
}

void StorageEngine::setInstalledApps(std::vector<InstalledAppItem> value)
{
    assignWhole(this, installedApps_, std::move(value), &StorageEngine::installedAppsChanged);
}

void StorageEngine::setRecentCleanRecords(std::vector<CleanHistoryRecord> value)
{
    assignWhole(this, recentCleanRecords_, std::move(value), &StorageEngine::recentCleanRecordsChanged);
}

void StorageEngine::setLastCleanBanner(std::optional<std::string> value)
{
    assignWhole(this, lastCleanBanner_, std::move(value), &StorageEngine::lastCleanBannerChanged);
}

void StorageEngine::dismissCleanBanner()
{
    if (lastCleanBanner_)
        setLastCleanBanner(std::nullopt);
}

// Scalars notify only on a real change, like any Qt property.
template <typename T, typename Signal> static void assignScalar(StorageEngine* self, T& member, T value, Signal signal)
{
    if (member == value)
        return;
    member = std::move(value);
    Q_EMIT(self->*signal)();
}

void StorageEngine::setIsScanning(bool v) { assignScalar(this, isScanning_, v, &StorageEngine::isScanningChanged); }
void StorageEngine::setScanProgress(double v)
{
    assignScalar(this, scanProgress_, v, &StorageEngine::scanProgressChanged);
}
void StorageEngine::setCurrentScanningPath(std::string v)
{
    assignScalar(this, currentScanningPath_, std::move(v), &StorageEngine::currentScanningPathChanged);
}
void StorageEngine::setScanStatusText(std::string v)
{
    assignScalar(this, scanStatusText_, std::move(v), &StorageEngine::scanStatusTextChanged);
}
void StorageEngine::setIsCleaning(bool v) { assignScalar(this, isCleaning_, v, &StorageEngine::isCleaningChanged); }
void StorageEngine::setCleanProgress(double v)
{
    assignScalar(this, cleanProgress_, v, &StorageEngine::cleanProgressChanged);
}
void StorageEngine::setCleanCurrentItemName(std::string v)
{
    assignScalar(this, cleanCurrentItemName_, std::move(v), &StorageEngine::cleanCurrentItemNameChanged);
}
void StorageEngine::setCleanProcessedCount(int v)
{
    assignScalar(this, cleanProcessedCount_, v, &StorageEngine::cleanProcessedCountChanged);
}
void StorageEngine::setCleanTotalCount(int v)
{
    assignScalar(this, cleanTotalCount_, v, &StorageEngine::cleanTotalCountChanged);
}
void StorageEngine::setCleanFreedSoFarBytes(Int64 v)
{
    assignScalar(this, cleanFreedSoFarBytes_, v, &StorageEngine::cleanFreedSoFarBytesChanged);
}
void StorageEngine::setLastFreedBytes(Int64 v)
{
    assignScalar(this, lastFreedBytes_, v, &StorageEngine::lastFreedBytesChanged);
}
void StorageEngine::setLastSkippedCount(int v)
{
    assignScalar(this, lastSkippedCount_, v, &StorageEngine::lastSkippedCountChanged);
}
void StorageEngine::setSessionTotalFreedBytes(Int64 v)
{
    assignScalar(this, sessionTotalFreedBytes_, v, &StorageEngine::sessionTotalFreedBytesChanged);
}
void StorageEngine::setMoveToTrashByDefault(bool v)
{
    assignScalar(this, moveToTrashByDefault_, v, &StorageEngine::moveToTrashByDefaultChanged);
}
