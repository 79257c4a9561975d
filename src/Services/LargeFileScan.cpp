// Placeholder until this scanner lands.
#include "Services/MacStorageScanner.h"

MacStorageScanner::SunburstResult MacStorageScanner::scanSunburstLargeFilesAndDuplicates(
    const URL&, const std::vector<SafeCacheRuleCard>&, const std::vector<ProjectBloatItem>&,
    const std::unordered_set<std::string>&)
{
    return {};
}
