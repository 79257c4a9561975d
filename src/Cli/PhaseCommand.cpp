// quillmere-cli phase NAME: runs one scanner alone on this thread and prints what it
// found, so benchmarks can time a phase against a reference tool.
#include "Cli/CliCommands.h"
#include "Cli/RecordJson.h"
#include "Services/MacStorageScanner.h"

#include <iostream>

namespace cli {

int runPhase(const Arguments& input)
{
    Arguments args = input;
    MacStorageScanner::Options options;
    bool json = false;
    std::string problem;
    if (!parseReportOptions(args, options, json, problem))
        return usage(problem);
    if (args.size() != 1)
        return usage("phase takes one name: overview, catalogue, bloat, apps or media");
    const std::string& name = args.front();
    const URL home = options.home.empty() ? MacStorageScanner::accountHomeFolder() : options.home;

    Json result;
    if (name == "overview") {
        result = toJson(MacStorageScanner::queryDiskOverview(home));
    } else if (name == "catalogue") {
        result = toJson(MacStorageScanner::scanFourHumanCentricScenarioCards(home));
    } else if (name == "bloat") {
        result = toJson(MacStorageScanner::scanDeveloperProjectBloats(home));
    } else if (name == "apps") {
        result = toJson(MacStorageScanner::scanAppsWithOrphans(home, options.applications));
    } else if (name == "media") {
        const auto [slices, largeFiles, groups] =
            MacStorageScanner::scanSunburstLargeFilesAndDuplicates(home, {}, {}, {});
        result = {{"sunburstSlices", toJson(slices)},
                  {"largeFiles", toJson(largeFiles)},
                  {"duplicateGroups", toJson(groups)}};
    } else {
        return usage("unknown phase '" + name + "'");
    }
    printDocument(result, json);
    return 0;
}

} // namespace cli
