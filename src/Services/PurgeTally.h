#pragma once
// What one clean has done so far: the background task's own, published at its end.

#include "Models/PurgeReport.h"
#include "Models/StorageModels.h"

#include <set>
#include <string>
#include <vector>

struct PurgeTally {
    std::string cleanID; // given to every record of this clean
    std::set<std::string> cleanedPaths;
    std::vector<PurgeHistoryRecord> records;
    std::vector<PurgeItemReport> reports;
    int cleanedCount = 0;
    int skippedCount = 0; // a partly cleaned item is not done: it counts here
    Int64 freedTotal = 0;
    int historyError = 0; // errno of a failed write to the restore history; 0 when kept

    // Counts one item; what went to the Trash (a part of a folder too) gets a history
    // record labelled with the clean's label.
    void add(PurgeItemReport report, const std::string& label);
};
