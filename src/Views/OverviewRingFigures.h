#pragma once
// The overview ring's figures: how much of the volume is in use, how much the selection
// would free, and the size its centre names.

#include "Models/StorageModels.h"

struct OverviewRingFigures {
    double usedRatio = 0;        // 0…1
    double reclaimableRatio = 0; // 0…1: the ring never draws more than a full circle
    Int64 centerBytes = 0;
};

// currentTabSelected is what the workspace shown has selected (C); allSelected what the
// four workspaces' totals add up to (S). The centre names C, or S while C is nothing.
OverviewRingFigures overviewRingFigures(const DiskOverview& overview, Int64 currentTabSelected, Int64 allSelected);

// Sum of byte counts that stops at the largest count instead of wrapping.
Int64 saturatingSum(std::initializer_list<Int64> counts);
