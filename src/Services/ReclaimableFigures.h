#pragma once
// Gives the scan's items their reclaimable figure where it differs from their size: on
// file systems that share extents, removing a reflinked copy or a file a snapshot also
// holds frees less than it occupies. Items elsewhere are left exactly as they are.

#include "Models/StorageModels.h"

#include <optional>
#include <vector>

// The figure an item of `sizeBytes` shows beside its size: never more than it, unset when equal.
std::optional<Int64> shownReclaimable(Int64 sizeBytes, std::optional<Int64> reclaimable);

void addReclaimableFigures(std::vector<SafeCacheRuleCard>& cards, const Path& home);
void addReclaimableFigures(std::vector<LargeFileItem>& files);
// Copies also learn what merging them with the group's first member would free.
void addReclaimableFigures(std::vector<DuplicateFileGroup>& groups);
