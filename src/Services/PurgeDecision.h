#pragma once
// What the executor does with one item, decided from what it found at the item's path.
// A pure function: the file work happens elsewhere, so every rule here can be tested
// on its own.

#include "Models/PurgeReport.h"
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

struct PurgeRules {
    URL home;
    URL trashFolder; // the home trash's files/ folder
    bool toTrash = true;
    bool trashUsable = true;   // the home trash could be opened without meeting a link
    std::vector<URL> ownState; // the program's history and lock: never cleaned
};

enum class PurgeAction {
    countAsGone,   // nothing there: cleaned, 0 bytes, no record
    skip,          // left where it is
    moveToTrash,   // into the Trash, restorable
    deleteForGood, // delete mode, or what lies in the Trash or a temporary folder
    emptyTrash,    // the Trash folder itself: the entries the scan measured
};

struct PurgeDecision {
    PurgeAction action = PurgeAction::skip;
    PurgeSkipReason reason = PurgeSkipReason::none;

    bool operator==(const PurgeDecision&) const = default;
};

PurgeDecision decidePurgeAction(const CleanItem& item, const ItemFacts& facts, const PurgeRules& rules);

// A path that a clean deletes for good even in Trash mode: it lies in the Trash or in a
// temporary folder.
bool deletesEvenInTrashMode(const URL& path, const URL& trashFolder);

// The home, a folder holding it, or a folder holding the Trash is never an item to
// clean: the home would be deleted or scattered into the Trash, the Trash's own
// bookkeeping moved into itself. The Trash folder itself may be emptied.
bool isOffLimits(const URL& path, const URL& home, const URL& trashFolder);

// The path is one of `places`, lies inside one or holds one.
bool touchesAny(const URL& path, const std::vector<URL>& places);
