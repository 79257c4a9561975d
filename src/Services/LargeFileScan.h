#pragma once
// One walk over the personal folders: large files, duplicate groups, and the chart of
// where the space goes.

#include "Models/StorageModels.h"

#include <string>
#include <string_view>
#include <tuple>
#include <unordered_set>
#include <vector>

using SunburstResult =
    std::tuple<std::vector<SunburstSlice>, std::vector<LargeFileItem>, std::vector<DuplicateFileGroup>>;

// The chart weighs the cards and artefacts found before; installedAppNames (lower case)
// mark installers of applications that are already installed. The same as
// finishSunburst(walkPersonalFolders(home), ...).
SunburstResult scanSunburstLargeFilesAndDuplicates(const Path& home, const std::vector<SafeCacheRuleCard>& cards,
                                                   const std::vector<ProjectBloatItem>& bloats,
                                                   const std::unordered_set<std::string>& installedAppNames);

struct HomeLayout;

// The same over the home's named folders too (each folder walked once). Files in
// applicationFiles are applications (AppImages) and never listed as large files.
SunburstResult scanSunburstLargeFilesAndDuplicates(const HomeLayout& layout,
                                                   const std::vector<SafeCacheRuleCard>& cards,
                                                   const std::vector<ProjectBloatItem>& bloats,
                                                   const std::unordered_set<std::string>& installedAppNames,
                                                   const std::unordered_set<Path>& applicationFiles);

// The walk alone, which needs nothing from the other phases and so may run beside them.
// It is the personal half of walkHome (HomeWalk.h), which finds the artefacts as well.
struct PersonalFolderFindings {
    struct LargeFile {
        LargeFileItem item; // not classified yet
        std::string extension;
        std::string rootLabel;
    };
    std::vector<LargeFile> largeFiles; // in walk order; ordered and capped when finished
    std::vector<DuplicateFileGroup> duplicateGroups;
};
PersonalFolderFindings walkPersonalFolders(const HomeLayout& layout);
// Classifies the large files and draws the chart once the other phases are done.
SunburstResult finishSunburst(PersonalFolderFindings findings, const std::vector<SafeCacheRuleCard>& cards,
                              const std::vector<ProjectBloatItem>& bloats,
                              const std::unordered_set<std::string>& installedAppNames,
                              const std::unordered_set<Path>& applicationFiles);
