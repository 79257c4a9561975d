#pragma once
// Runs cleans and restores: moves each item to the Trash (or deletes it), paced, in one
// background task under the per-user clean lock, writes the restore history as it goes,
// and publishes the progress and outcome on the GUI thread. It also puts cleaned items
// back. The overview it refreshes after each is the scan results'.

#include "Models/CleanReport.h"
#include "Models/StorageModels.h"
#include "Platform/CleanLock.h"
#include "Platform/DesktopSeams.h"
#include "Platform/Result.h"
#include "Services/CleanHistoryLog.h"

#include <QObject>
#include <QThreadPool>

#include <chrono>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class ScanResults;
class SelectionState;
struct CleanTally;

class CleanRunner : public QObject {
    Q_OBJECT

  public:
    struct Places {
        Path home;
        Path applications;
        bool paceCleans = true; // pause between cleaned items so progress can be followed
    };
    CleanRunner(Places places, ScanResults& results, const SelectionState& selection, QObject* parent = nullptr);
    ~CleanRunner() override;

    // ------------------------------------------------------------ published state
    const std::vector<CleanHistoryRecord>& recentCleanRecords() const { return recentCleanRecords_; }
    const std::optional<std::string>& lastCleanBanner() const { return lastCleanBanner_; }
    // The same banner by message id, for saying it in the person's language.
    const std::vector<TextRef>& lastCleanBannerParts() const { return lastCleanBannerParts_; }
    // False when the banner reports a clean that put nothing into the Trash (everything it
    // removed was deleted for good): there is nothing of it to undo.
    bool bannerOffersUndo() const { return bannerOffersUndo_; }
    bool isCleaning() const { return isCleaning_; }
    double cleanProgress() const { return cleanProgress_; }
    const std::string& cleanCurrentItemName() const { return cleanCurrentItemName_; }
    const TextRef& cleanCurrentItemNameRef() const { return cleanCurrentItemNameRef_; } // the same by id

    int cleanProcessedCount() const { return cleanProcessedCount_; }
    int cleanTotalCount() const { return cleanTotalCount_; }
    Int64 cleanFreedSoFarBytes() const { return cleanFreedSoFarBytes_; }
    Int64 lastFreedBytes() const { return lastFreedBytes_; }
    int lastSkippedCount() const { return lastSkippedCount_; }
    Int64 sessionTotalFreedBytes() const { return sessionTotalFreedBytes_; }
    // What the volume's free space grew by in the last clean, when it deleted or merged
    // anything (statvfs before and after); unset when everything went to the Trash.
    const std::optional<Int64>& lastMeasuredFreedBytes() const { return lastMeasuredFreedBytes_; }
    // The session's freed bytes with each measured part in place of its estimate.
    Int64 sessionMeasuredFreedBytes() const { return sessionMeasuredFreedBytes_; }
    bool moveToTrashByDefault() const { return moveToTrashByDefault_; }
    void setMoveToTrashByDefault(bool value);
    const std::set<std::string>& sessionCleanedPaths() const { return sessionCleanedPaths_; }
    // What became of each item of the last clean, in order.
    const std::vector<CleanItemReport>& lastCleanReport() const { return lastCleanReport_; }
    // The errno of a failed write of the last clean's records to the restore history that
    // outlives the process; 0 when they are all on disk.
    int lastHistoryError() const { return lastHistoryError_; }
    // The window's banner goes away until the next clean or restore writes one.
    void dismissCleanBanner();
    // Presentation effects the window provides; not owned, may be null (then silent).
    void setCleanFeedback(CleanFeedback* feedback) { cleanFeedback_ = feedback; }

    // ------------------------------------------------------------ clean (CleanExecutor.cpp)
    // Returns at once. onItemCleaned gets the paths that counted as cleaned, on this
    // thread, once.
    using CleanedPathsHandler = std::function<void(const std::set<std::string>&)>;
    void startClean(std::vector<CleanItem> items, const std::string& label, CleanedPathsHandler onItemCleaned);
    // The pause after each item of a clean of `itemCount` items.
    static std::chrono::nanoseconds cleanPause(std::size_t itemCount);
    // A path that a clean deletes for good even in Trash mode: it lies in the Trash or
    // in a temporary folder.
    static bool deletesEvenInTrashMode(const Path& path, const Path& home);

