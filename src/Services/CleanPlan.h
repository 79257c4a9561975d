#pragma once
// A clean plans before it acts: its whole list is checked against the duplicate groups
// the scan found, so that no group loses every copy, whichever lists its items came from
// (a copy selected as a large file, an original inside an artefact folder).

#include "Models/CleanReport.h"
#include "Models/StorageModels.h"

#include <vector>

struct PlannedItem {
    CleanItem item;
    CleanSkipReason skip = CleanSkipReason::none; // decided before anything moves
};

// Every group keeps at least one member that is neither listed nor below a listed folder.
// A group's members come in order of preference: the one it keeps first.
// Where that would fail, items are marked skipped (lastCopyOfDuplicate): those naming the
// kept original first, then those naming another member, and only when every member lies
// below a listed folder, the folders that hold the kept original.
std::vector<PlannedItem> planClean(std::vector<CleanItem> items, const std::vector<DuplicateFileGroup>& groups);
