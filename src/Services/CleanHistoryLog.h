#pragma once
// The restore history that outlives the process: $XDG_STATE_HOME/quillmere/history.jsonl
// (else <home>/.local/state/quillmere). Every clean, from the window or the command line,
// appends one JSON line per item it moved to the Trash; every restore appends one line
// naming the record it took back. Only the holder of the clean lock writes. Reading
// skips a line cut short by a crash, and any line it cannot understand.

#include "Models/StorageModels.h"
#include "Platform/AppendOnlyFile.h"
#include "Platform/PrivateFolder.h"
#include "Platform/Result.h"

#include <set>
#include <string>
#include <vector>

// A record of the history and whether a restore has taken it back since.
struct LoggedClean {
    CleanHistoryRecord record;
    bool restored = false;
};

// What a restore from that history did with one record.
enum class HistoryRestoreResult {
    restored,
    partlyRestored,  // some of a folder's children could not go back; they wait in the Trash
    gone,            // nothing of it waits in the Trash any more (emptied, or moved away)
    alreadyRestored, // an earlier restore took it back
    unknown,         // no record has this id
    failed,          // it is in the Trash but could not be moved back
};
struct HistoryRestoreOutcome {
    std::string id;
    std::optional<CleanHistoryRecord> record; // none for an unknown id
    HistoryRestoreResult result = HistoryRestoreResult::failed;
    // What stood in the way and went to the Trash, each a record of its own.
    std::vector<CleanHistoryRecord> movedAside;
};

class CleanHistoryLog {
  public:
    explicit CleanHistoryLog(PrivateFolder folder) : folder_(std::move(folder)) {}
    // The history of the cleans in `home` (the account's, or the one given by --home).
    static CleanHistoryLog forHome(const Path& home);

    // Every record in the order it was written; an empty list when there is no history yet.
    Result<std::vector<LoggedClean>> read() const;
    // The names in the home trash's files/ folder that records not yet restored point at;
    // fails when the history cannot be read.
    Result<std::set<std::string>> trashEntriesInUse(const Path& homeTrashFiles) const;

    // Appends, and puts on the disk before returning. The caller holds the clean lock.
    Status appendRestored(const std::vector<std::string>& ids) const;

    // Appends records of objects a restore moved aside, and puts them on the disk.
    Status appendRecords(const std::vector<CleanHistoryRecord>& records) const;

    // Opened once for a clean that appends as it goes; sync() before the clean reports.
    Result<AppendOnlyFile> openForAppending() const;
    static Status append(AppendOnlyFile& file, const std::vector<CleanHistoryRecord>& records);

    std::string path() const;

    // One line of the file, without its newline.
    static std::string recordLine(const CleanHistoryRecord& record);
    static std::string restoredLine(const std::string& id, Date restoredAt);
    // Written before a clean moves its first item, so that a history that cannot take a
    // line stops the clean before anything moves. Readers pass over it.
    static std::string cleanStartedLine(const std::string& cleanID, Date startedAt);
    // A copy merged with its original in place: nothing went to the Trash, so there is
    // nothing to restore. Readers of records pass over it.
    static std::string mergedLine(const std::string& cleanID, const Path& copy, const Path& original, Int64 bytes,
                                  Date mergedAt);
    // Appends such lines, and puts them on the disk.
    Status appendLinesOf(const std::vector<std::string>& lines) const;

  private:
    Status appendLines(const std::string& lines) const;

    PrivateFolder folder_;
};
