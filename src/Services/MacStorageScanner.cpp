#include "Services/MacStorageScanner.h"

#include "Platform/AccountHome.h"

#include <QMetaObject>

#include <cstdlib>

MacStorageScanner::MacStorageScanner(QObject* parent) : MacStorageScanner(Options{}, parent) {}

// The two roots are resolved once, here: walks never follow links, so a home folder that
// is itself a link (or a relative --home) would otherwise be found empty. Below the
// roots nothing is ever resolved.
static URL resolvedRoot(const URL& path)
{
    if (char* real = realpath(path.c_str(), nullptr)) {
        URL resolved(real);
        std::free(real);
        return resolved;
    }
    return path;
}

MacStorageScanner::MacStorageScanner(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)),
      homeURL_(resolvedRoot(options_.home.empty() ? accountHomeFolder() : options_.home))
{
    options_.applications = resolvedRoot(options_.applications);
    pool_.setMaxThreadCount(2);
}

MacStorageScanner::~MacStorageScanner()
{
    // Background tasks hold `this`; let them finish before the members go away. What
    // they posted to this object is discarded with it.
    pool_.waitForDone();
}

void MacStorageScanner::publish(std::function<void()> fn)
{
    QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

void MacStorageScanner::runInBackground(std::function<void()> work) { pool_.start(std::move(work)); }

// Lists and records are published whole: every assignment notifies, and observers re-read.
template <typename T, typename Signal>
static void assignWhole(MacStorageScanner* self, T& member, T value, Signal signal)
{
    member = std::move(value);
    Q_EMIT(self->*signal)();
}

void MacStorageScanner::setOverview(DiskOverview value)
{
    assignWhole(this, overview_, std::move(value), &MacStorageScanner::overviewChanged);
}

void MacStorageScanner::setRuleCards(std::vector<SafeCacheRuleCard> value)
{
    assignWhole(this, ruleCards_, std::move(value), &MacStorageScanner::ruleCardsChanged);
}

void MacStorageScanner::setProjectBloats(std::vector<ProjectBloatItem> value)
{
    assignWhole(this, projectBloats_, std::move(value), &MacStorageScanner::projectBloatsChanged);
}

void MacStorageScanner::setDuplicateGroups(std::vector<DuplicateFileGroup> value)
{
    assignWhole(this, duplicateGroups_, std::move(value), &MacStorageScanner::duplicateGroupsChanged);
}

void MacStorageScanner::setSunburstSlices(std::vector<SunburstSlice> value)
{
    assignWhole(this, sunburstSlices_, std::move(value), &MacStorageScanner::sunburstSlicesChanged);
}

void MacStorageScanner::setLargeFiles(std::vector<LargeFileItem> value)
{
    assignWhole(this, largeFiles_, std::move(value), &MacStorageScanner::largeFilesChanged);
}

void MacStorageScanner::setInstalledApps(std::vector<InstalledAppItem> value)
{
    assignWhole(this, installedApps_, std::move(value), &MacStorageScanner::installedAppsChanged);
}

void MacStorageScanner::setRecentPurgeRecords(std::vector<PurgeHistoryRecord> value)
{
    assignWhole(this, recentPurgeRecords_, std::move(value), &MacStorageScanner::recentPurgeRecordsChanged);
}

void MacStorageScanner::setLastPurgeBanner(std::optional<std::string> value)
{
    assignWhole(this, lastPurgeBanner_, std::move(value), &MacStorageScanner::lastPurgeBannerChanged);
}

void MacStorageScanner::dismissPurgeBanner()
{
    if (lastPurgeBanner_)
        setLastPurgeBanner(std::nullopt);
}

// Scalars notify only on a real change, like any Qt property.
template <typename T, typename Signal>
static void assignScalar(MacStorageScanner* self, T& member, T value, Signal signal)
{
    if (member == value)
        return;
    member = std::move(value);
    Q_EMIT(self->*signal)();
}

void MacStorageScanner::setIsScanning(bool v)
{
    assignScalar(this, isScanning_, v, &MacStorageScanner::isScanningChanged);
}
void MacStorageScanner::setScanProgress(double v)
{
    assignScalar(this, scanProgress_, v, &MacStorageScanner::scanProgressChanged);
}
void MacStorageScanner::setCurrentScanningPath(std::string v)
{
    assignScalar(this, currentScanningPath_, std::move(v), &MacStorageScanner::currentScanningPathChanged);
}
void MacStorageScanner::setScanStatusText(std::string v)
{
    assignScalar(this, scanStatusText_, std::move(v), &MacStorageScanner::scanStatusTextChanged);
}
void MacStorageScanner::setIsPurgingAnimation(bool v)
{
    assignScalar(this, isPurgingAnimation_, v, &MacStorageScanner::isPurgingAnimationChanged);
}
void MacStorageScanner::setPurgeProgress(double v)
{
    assignScalar(this, purgeProgress_, v, &MacStorageScanner::purgeProgressChanged);
}
void MacStorageScanner::setPurgeCurrentItemName(std::string v)
{
    assignScalar(this, purgeCurrentItemName_, std::move(v), &MacStorageScanner::purgeCurrentItemNameChanged);
}
void MacStorageScanner::setPurgeProcessedCount(int v)
{
    assignScalar(this, purgeProcessedCount_, v, &MacStorageScanner::purgeProcessedCountChanged);
}
void MacStorageScanner::setPurgeTotalCount(int v)
{
    assignScalar(this, purgeTotalCount_, v, &MacStorageScanner::purgeTotalCountChanged);
}
void MacStorageScanner::setPurgeFreedSoFarBytes(Int64 v)
{
    assignScalar(this, purgeFreedSoFarBytes_, v, &MacStorageScanner::purgeFreedSoFarBytesChanged);
}
void MacStorageScanner::setLastFreedBytes(Int64 v)
{
    assignScalar(this, lastFreedBytes_, v, &MacStorageScanner::lastFreedBytesChanged);
}
void MacStorageScanner::setLastSkippedCount(int v)
{
    assignScalar(this, lastSkippedCount_, v, &MacStorageScanner::lastSkippedCountChanged);
}
void MacStorageScanner::setSessionTotalFreedBytes(Int64 v)
{
    assignScalar(this, sessionTotalFreedBytes_, v, &MacStorageScanner::sessionTotalFreedBytesChanged);
}
void MacStorageScanner::setMoveToTrashByDefault(bool v)
{
    assignScalar(this, moveToTrashByDefault_, v, &MacStorageScanner::moveToTrashByDefaultChanged);
}
