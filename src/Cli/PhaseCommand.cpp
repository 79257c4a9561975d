// quillmere-cli phase NAME: runs one scanner alone on this thread and prints what it
// found, so benchmarks can time a phase against a reference tool.
#include "Cli/CliCommands.h"
#include "Cli/CliText.h"
#include "Cli/EngineOptions.h"
#include "Cli/RecordJson.h"
#include "Platform/AccountHome.h"
#include "Platform/HomeLayout.h"
#include "Platform/RunningPrograms.h"
#include "Services/AppScan.h"
#include "Services/DiskOverview.h"
#include "Services/LargeFileScan.h"
#include "Services/ProjectBloatScan.h"
#include "Services/SafeCacheCatalogue.h"

#include <iostream>

namespace cli {

int runPhase(const Arguments& args)
{
    ArgumentReader reader(args);
    const StorageEngine::Options options = readEngineOptions(reader);
    const bool json = reader.flag("--json");
    if (!reader.ok())
        return reader.usage();
    if (reader.rest().size() != 1)
        return usage(say("cli.error.phaseTakesOne"));
    const std::string& name = reader.rest().front();
    const bool isAccountHome = options.home.empty();
    const Path home = isAccountHome ? accountHomeFolder() : options.home;
    const HomeLayout layout = HomeLayout::of(home, isAccountHome);

    // Each list with the selection the scan offers.
    const ScanResults noResults;
    SelectionState offered(noResults);
    const auto asOffered = [&offered](const auto& list) {
        offered.offer(list);
        return toJson(list, offered);
    };
    Json result;
    if (name == "overview") {
        result = toJson(queryDiskOverview(home));
    } else if (name == "catalogue") {
        result = asOffered(scanCacheCatalogue(layout, RunningPrograms::read()));
    } else if (name == "bloat") {
        result = asOffered(scanDeveloperProjectBloats(layout));
    } else if (name == "apps") {
        result = asOffered(scanInstalledApps(layout, options.applications,
                                             options.linuxApps.value_or(LinuxAppRoots::forHome(isAccountHome))));
    } else if (name == "media") {
        const auto [slices, largeFiles, groups] = scanSunburstLargeFilesAndDuplicates(layout, {}, {}, {}, {});
        result = {{"sunburstSlices", toJson(slices)},
                  {"largeFiles", asOffered(largeFiles)},
                  {"duplicateGroups", asOffered(groups)}};
    } else {
        return usage(say("cli.error.unknownPhase", {name}));
    }
    printDocument(result, json);
    return 0;
}

} // namespace cli
