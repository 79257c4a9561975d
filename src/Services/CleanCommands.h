#pragma once
// The clean buttons, shared by the window and the command line: what each takes from the
// scan's lists as the selection stands, and that clean, which drops what went from the
// lists when it ends.

#include "Models/StorageModels.h"

#include <set>
#include <string>
#include <vector>

class CleanRunner;
class ScanResults;
class SelectionState;

enum class CleanTarget {
    safeCaches,
    projectBloats,
    duplicates,
    largeFiles,
    appCaches,    // the selected apps' leftovers only
    appUninstall, // the selected apps as well, where this program may remove them
    everything,   // caches, build folders, copies and large files at once
};

// What a duplicate clean does with the copies it takes.
enum class CopyMerging {
    whereAvailable, // merged in place where the file system shares extents, else to the Trash
    always,         // merged in place; where that cannot be done they stay
    never,          // to the Trash (or deleted)
};

class CleanCommands {
  public:
    CleanCommands(ScanResults& results, SelectionState& selection, CleanRunner& runner)
        : results_(results), selection_(selection), runner_(runner)
    {
    }

    // What the clean would hand to the runner, in order (for dry runs too).
    std::vector<CleanItem> items(CleanTarget target) const;
    // Starts that clean; nothing when nothing is selected or a clean runs.
    void clean(CleanTarget target);
    CopyMerging copyMerging() const { return copyMerging_; }
    void setCopyMerging(CopyMerging value) { copyMerging_ = value; }

  private:
    // A clean item with what the last scan saw at its path.
    CleanItem scannedItem(const Path& url, Int64 sizeBytes, std::string name, TextRef nameRef = {}) const;
    // An item whose name is a message of ours: the engine's words, and the id beside them.
    CleanItem namedItem(const Path& url, Int64 sizeBytes, TextRef name) const;
    std::vector<CleanItem> safeCacheItems() const;
    std::vector<CleanItem> projectBloatItems() const;
    std::vector<CleanItem> duplicateItems() const;
    std::vector<CleanItem> largeFileItems() const;
    std::vector<CleanItem> appItems(bool cleanOrphansOnly) const;
    // Drops what went from the lists the target shows.
    void prune(CleanTarget target, const std::set<std::string>& cleaned);

    ScanResults& results_;
    SelectionState& selection_;
    CleanRunner& runner_;
    CopyMerging copyMerging_ = CopyMerging::whereAvailable;
};
