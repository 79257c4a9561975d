#pragma once
// The zero-risk catalogue: every rule location of the fixed catalogue that holds enough
// to matter, as items of the four scenario cards.

#include "Models/StorageModels.h"

#include <vector>

// Cards with at least one item, largest first; items largest first within a card.
std::vector<SafeCacheRuleCard> scanFourHumanCentricScenarioCards(const URL& home);
