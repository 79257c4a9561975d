#pragma once
// The one engine object: every scan result and clean-progress value as published
// state, the instant scan, and the clean and restore commands. It lives on the GUI
// thread; heavy work runs in one background task that hands finished values back by
// queued calls. The scanners it runs are free functions with headers of their own;
// the rest of the implementation is split by concern across Services/*.cpp.

#include "Models/CleanReport.h"
#include "Models/StorageModels.h"
#include "Platform/CleanLock.h"
#include "Platform/DesktopSeams.h"
#include "Platform/Result.h"
#include "Services/CleanHistoryLog.h"
#include "Services/LinuxAppScan.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

struct CleanTally;

class StorageEngine : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY isScanningChanged)
    Q_PROPERTY(double scanProgress READ scanProgress NOTIFY scanProgressChanged)
    Q_PROPERTY(QString currentScanningPath READ currentScanningPathText NOTIFY currentScanningPathChanged)
    Q_PROPERTY(QString scanStatusText READ scanStatusTextText NOTIFY scanStatusTextChanged)
    Q_PROPERTY(bool isCleaning READ isCleaning NOTIFY isCleaningChanged)
    Q_PROPERTY(double cleanProgress READ cleanProgress NOTIFY cleanProgressChanged)
    Q_PROPERTY(int cleanProcessedCount READ cleanProcessedCount NOTIFY cleanProcessedCountChanged)
    Q_PROPERTY(int cleanTotalCount READ cleanTotalCount NOTIFY cleanTotalCountChanged)
    Q_PROPERTY(qint64 cleanFreedSoFarBytes READ cleanFreedSoFarBytes NOTIFY cleanFreedSoFarBytesChanged)
    Q_PROPERTY(qint64 lastFreedBytes READ lastFreedBytes NOTIFY lastFreedBytesChanged)
    Q_PROPERTY(int lastSkippedCount READ lastSkippedCount NOTIFY lastSkippedCountChanged)
    Q_PROPERTY(qint64 sessionTotalFreedBytes READ sessionTotalFreedBytes NOTIFY sessionTotalFreedBytesChanged)
    Q_PROPERTY(bool moveToTrashByDefault READ moveToTrashByDefault WRITE setMoveToTrashByDefault NOTIFY
                   moveToTrashByDefaultChanged)

  public:
    // Where the engine looks. Defaults are the account's home folder and no macOS-layout
    // Applications folder; tests, the CLI, --home and --applications point them elsewhere.
    struct Options {
        Path home;              // empty = the account's home folder
        Path applications;      // empty: no macOS-layout bundles are looked for
        bool paceCleans = true; // pause between cleaned items so progress can be followed
        // Machine-wide Flatpak and Snap places; unset: LinuxAppRoots::forHome.
        std::optional<LinuxAppRoots> linuxApps = std::nullopt;
    };

    explicit StorageEngine(QObject* parent = nullptr);
    explicit StorageEngine(Options options, QObject* parent = nullptr);
    ~StorageEngine() override;

    // ------------------------------------------------------------ published state
    const DiskOverview& overview() const { return overview_; }
    const std::vector<SafeCacheRuleCard>& ruleCards() const { return ruleCards_; }
    const std::vector<ProjectBloatItem>& projectBloats() const { return projectBloats_; }
    const std::vector<DuplicateFileGroup>& duplicateGroups() const { return duplicateGroups_; }
    const std::vector<SunburstSlice>& sunburstSlices() const { return sunburstSlices_; }
    const std::vector<LargeFileItem>& largeFiles() const { return largeFiles_; }
    const std::vector<InstalledAppItem>& installedApps() const { return installedApps_; }
    const std::vector<CleanHistoryRecord>& recentCleanRecords() const { return recentCleanRecords_; }
    bool isScanning() const { return isScanning_; }
    double scanProgress() const { return scanProgress_; }
    const std::string& currentScanningPath() const { return currentScanningPath_; }
    const std::string& scanStatusText() const { return scanStatusText_; }
    const std::optional<std::string>& lastCleanBanner() const { return lastCleanBanner_; }
    bool isCleaning() const { return isCleaning_; }
    double cleanProgress() const { return cleanProgress_; }
    const std::string& cleanCurrentItemName() const { return cleanCurrentItemName_; }
    int cleanProcessedCount() const { return cleanProcessedCount_; }
    int cleanTotalCount() const { return cleanTotalCount_; }
    Int64 cleanFreedSoFarBytes() const { return cleanFreedSoFarBytes_; }
    Int64 lastFreedBytes() const { return lastFreedBytes_; }
    int lastSkippedCount() const { return lastSkippedCount_; }
    Int64 sessionTotalFreedBytes() const { return sessionTotalFreedBytes_; }
    bool moveToTrashByDefault() const { return moveToTrashByDefault_; }
    void setMoveToTrashByDefault(bool value);

    const Path& homePath() const { return homePath_; }
    const Path& applicationsPath() const { return options_.applications; }
    const std::set<std::string>& sessionCleanedPaths() const { return sessionCleanedPaths_; }

    QString currentScanningPathText() const { return QString::fromStdString(currentScanningPath_); }
    QString scanStatusTextText() const { return QString::fromStdString(scanStatusText_); }

    // ------------------------------------------------------------ scan (ScanOrchestration.cpp)
    void startInstantScan();
    void clearAllResults();

    // ------------------------------------------------------------ selection (Selection.cpp)
    // Totals are recomputed from the current lists on every read.
    Int64 totalScannedSafeBytes() const;
    Int64 totalSelectedSafeBytes() const;
    Int64 totalScannedBloatBytes() const;
    Int64 totalSelectedBloatBytes() const;
    Int64 totalScannedDuplicateBytes() const;
    Int64 totalSelectedDuplicateBytes() const;
    Int64 totalScannedLargeFileBytes() const;
    Int64 totalSelectedLargeFileBytes() const;
    Int64 totalScannedAppOrphanBytes() const;
    Int64 totalSelectedAppOrphanBytes() const;
    Int64 totalSelectedUninstallBytes() const;
    Int64 totalMasterSmartCleanBytes() const;
    Int64 grandTotalDiscoverableBytes() const;

    // Selection changes write a modified copy back into the published list; an id
    // that names nothing changes nothing.
    void setAllSafeCards(bool selected);
    void toggleCard(const std::string& id);
    void toggleSubItem(const std::string& cardID, const std::string& subItemID);
    void setAllProjectBloats(bool selected);
    void toggleProjectBloat(const std::string& id);
    void setAllDuplicates(bool selected);
    void toggleDuplicateGroup(const std::string& id);
    void swapDuplicateLockedOriginal(const std::string& groupID, const std::string& newOriginalID);
    void setAllLargeFiles(bool selected, LargeFileCategory category);
    void toggleLargeFile(const std::string& id);
    void setAllInstalledApps(bool selected, bool onlyCacheMode);
    void toggleInstalledApp(const std::string& id);
    bool areAllSafeItemsSelected() const;

    // ------------------------------------------------------------ clean (CleanExecutor.cpp, CleanCommands.cpp)
    // Moves each item to the Trash (or deletes it), paced, in the background; returns at
    // once. onItemCleaned gets the paths that counted as cleaned, on this thread, once.
    using CleanedPathsHandler = std::function<void(const std::set<std::string>&)>;
    void startClean(std::vector<CleanItem> items, const std::string& label, CleanedPathsHandler onItemCleaned);
    // The pause after each item of a clean of `itemCount` items.
    static std::chrono::nanoseconds cleanPause(std::size_t itemCount);
    // A path that a clean deletes for good even in Trash mode: it lies in the Trash or
    // in a temporary folder.
    static bool deletesEvenInTrashMode(const Path& path, const Path& home);
    // What became of each item of the last clean, in order.
    const std::vector<CleanItemReport>& lastCleanReport() const { return lastCleanReport_; }
    // The errno of a failed write of the last clean's records to the restore history that
    // outlives the process; 0 when they are all on disk.
    int lastHistoryError() const { return lastHistoryError_; }
    // The banner of a clean or restore that found another one running and did nothing.
    static constexpr const char* kAnotherCleanRunningBanner = "另一项清理或还原正在进行中，本次未做任何改动";

    void cleanSelectedSafeCaches();
    void cleanSelectedProjectBloats();
    void cleanSelectedDuplicates();
    void cleanSelectedLargeFiles();
    void uninstallSelectedApps(bool cleanOrphansOnly);
    void cleanAllMasterSmartSelected();
    // What each command would hand to the executor, in order (for dry runs too).
    std::vector<CleanItem> selectedSafeCacheItems() const;
    std::vector<CleanItem> selectedProjectBloatItems() const;
    std::vector<CleanItem> selectedDuplicateItems() const;
    std::vector<CleanItem> selectedLargeFileItems() const;
    std::vector<CleanItem> selectedAppItems(bool cleanOrphansOnly) const;
    std::vector<CleanItem> masterSmartSelectedItems() const;

    // The window's banner goes away until the next clean or restore writes one.
    void dismissCleanBanner();

    void revealInFileManager(const Path& url);
    void openWithDefaultApp(const Path& url);
    // Presentation effects the window provides; not owned, may be null (then silent).
    void setCleanFeedback(CleanFeedback* feedback) { cleanFeedback_ = feedback; }
    void setWorkspaceService(WorkspaceService* service) { workspaceService_ = service; }

    // ------------------------------------------------------------ restore (RestoreHistory.cpp)
    // What moving one trashed item back did.
    struct ItemRestore {
        enum class Result { restored, partlyRestored, failed };
        Result result = Result::failed;
        // Objects that stood in the way and went to the Trash: where they stood, where they
        // are now, which object each is.
        struct MovedAside {
            Path original;
            Path trashedAt;
            FileStamp entry;
        };
        std::vector<MovedAside> movedAside;
        bool isBack() const { return result != Result::failed; }
    };

    void restoreSingleRecord(const std::string& id);
    void restoreAllRecentCleans();

    // The history of every clean of this home, from any process: each record in the order
    // it was written, with whether a restore has taken it back.
    Result<std::vector<LoggedClean>> persistedCleanHistory() const;
    // Where that history and the per-user clean lock are kept.
    std::string cleanHistoryPath() const;
    static std::string cleanLockPath();
    // The program's own state, never offered for cleaning wherever XDG_* points: the
    // history folder (this environment's and the home's default) and the lock file.
    std::vector<Path> ownStatePaths() const;
    // Whether the object a record points at still waits in the Trash.
    bool isStillInTrash(const CleanHistoryRecord& record) const;
    // Restores these records of the persisted history, in the order given, under the clean
    // lock (EWOULDBLOCK when another clean or restore holds it). The session's records and
    // totals are left alone: this is for a process that did not make them.
    Result<std::vector<HistoryRestoreOutcome>> restoreFromHistory(const std::vector<std::string>& ids);

    // ------------------------------------------------------------ window modes (AppSlimmingMode.cpp)
    // Cache-only mode: an app without leftovers has nothing to clean, so it is unticked.
    void deselectInstalledAppsWithoutLeftovers();
    // Full-uninstall mode: a removed Flatpak's data folder (its chats, its saves) is never
    // taken along unless the person ticks it there.
    void deselectLeftoverFoldersForFullUninstall();

  Q_SIGNALS:
    void overviewChanged();
    void ruleCardsChanged();
    void projectBloatsChanged();
    void duplicateGroupsChanged();
    void sunburstSlicesChanged();
    void largeFilesChanged();
    void installedAppsChanged();
    void recentCleanRecordsChanged();
    void isScanningChanged();
    void scanProgressChanged();
    void currentScanningPathChanged();
    void scanStatusTextChanged();
    void lastCleanBannerChanged();
    void isCleaningChanged();
    void cleanProgressChanged();
    void cleanCurrentItemNameChanged();
    void cleanProcessedCountChanged();
    void cleanTotalCountChanged();
    void cleanFreedSoFarBytesChanged();
    void lastFreedBytesChanged();
    void lastSkippedCountChanged();
    void sessionTotalFreedBytesChanged();
    void moveToTrashByDefaultChanged();

  private:
    friend struct StorageEngineTestAccess;

    // Moves one trashed item back. What stood in the way goes to the Trash, never away,
    // and is reported so it gets a record. A folder merged into one that stands there again
    // is partly restored when some children could not go back: those wait in the Trash.
    // With `expected`, only that object is taken back from the Trash.
    static ItemRestore restoreTrashedItem(const Path& trashed, const Path& original, const Path& home,
                                          const std::vector<Path>& roots, const std::optional<FileStamp>& expected);
    // Records for what a restore of `madeWayFor` moved aside, written to the history on
    // disk (best effort: their info files protect them either way).
    std::vector<CleanHistoryRecord> recordMovedAside(const ItemRestore& restore,
                                                     const CleanHistoryRecord& madeWayFor) const;
    // Notes restores in the history that outlives the process.
    void logRestored(const std::vector<std::string>& ids) const;
    // The clean lock for a restore; when another clean or restore holds it, says so in the
    // banner.
    Result<CleanLock> lockForRestore();
    // The folders a clean or restore may work in: home, Applications, the per-user temporary parent.
    std::vector<Path> cleanRoots() const;
    // Waits a little for another clean or restore of this user; fails when it still runs.
    Result<CleanLock> takeCleanLock() const;
    void publishCleanStart(std::size_t itemCount, const std::string& firstName);
    void publishCleanProgress(const std::string& name, std::size_t done, std::size_t total, Int64 freedSoFar);
    void publishCleanEnd(CleanTally tally, std::string banner, DiskOverview overview,
                         CleanedPathsHandler onItemCleaned);
    // Adds what a scan saw to what earlier scans saw.
    void rememberScanned(const std::unordered_map<Path, FileStamp>& stamps);
    // Names of the home trash's entries that this session's records point at: never emptied.
    std::set<std::string> restorableTrashEntries() const;
    // A clean item with what the last scan saw at its path.
    CleanItem scannedItem(const Path& url, Int64 sizeBytes, std::string name) const;
    void deselectInstalledAppsWhere(const std::function<bool(const InstalledAppItem&)>& unwanted);
    void pruneSafeCaches(const std::set<std::string>& cleaned);
    void pruneProjectBloats(const std::set<std::string>& cleaned);
    void pruneDuplicates(const std::set<std::string>& cleaned);
    void pruneLargeFiles(const std::set<std::string>& cleaned);

    // Setters that publish: assign, then notify observers (GUI thread only).
    void setOverview(DiskOverview value);
    void setRuleCards(std::vector<SafeCacheRuleCard> value);
    void setProjectBloats(std::vector<ProjectBloatItem> value);
    void setDuplicateGroups(std::vector<DuplicateFileGroup> value);
    void setSunburstSlices(std::vector<SunburstSlice> value);
    void setLargeFiles(std::vector<LargeFileItem> value);
    void setInstalledApps(std::vector<InstalledAppItem> value);
    void setRecentCleanRecords(std::vector<CleanHistoryRecord> value);
    void setIsScanning(bool value);
    void setScanProgress(double value);
    void setCurrentScanningPath(std::string value);
    void setScanStatusText(std::string value);
    void setLastCleanBanner(std::optional<std::string> value);
    void setIsCleaning(bool value);
    void setCleanProgress(double value);
    void setCleanCurrentItemName(std::string value);
    void setCleanProcessedCount(int value);
    void setCleanTotalCount(int value);
    void setCleanFreedSoFarBytes(Int64 value);
    void setLastFreedBytes(Int64 value);
    void setLastSkippedCount(int value);
    void setSessionTotalFreedBytes(Int64 value);

    // Runs fn on the GUI thread (queued); dropped when the engine is gone.
    void publish(std::function<void()> fn);
    // Runs work on the engine's background thread; one task at a time (scan or clean).
    void runInBackground(std::function<void()> work);

    Options options_;
    Path homePath_;

    DiskOverview overview_;
    std::vector<SafeCacheRuleCard> ruleCards_;
    std::vector<ProjectBloatItem> projectBloats_;
    std::vector<DuplicateFileGroup> duplicateGroups_;
    std::vector<SunburstSlice> sunburstSlices_;
    std::vector<LargeFileItem> largeFiles_;
    std::vector<InstalledAppItem> installedApps_;
    std::vector<CleanHistoryRecord> recentCleanRecords_;
    bool isScanning_ = false;
    double scanProgress_ = 0;
    std::string currentScanningPath_ = "准备就绪";
    std::string scanStatusText_ = "正在自动核验全盘缓存与重复文件...";
    std::optional<std::string> lastCleanBanner_;
    bool isCleaning_ = false;
    double cleanProgress_ = 0;
    std::string cleanCurrentItemName_;
    int cleanProcessedCount_ = 0;
    int cleanTotalCount_ = 0;
    Int64 cleanFreedSoFarBytes_ = 0;
    Int64 lastFreedBytes_ = 0;
    int lastSkippedCount_ = 0;
    Int64 sessionTotalFreedBytes_ = 0;
    bool moveToTrashByDefault_ = true;
    std::set<std::string> sessionCleanedPaths_;
    // Order in which records were made, so restoring all undoes the newest move first.
    std::uint64_t nextRecordSequence_ = 0;
    std::unordered_map<std::string, std::uint64_t> recordSequence_;
    std::vector<CleanItemReport> lastCleanReport_;
    int lastHistoryError_ = 0;
    // What the last scan saw at every path it offered, and the Trash entries it measured.
    std::unordered_map<Path, FileStamp> scannedStamps_;
    std::optional<std::vector<FolderEntryStamp>> scannedTrashEntries_;
    CleanFeedback* cleanFeedback_ = nullptr;
    WorkspaceService* workspaceService_ = nullptr;

    QThreadPool pool_; // a scan and a clean may each have one task running
};
