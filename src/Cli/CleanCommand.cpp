// quillmere-cli clean: scans, takes what the scan selects, and cleans it with the same
// commands and executor as the window. Without --yes it only lists what it would do.
#include "Cli/CliCommands.h"
#include "Cli/EngineOptions.h"
#include "Cli/ProgressLine.h"
#include "Cli/RecordJson.h"
#include "Models/DiskFormat.h"

#include <QCoreApplication>

#include <functional>
#include <iostream>
#include <map>

namespace cli {

namespace {

struct CleanChoice {
    std::function<void(MacStorageScanner&)> select; // beyond what the scan preselects
    std::function<std::vector<CleanItem>(const MacStorageScanner&)> items;
    std::function<void(MacStorageScanner&)> run;
};

const std::map<std::string, CleanChoice>& choices()
{
    static const std::map<std::string, CleanChoice> table = {
        {"safe", {{}, &MacStorageScanner::selectedSafeCacheItems, &MacStorageScanner::purgeSelectedSafeCaches}},
        {"bloat", {{}, &MacStorageScanner::selectedProjectBloatItems, &MacStorageScanner::purgeSelectedProjectBloats}},
        {"duplicates", {{}, &MacStorageScanner::selectedDuplicateItems, &MacStorageScanner::purgeSelectedDuplicates}},
        {"large", {{}, &MacStorageScanner::selectedLargeFileItems, &MacStorageScanner::purgeSelectedLargeFiles}},
        // The scan selects no application; these pick what the window's select-all picks.
        {"app-cache",
         {[](MacStorageScanner& s) { s.setAllInstalledApps(true, true); },
          [](const MacStorageScanner& s) { return s.selectedAppItems(true); },
          [](MacStorageScanner& s) { s.uninstallSelectedApps(true); }}},
        {"app-uninstall",
         {[](MacStorageScanner& s) { s.setAllInstalledApps(true, false); },
          [](const MacStorageScanner& s) { return s.selectedAppItems(false); },
          [](MacStorageScanner& s) { s.uninstallSelectedApps(false); }}},
        {"all", {{}, &MacStorageScanner::masterSmartSelectedItems, &MacStorageScanner::purgeAllMasterSmartSelected}},
    };
    return table;
}

// The progress line exists before the clean starts: its first drawing shows the clean's
// start, whatever the clean has done by the time the event loop runs.
void runCleanToCompletion(MacStorageScanner& scanner, const std::function<void(MacStorageScanner&)>& start)
{
    const ProgressLine progress(scanner, ProgressLine::Activity::clean);
    start(scanner);
    QObject::connect(&scanner, &MacStorageScanner::isPurgingAnimationChanged, &scanner, [&scanner] {
        if (!scanner.isPurgingAnimation())
            QCoreApplication::quit();
    });
    if (scanner.isPurgingAnimation())
        QCoreApplication::exec();
}

void printPlan(const std::vector<CleanItem>& items, bool toTrash, const URL& home)
{
    std::cout << (toTrash ? "Would move to the Trash:\n" : "Would delete for good:\n");
    Int64 total = 0;
    for (const auto& item : items) {
        std::cout << "  " << DiskFormat::bytes(item.sizeBytes) << "\t" << displayable(item.url) << "\t("
                  << displayable(item.name) << ")"
                  << (toTrash && MacStorageScanner::deletesEvenInTrashMode(item.url, home)
                          ? "\tdeleted for good: it lies in the Trash or a temporary folder"
                          : "")
                  << "\n";
        total += item.sizeBytes < 0 ? 0 : item.sizeBytes;
    }
    std::cout << items.size() << " items, " << DiskFormat::bytes(total) << " in all.\n"
              << "Dry run: nothing was changed. Add --yes to clean.\n";
}

void printOutcome(const MacStorageScanner& scanner, const std::vector<CleanItem>& items, std::size_t newRecords)
{
    const auto& history = scanner.recentPurgeRecords();
    for (const auto& item : items) {
        const std::string path = displayable(item.url);
        if (!scanner.sessionCleanedPaths().count(item.url)) {
            std::cout << "  skipped (left in place)\t" << path << "\n";
            continue;
        }
        const PurgeHistoryRecord* record = nullptr;
        for (std::size_t i = 0; i < newRecords && i < history.size() && !record; ++i)
            if (history[i].originalURL == item.url)
                record = &history[i];
        if (record)
            std::cout << "  moved to the Trash\t" << path << " -> " << displayable(record->trashedURL) << "\n";
        else
            std::cout << "  removed\t" << path << "\n";
    }
    if (scanner.lastPurgeBanner())
        std::cout << *scanner.lastPurgeBanner() << "\n";
}

} // namespace

int runClean(const Arguments& args)
{
    ArgumentReader reader(args);
    MacStorageScanner::Options options = readEngineOptions(reader);
    options.pacePurges = false; // pauses only help people watching a progress bar
    if (!reader.ok())
        return reader.usage();
    const auto what = reader.option("--what", "a list");
    if (!what)
        return usage("clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all");
    const auto choice = choices().find(*what);
    if (choice == choices().end())
        return usage("unknown --what '" + *what + "'");
    const bool deleteForGood = reader.flag("--delete");
    const bool confirmed = reader.flag("--yes");
    reader.expectNothingLeft();
    if (!reader.ok())
        return reader.usage();

    MacStorageScanner scanner(options);
    runScanToCompletion(scanner);
    if (choice->second.select)
        choice->second.select(scanner);
    const std::vector<CleanItem> items = choice->second.items(scanner);
    if (items.empty()) {
        std::cout << "Nothing selected to clean.\n";
        return 0;
    }
    if (!confirmed) {
        printPlan(items, !deleteForGood, scanner.homeURL());
        return 0;
    }

    scanner.setMoveToTrashByDefault(!deleteForGood);
    const std::size_t recordsBefore = scanner.recentPurgeRecords().size();
    runCleanToCompletion(scanner, choice->second.run);
    printOutcome(scanner, items, scanner.recentPurgeRecords().size() - recordsBefore);
    return scanner.lastSkippedCount() > 0 ? 1 : 0;
}

} // namespace cli
