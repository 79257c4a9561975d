// Placeholder until this scanner lands.
#include "Services/MacStorageScanner.h"

std::vector<InstalledAppItem> MacStorageScanner::scanAppsWithOrphans(const URL&, const URL&)
{
    return {};
}
