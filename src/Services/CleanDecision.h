#pragma once
// What the executor does with one item, decided from what it found at the item's path.
// A pure function: the file work happens elsewhere, so every rule here can be tested
// on its own.

#include "Models/CleanReport.h"
#include "Models/StorageModels.h"

#include <optional>
#include <vector>

// What the executor found, through the item's opened parent folder, just before acting.
struct ItemFacts {
    enum class Presence {
        present,
        missing,      // nothing at the path (or a folder on the way is gone)
        throughLink,  // a folder on the way is a link
        outsideRoots, // the path lies in none of the folders a clean may work in
        unreadable,
    };
    Presence presence = Presence::present;
    std::optional<FileStamp> now; // what stands there, when present
    bool isMountPoint = false;
    // For a duplicate copy: whether its kept original is still as scanned.
    std::optional<bool> keptOriginalUnchanged;
};

struct CleanRules {
    Path home;
    Path trashFolder; // the home trash's files/ folder
    bool toTrash = true;
    bool trashUsable = true;    // the home trash could be opened without meeting a link
    std::vector<Path> ownState; // the program's history and lock: never cleaned
};

enum class CleanAction {
    countAsGone,   // nothing there: cleaned, 0 bytes, no record
    skip,          // left where it is
    moveToTrash,   // into the Trash, restorable
    deleteForGood, // delete mode, or what lies in the Trash or a temporary folder
    emptyTrash,    // the Trash folder itself: the entries the scan measured
};

struct CleanDecision {
    CleanAction action = CleanAction::skip;
    CleanSkipReason reason = CleanSkipReason::none;

    bool operator==(const CleanDecision&) const = default;
};

CleanDecision decideCleanAction(const CleanItem& item, const ItemFacts& facts, const CleanRules& rules);

// A path that a clean deletes for good even in Trash mode: it lies in the Trash or in a
// temporary folder.
bool deletesEvenInTrashMode(const Path& path, const Path& trashFolder);

// The home, a folder holding it, or a folder holding the Trash is never an item to
// clean: the home would be deleted or scattered into the Trash, the Trash's own
// bookkeeping moved into itself. The Trash folder itself may be emptied.
bool isOffLimits(const Path& path, const Path& home, const Path& trashFolder);

// The path is one of `places`, lies inside one or holds one.
bool touchesAny(const Path& path, const std::vector<Path>& places);
