#pragma once
// The file work of one clean: each item is found from its root through its opened parent
// folder, checked against what the scan saw, and then moved into the Trash, deleted, or
// (the Trash folder itself) emptied of the entries the scan measured.

#include "Models/CleanReport.h"
#include "Platform/Beneath.h"
#include "Platform/Trash.h"
#include "Services/CleanDecision.h"
#include "Services/CleanPlan.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class CleanWorkspace {
  public:
    struct Setup {
        Path home;
        std::vector<Path> roots; // the folders a clean may work in (home, Applications, ...)
        bool toTrash = true;
        // Trash entries the restore history points at: never emptied.
        std::set<std::string> protectedTrashEntries;
        // False when that set could not be read: then the Trash is not emptied at all.
        bool trashProtectionKnown = true;
        // The program's own history and lock: never cleaned.
        std::vector<Path> ownState;
        // Hears how far a long step of the item at `index` is (a package removal), 0–100.
        std::function<void(std::size_t index, int percent)> stepProgress;
    };
    explicit CleanWorkspace(Setup setup);

    // Cleans one item; `index` is its place in the clean (part of its Trash name).
    CleanItemReport clean(const PlannedItem& planned, std::size_t index);

  private:
    struct Found {
        ItemFacts facts;
        std::optional<beneath::Location> location;
    };
    Found find(const Path& path);
    ItemFacts factsOf(const CleanItem& item, Found& found);
    bool isUnchanged(const ScannedPath& scanned);

    CleanItemReport moveToTrash(const CleanItem& item, const fileops::Place& place, const FileStamp& now,
                                const std::string& trashName);
    CleanItemReport moveChildren(const CleanItem& item, const fileops::Place& place, const FileStamp& now,
                                 const std::string& trashName, int firstError);
    CleanItemReport deleteForGood(const CleanItem& item, const fileops::Place& place, const FileStamp& now);
    CleanItemReport emptyTrash(const CleanItem& item);
    // Merges a duplicate copy with the original its group keeps (both as scanned).
    CleanItemReport mergeIntoOriginal(const CleanItem& item, const fileops::Place& place, const FileStamp& now);

    Setup setup_;
    beneath::Roots roots_;
    Result<Trash> trash_;
};
