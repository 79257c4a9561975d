#pragma once
// Idle developer artefacts: dependency and build folders of code projects that one
// command recreates, offered when their project has not changed for some days.

#include "Models/StorageModels.h"

#include <vector>

struct HomeLayout;

// Largest first. Looks in Desktop/projects and Documents, and in the same places under
// the names the home's desktop gives those folders.
std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const HomeLayout& layout);
// The same for a home that is not the account's own.
std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const Path& home);
