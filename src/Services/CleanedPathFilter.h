#pragma once
// Takes what a clean removed out of the result lists, the same way after a clean and
// when a later scan finds paths this session already cleaned.

#include "Models/StorageModels.h"

#include <set>
#include <string>
#include <vector>

using CleanedPaths = std::set<std::string>;

// Items at a cleaned path go; a card left without items goes too.
void dropCleaned(std::vector<SafeCacheRuleCard>& cards, const CleanedPaths& cleaned);
void dropCleaned(std::vector<ProjectBloatItem>& bloats, const CleanedPaths& cleaned);
void dropCleaned(std::vector<LargeFileItem>& files, const CleanedPaths& cleaned);
// An application goes when its bundle was cleaned.
void dropCleaned(std::vector<InstalledAppItem>& apps, const CleanedPaths& cleaned);
// Cleaned members go; a group left with one member goes. (Which member a group keeps is
// the selection's: SelectionState::keepAnOriginalIn.)
void dropCleaned(std::vector<DuplicateFileGroup>& groups, const CleanedPaths& cleaned);
