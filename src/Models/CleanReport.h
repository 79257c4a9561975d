#pragma once
// What became of each item of the last clean, in the order the items were handed over:
// the CLI prints it line by line, the window has the counts.

#include "Models/StorageModels.h"

#include <optional>
#include <string>

enum class CleanItemResult {
    cleaned,       // nothing of it is left (or it was gone already)
    partlyCleaned, // some of it went, the rest is still there; counts as skipped
    skipped,       // left exactly where it was
};

// Why an item was left, wholly or partly.
enum class CleanSkipReason {
    none,
    offLimits,           // the home, a folder holding it, or the Trash's own bookkeeping
    outsideRoots,        // not inside the home, Applications or per-user temporary folder
    reachedThroughLink,  // a folder on the way to it is a symbolic link
    unreadable,          // what stands there could not be examined
    changedSinceScan,    // another object, or an edited file, stands at the path now
    originalChanged,     // a duplicate copy whose kept original changed or went
    lastCopyOfDuplicate, // removing it would leave its duplicate group without any copy
    mountPoint,          // another file system is mounted there
    trashUnusable,       // the Trash (or its files/ or info/ folder) is a link or cannot be made
    trashNotMeasured,    // emptying the Trash needs the entries a scan measured
    anotherCleanRunning,
    lockUnavailable,        // the per-user clean lock could not be taken (see error)
    historyUnwritable,      // the restore history could not take the record (see error)
    trashProtectionUnknown, // the restore history or the Trash's info files could not be read
    notAnAppId,             // an app id its removal tool must not be given
    removalToolMissing,     // the app's removal tool is not installed
    removalToolFailed,      // the app's removal tool ran and refused (see toolExitStatus)
    appStillThere,          // the tool reported success, and the app's folder is still there
    copyDiffers,            // merging: the kernel found the copy's bytes differ from the original's
    mergeUnsupported,       // merging: this file system cannot share the two files' extents
    failed,                 // the file system refused (see error)
};

struct CleanItemReport {
    Path url;
    std::string name;
    TextRef nameRef;
    CleanItemResult result = CleanItemResult::skipped;
    CleanSkipReason reason = CleanSkipReason::none;
    int error = 0;                         // errno behind `failed` or a partial clean, when known
    bool wasAlreadyGone = false;           // nothing stood at the path: cleaned with 0 bytes
    std::optional<Path> trashedAt;         // where it (or the part that went) waits in the Trash
    std::optional<FileStamp> trashedEntry; // the object that stands there
    Int64 freedBytes = 0;
    Int64 entriesLeft = 0; // for a partial clean: what is still there
    Int64 bytesLeft = 0;
    int toolExitStatus = 0;     // removalToolFailed: its exit status (128 + the signal that ended it)
    bool mergedInPlace = false; // a copy now sharing its original's extents: nothing went anywhere

    bool operator==(const CleanItemReport&) const = default;
};
