#pragma once
// Idle developer artefacts: dependency and build folders of code projects that one
// command recreates, offered when their project has not changed for some days.

#include "Models/StorageModels.h"

#include <vector>

// Largest first.
std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const URL& home);
