// quillmere-cli clean: scans, takes what the scan selects, and cleans it with the same
// commands and executor as the window. Without --yes it only lists what it would do.
#include "Cli/CliCommands.h"
#include "Cli/EngineOptions.h"
#include "Cli/ProgressLine.h"
#include "Cli/RecordJson.h"
#include "Models/DiskFormat.h"
#include "Platform/OwnedPath.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
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
        if (item.userFlatpakId)
            continue; // listed below: its tool removes it, and nothing comes back from that
        std::cout << "  " << DiskFormat::bytes(item.sizeBytes) << "\t" << displayable(item.url) << "\t("
                  << displayable(item.name) << ")"
                  << (toTrash && MacStorageScanner::deletesEvenInTrashMode(item.url, home)
                          ? "\tdeleted for good: it lies in the Trash or a temporary folder"
                          : "")
                  << "\n";
        total += item.sizeBytes < 0 ? 0 : item.sizeBytes;
    }
    for (const auto& item : items) {
        if (!item.userFlatpakId)
            continue;
        std::cout << "  " << DiskFormat::bytes(item.sizeBytes) << "\twould run flatpak uninstall --user "
                  << displayable(*item.userFlatpakId) << " (cannot be restored)\t(" << displayable(item.name) << ")\n";
        total += item.sizeBytes < 0 ? 0 : item.sizeBytes;
    }
    std::cout << items.size() << " items, " << DiskFormat::bytes(total) << " in all.\n"
              << "Dry run: nothing was changed. Add --yes to clean.\n";
}

// Why an item stayed, in the words of this program's users.
std::string reasonText(const PurgeItemReport& report)
{
    switch (report.reason) {
    case PurgeSkipReason::none:
        return "";
    case PurgeSkipReason::offLimits:
        return "the home folder, a folder holding it, or the Trash's own folders are never cleaned";
    case PurgeSkipReason::outsideRoots:
        return "it lies outside the home and Applications folders";
    case PurgeSkipReason::reachedThroughLink:
        return "a folder on the way to it is a symbolic link";
    case PurgeSkipReason::unreadable:
        return "it could not be examined";
    case PurgeSkipReason::changedSinceScan:
        return "changed since the scan";
    case PurgeSkipReason::originalChanged:
        return "the original its duplicate group keeps changed since the scan or is gone";
    case PurgeSkipReason::lastCopyOfDuplicate:
        return "it would leave its duplicate group without any copy";
    case PurgeSkipReason::mountPoint:
        return "another file system is mounted there";
    case PurgeSkipReason::trashUnusable:
        return "the Trash (or its files/ or info/ folder) is a link or cannot be made";
    case PurgeSkipReason::trashNotMeasured:
        return "the scan did not measure the Trash";
    case PurgeSkipReason::anotherCleanRunning:
        return "another clean or restore is running";
    case PurgeSkipReason::lockUnavailable:
        return "the clean lock could not be taken: " + owned::refusalText(report.error);
    case PurgeSkipReason::historyUnwritable:
        return "the restore history cannot be written: " + owned::refusalText(report.error);
    case PurgeSkipReason::trashProtectionUnknown:
        return "the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to "
               "be safe to empty";
    case PurgeSkipReason::notAnAppId:
        return "its app id is not one the removal tool may be given";
    case PurgeSkipReason::removalToolMissing:
        return "its removal tool (flatpak) is not installed";
    case PurgeSkipReason::appStillThere:
        return "flatpak uninstall reported success, but the app's folder is still there";
    case PurgeSkipReason::removalToolFailed:
        return "flatpak uninstall failed (exit status " + std::to_string(report.toolExitStatus) + ")";
    case PurgeSkipReason::failed:
        return report.error ? std::strerror(report.error) : "the file system refused";
    }
    return "";
}

void printOutcome(const MacStorageScanner& scanner)
{
    for (const auto& report : scanner.lastPurgeReport()) {
        const std::string path = displayable(report.url);
        const std::string trashed = report.trashedAt ? " -> " + displayable(*report.trashedAt) : "";
        switch (report.result) {
        case PurgeItemResult::cleaned:
            if (report.trashedAt)
                std::cout << "  moved to the Trash\t" << path << trashed << "\n";
            else
                std::cout << (report.wasAlreadyGone ? "  already gone\t" : "  removed\t") << path << "\n";
            break;
        case PurgeItemResult::partlyCleaned:
            std::cout << "  partly cleaned (" << report.entriesLeft << " entries, "
                      << DiskFormat::bytes(report.bytesLeft) << " left)\t" << path << trashed << "\t"
                      << reasonText(report) << "\n";
            break;
        case PurgeItemResult::skipped:
            std::cout << "  skipped (left in place)\t" << path << "\t" << reasonText(report) << "\n";
            break;
        }
    }
    if (scanner.lastPurgeBanner())
        std::cout << *scanner.lastPurgeBanner() << "\n";
}

bool anotherCleanWasRunning(const MacStorageScanner& scanner)
{
    const auto& reports = scanner.lastPurgeReport();
    return std::any_of(reports.begin(), reports.end(), [](const PurgeItemReport& report) {
        return report.reason == PurgeSkipReason::anotherCleanRunning;
    });
}

// Why a clean stopped before its first item (the lock or the history refused), when it did.
std::optional<std::string> refusalBeforeTheFirstItem(const MacStorageScanner& scanner)
{
    const auto& reports = scanner.lastPurgeReport();
    if (reports.empty())
        return std::nullopt;
    const PurgeItemReport& first = reports.front();
    if (first.reason == PurgeSkipReason::lockUnavailable)
        return "the clean lock " + displayable(MacStorageScanner::cleanLockPath()) + " could not be taken (" +
               owned::refusalText(first.error) + ")";
    if (first.reason == PurgeSkipReason::historyUnwritable)
        return "the restore history " + displayable(scanner.purgeHistoryPath()) + " cannot be written (" +
               owned::refusalText(first.error) + ")";
    return std::nullopt;
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
    runCleanToCompletion(scanner, choice->second.run);
    if (anotherCleanWasRunning(scanner)) {
        std::cerr << "quillmere-cli: another clean or restore is running for this user; nothing was changed\n";
        return 1;
    }
    if (const auto refusal = refusalBeforeTheFirstItem(scanner)) {
        std::cerr << "quillmere-cli: " << *refusal << "; nothing was changed\n";
        return 1;
    }
    printOutcome(scanner);
    if (scanner.lastHistoryError() != 0)
        std::cerr << "quillmere-cli: the restore history stopped taking records ("
                  << owned::refusalText(scanner.lastHistoryError())
                  << "); the items after that were left in place. What went to the Trash before can be "
                     "restored from the desktop's Trash\n";
    return scanner.lastSkippedCount() > 0 ? 1 : 0;
}

} // namespace cli
