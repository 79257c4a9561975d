#pragma once
// The file work of one clean: each item is found from its root through its opened parent
// folder, checked against what the scan saw, and then moved into the Trash, deleted, or
// (the Trash folder itself) emptied of the entries the scan measured.

#include "Models/PurgeReport.h"
#include "Platform/Beneath.h"
#include "Platform/Trash.h"
#include "Services/PurgeDecision.h"
#include "Services/PurgePlan.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class PurgeWorkspace {
  public:
    struct Setup {
        URL home;
        std::vector<URL> roots; // the folders a clean may work in (home, Applications, ...)
        bool toTrash = true;
        // Trash entries the restore history points at: never emptied.
        std::set<std::string> protectedTrashEntries;
        // False when that set could not be read: then the Trash is not emptied at all.
        bool trashProtectionKnown = true;
        // The program's own history and lock: never cleaned.
        std::vector<URL> ownState;
    };
    explicit PurgeWorkspace(Setup setup);

    // Cleans one item; `index` is its place in the clean (part of its Trash name).
    PurgeItemReport clean(const PlannedItem& planned, std::size_t index);

  private:
    struct Found {
        ItemFacts facts;
        std::optional<beneath::Location> location;
    };
    Found find(const URL& path);
    ItemFacts factsOf(const CleanItem& item, Found& found);
    bool isUnchanged(const ScannedPath& scanned);

    PurgeItemReport moveToTrash(const CleanItem& item, const fileops::Place& place, const FileStamp& now,
                                const std::string& trashName);
    PurgeItemReport moveChildren(const CleanItem& item, const fileops::Place& place, const FileStamp& now,
                                 const std::string& trashName, int firstError);
    PurgeItemReport deleteForGood(const CleanItem& item, const fileops::Place& place, const FileStamp& now);
    PurgeItemReport emptyTrash(const CleanItem& item);

    Setup setup_;
    beneath::Roots roots_;
    Result<Trash> trash_;
};
