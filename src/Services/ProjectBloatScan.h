#pragma once
// Idle developer artefacts: dependency and build folders of code projects that one
// command recreates, offered when their project has not changed for some days.

#include "Models/StorageModels.h"

#include <string_view>
#include <vector>

struct HomeLayout;
struct ProjectKind;

// Largest first. Looks in every folder of the home that is not hidden (HomeWalk.h), the
// desktop's projects folder and the documents first. The scan shares its walk with the
// large files and duplicates (walkHome); this runs it for the artefacts alone.
std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const HomeLayout& layout);
// The same for a home that is not the account's own.
std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const Path& home);

// The record of a matched folder `url` of the project in projectFolder, measured at size.
ProjectBloatItem makeProjectBloatItem(const Path& home, const Path& projectFolder, const Path& url,
                                      std::string_view artifactType, const ProjectKind& kind, Int64 size);
