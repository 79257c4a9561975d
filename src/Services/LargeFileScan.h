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
SunburstResult scanSunburstLargeFilesAndDuplicates(const URL& home, const std::vector<SafeCacheRuleCard>& cards,
                                                   const std::vector<ProjectBloatItem>& bloats,
                                                   const std::unordered_set<std::string>& installedAppNames);

// The walk alone, which needs nothing from the other phases and so may run beside them.
struct PersonalFolderFindings {
    struct LargeFile {
        LargeFileItem item; // not classified yet
        std::string extension;
        std::string_view rootLabel;
    };
    std::vector<LargeFile> largeFiles; // largest first, capped
    std::vector<DuplicateFileGroup> duplicateGroups;
};
PersonalFolderFindings walkPersonalFolders(const URL& home);
// Classifies the large files and draws the chart once the other phases are done.
SunburstResult finishSunburst(PersonalFolderFindings findings, const std::vector<SafeCacheRuleCard>& cards,
                              const std::vector<ProjectBloatItem>& bloats,
                              const std::unordered_set<std::string>& installedAppNames);
