#pragma once
// One walk over the personal folders: large files, duplicate groups, and the chart of
// where the space goes.

#include "Models/StorageModels.h"

#include <string>
#include <tuple>
#include <unordered_set>
#include <vector>

using SunburstResult =
    std::tuple<std::vector<SunburstSlice>, std::vector<LargeFileItem>, std::vector<DuplicateFileGroup>>;

// The chart weighs the cards and artefacts found before; installedAppNames (lower case)
// mark installers of applications that are already installed.
SunburstResult scanSunburstLargeFilesAndDuplicates(const URL& home, const std::vector<SafeCacheRuleCard>& cards,
                                                   const std::vector<ProjectBloatItem>& bloats,
                                                   const std::unordered_set<std::string>& installedAppNames);

struct HomeLayout;

// The same over the home's named folders too (each folder walked once). Files in
// applicationFiles are applications (AppImages) and never listed as large files.
SunburstResult scanSunburstLargeFilesAndDuplicates(const HomeLayout& layout,
                                                   const std::vector<SafeCacheRuleCard>& cards,
                                                   const std::vector<ProjectBloatItem>& bloats,
                                                   const std::unordered_set<std::string>& installedAppNames,
                                                   const std::unordered_set<URL>& applicationFiles);
