// Placeholder until this scanner lands.
#include "Services/MacStorageScanner.h"

std::vector<SafeCacheRuleCard> MacStorageScanner::scanFourHumanCentricScenarioCards(const URL&)
{
    return {};
}
