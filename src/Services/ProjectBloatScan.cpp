// Placeholder until this scanner lands.
#include "Services/MacStorageScanner.h"

std::vector<ProjectBloatItem> MacStorageScanner::scanDeveloperProjectBloats(const URL&)
{
    return {};
}
