#pragma once
// Installed applications and the cache, log, state and web-storage folders they left
// in the home folder's Library.

#include "Models/StorageModels.h"

#include <vector>

// Largest (bundle plus leftovers) first.
std::vector<InstalledAppItem> scanAppsWithOrphans(const URL& home, const URL& applications);