    const Path& homePath() const { return places_.home; }
    // The folders a clean or restore may work in: home, Applications, the per-user temporary parent.
    std::vector<Path> cleanRoots() const;
    // Where the history and the per-user clean lock are kept.
    std::string cleanHistoryPath() const;
    static std::string cleanLockPath();
    // The program's own state, never offered for cleaning wherever XDG_* points: the
    // history folder (this environment's and the home's default) and the lock file.
    std::vector<Path> ownStatePaths() const;
    // Names of the home trash's entries that this session's records point at: never emptied.
    std::set<std::string> restorableTrashEntries() const;

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
    // Whether the object a record points at still waits in the Trash.
    bool isStillInTrash(const CleanHistoryRecord& record) const;
    // Restores these records of the persisted history, in the order given, under the clean
    // lock (EWOULDBLOCK when another clean or restore holds it). The session's records and
    // totals are left alone: this is for a process that did not make them.
    Result<std::vector<HistoryRestoreOutcome>> restoreFromHistory(const std::vector<std::string>& ids);

  Q_SIGNALS:
    // Something came back from the Trash: the lists no longer tell what is on disk.
    void restored();
    void recentCleanRecordsChanged();
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
    void lastMeasuredFreedBytesChanged();
    void sessionMeasuredFreedBytesChanged();
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
    // Waits a little for another clean or restore of this user; fails when it still runs.
    Result<CleanLock> takeCleanLock() const;
    void publishCleanStart(std::size_t itemCount, const CleanItem& first);
    // itemsDone: how many items are done, with the current one's part (2.5 = half of the third).
    void publishCleanProgress(const CleanItem& current, std::size_t done, std::size_t total, Int64 freedSoFar,
                              std::optional<double> itemsDone = std::nullopt);
    void publishCleanEnd(CleanTally tally, std::vector<TextRef> banner, DiskOverview overview,
                         CleanedPathsHandler onItemCleaned);

    // Setters that publish: assign, then notify observers (GUI thread only).
    void setRecentCleanRecords(std::vector<CleanHistoryRecord> value);
    // No parts: no banner.
    void setLastCleanBanner(std::vector<TextRef> parts, bool offersUndo = true);
    void setIsCleaning(bool value);
    void setCleanProgress(double value);
    void setCleanCurrentItemName(std::string value, TextRef ref = {});
    void setCleanProcessedCount(int value);
    void setCleanTotalCount(int value);
    void setCleanFreedSoFarBytes(Int64 value);
    void setLastFreedBytes(Int64 value);
    void setLastSkippedCount(int value);
    void setSessionTotalFreedBytes(Int64 value);
    void setLastMeasuredFreedBytes(std::optional<Int64> value);
    void setSessionMeasuredFreedBytes(Int64 value);
    void setOverview(DiskOverview value);

    // The scan's duplicate groups, each with the member it keeps first.
    std::vector<DuplicateFileGroup> groupsKeptFirst() const;
    // Runs fn on the GUI thread (queued); dropped when the runner is gone.
    void publish(std::function<void()> fn);

    Places places_;
    ScanResults& results_;
    const SelectionState& selection_;

    std::vector<CleanHistoryRecord> recentCleanRecords_;
    std::optional<std::string> lastCleanBanner_;
    std::vector<TextRef> lastCleanBannerParts_;
    bool bannerOffersUndo_ = true;
    bool isCleaning_ = false;
    double cleanProgress_ = 0;
    std::string cleanCurrentItemName_;
    TextRef cleanCurrentItemNameRef_;
    int cleanProcessedCount_ = 0;
    int cleanTotalCount_ = 0;
    Int64 cleanFreedSoFarBytes_ = 0;
    Int64 lastFreedBytes_ = 0;
    int lastSkippedCount_ = 0;
    Int64 sessionTotalFreedBytes_ = 0;
    std::optional<Int64> lastMeasuredFreedBytes_;
    Int64 sessionMeasuredFreedBytes_ = 0;
    bool moveToTrashByDefault_ = true;
    std::set<std::string> sessionCleanedPaths_;
    // Order in which records were made, so restoring all undoes the newest move first.
    std::uint64_t nextRecordSequence_ = 0;
    std::unordered_map<std::string, std::uint64_t> recordSequence_;
    std::vector<CleanItemReport> lastCleanReport_;
    int lastHistoryError_ = 0;
    CleanFeedback* cleanFeedback_ = nullptr;

    QThreadPool pool_; // one clean at a time
};
