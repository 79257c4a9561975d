#pragma once
// Gives the scan's items their reclaimable figure where it differs from their size: on
// file systems that share extents, removing a reflinked copy or a file a snapshot also
// holds frees less than it occupies. Items elsewhere are left exactly as they are.

#include "Models/StorageModels.h"

#include <vector>

void addReclaimableFigures(std::vector<SafeCacheRuleCard>& cards, const Path& home);
void addReclaimableFigures(std::vector<ProjectBloatItem>& bloats, const Path& home);
void addReclaimableFigures(std::vector<LargeFileItem>& files);
// Copies also learn what merging them with the group's first member would free.
void addReclaimableFigures(std::vector<DuplicateFileGroup>& groups);
