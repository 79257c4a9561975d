#pragma once
// Rebuildable artefacts of idle projects: dependency and build-output folders in the
// project folders of the home.

#include "Models/StorageModels.h"

#include <vector>

// Largest first.
std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const URL& home);
