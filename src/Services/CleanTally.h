#pragma once
// What one clean has done so far: the background task's own, published at its end.

#include "Models/CleanReport.h"
#include "Models/StorageModels.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

struct CleanTally {
    std::string cleanID; // given to every record of this clean
    std::set<std::string> cleanedPaths;
    std::vector<CleanHistoryRecord> records;
    std::vector<CleanItemReport> reports;
    int cleanedCount = 0;
    int skippedCount = 0; // a partly cleaned item is not done: it counts here
    Int64 freedTotal = 0;
    int historyError = 0; // errno of a failed write to the restore history; 0 when kept
    // What the volume's free space grew by, when the clean deleted (or merged) anything
    // there: what goes to the Trash stays on the volume, so only those are measured.
    std::optional<Int64> measuredFreed;

    // The estimate of what left the volume at once: items deleted, not trashed.
    Int64 estimatedFreedAtOnce() const;

    // Counts one item; what went to the Trash (a part of a folder too) gets a history
    // record labelled with the clean's label.
    void add(CleanItemReport report, const std::string& label);
};
