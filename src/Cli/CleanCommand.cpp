// quillmere-cli clean: scans, takes what the scan selects, and cleans it with the same
// commands and executor as the window. Without --yes it only lists what it would do.
#include "Cli/CliCommands.h"
#include "Cli/CliLanguage.h"
#include "Cli/EngineOptions.h"
#include "Cli/ProgressLine.h"
#include "Cli/RecordJson.h"
#include "L10n/MessageRenderer.h"
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
    std::function<void(SelectionState&)> select; // beyond what the scan preselects
    CleanTarget target;
};

const std::map<std::string, CleanChoice>& choices()
{
    static const std::map<std::string, CleanChoice> table = {
        {"safe", {{}, CleanTarget::safeCaches}},
        {"bloat", {{}, CleanTarget::projectBloats}},
        {"duplicates", {{}, CleanTarget::duplicates}},
        {"large", {{}, CleanTarget::largeFiles}},
        // The scan selects no application; these pick what the window's select-all picks.
        {"app-cache", {[](SelectionState& s) { s.setAllInstalledApps(true, true); }, CleanTarget::appCaches}},
        {"app-uninstall", {[](SelectionState& s) { s.setAllInstalledApps(true, false); }, CleanTarget::appUninstall}},
        {"all", {{}, CleanTarget::everything}},
    };
    return table;
}

// The progress line exists before the clean starts: its first drawing shows the clean's
// start, whatever the clean has done by the time the event loop runs.
void runCleanToCompletion(StorageEngine& scanner, CleanTarget target)
{
    const ProgressLine progress(scanner, ProgressLine::Activity::clean);
    scanner.commands().clean(target);
    QObject::connect(&scanner.cleaner(), &CleanRunner::isCleaningChanged, &scanner, [&scanner] {
        if (!scanner.cleaner().isCleaning())
            QCoreApplication::quit();
    });
    if (scanner.cleaner().isCleaning())
        QCoreApplication::exec();
}

void printPlan(const std::vector<CleanItem>& items, bool toTrash, const Path& home)
{
    std::cout << (toTrash ? "Would move to the Trash:\n" : "Would delete for good:\n");
    Int64 total = 0;
    for (const auto& item : items) {
        if (item.userFlatpakId || item.systemPackage)
            continue; // listed below: its tool removes it, and nothing comes back from that
        std::cout << "  " << DiskFormat::bytes(item.sizeBytes) << "\t" << displayable(item.url) << "\t("
                  << displayable(renderMessageOr(item.nameRef, item.name, language())) << ")"
                  << (item.mergeIntoOriginal ? "\tmerged in place with " + displayable(item.keptOriginal->url) : "")
                  << (toTrash && CleanRunner::deletesEvenInTrashMode(item.url, home)
                          ? "\tdeleted for good: it lies in the Trash or a temporary folder"
                          : "")
                  << "\n";
        total += item.sizeBytes < 0 ? 0 : item.sizeBytes;
    }
    for (const auto& item : items) {
        if (item.userFlatpakId)
            std::cout << "  " << DiskFormat::bytes(item.sizeBytes) << "\twould run flatpak uninstall --user "
                      << displayable(*item.userFlatpakId) << " (cannot be restored)\t(" << displayable(item.name)
                      << ")\n";
        else if (item.systemPackage)
            std::cout << "  " << DiskFormat::bytes(item.sizeBytes) << "\twould ask PackageKit to remove the package "
                      << displayable(*item.systemPackage) << " (cannot be restored)\t(" << displayable(item.name)
                      << ")\n";
        else
            continue;
        total += item.sizeBytes < 0 ? 0 : item.sizeBytes;
    }
    std::cout << items.size() << " items, " << DiskFormat::bytes(total) << " in all.\n"
              << "Dry run: nothing was changed. Add --yes to clean.\n";
}

// Why an item stayed, in the words of this program's users.
std::string reasonText(const CleanItemReport& report)
{
    switch (report.reason) {
    case CleanSkipReason::none:
        return "";
    case CleanSkipReason::offLimits:
        return "the home folder, a folder holding it, or the Trash's own folders are never cleaned";
    case CleanSkipReason::outsideRoots:
        return "it lies outside the home and Applications folders";
    case CleanSkipReason::reachedThroughLink:
        return "a folder on the way to it is a symbolic link";
    case CleanSkipReason::unreadable:
        return "it could not be examined";
    case CleanSkipReason::changedSinceScan:
        return "changed since the scan";
    case CleanSkipReason::originalChanged:
        return "the original its duplicate group keeps changed since the scan or is gone";
    case CleanSkipReason::lastCopyOfDuplicate:
        return "it would leave its duplicate group without any copy";
    case CleanSkipReason::mountPoint:
        return "another file system is mounted there";
    case CleanSkipReason::trashUnusable:
        return "the Trash (or its files/ or info/ folder) is a link or cannot be made";
    case CleanSkipReason::trashNotMeasured:
        return "the scan did not measure the Trash";
    case CleanSkipReason::anotherCleanRunning:
        return "another clean or restore is running";
    case CleanSkipReason::lockUnavailable:
        return "the clean lock could not be taken: " + owned::refusalText(report.error);
    case CleanSkipReason::historyUnwritable:
        return "the restore history cannot be written: " + owned::refusalText(report.error);
    case CleanSkipReason::trashProtectionUnknown:
        return "the restore history or the Trash's info files cannot be read, so nothing in the Trash is known to "
               "be safe to empty";
    case CleanSkipReason::notAnAppId:
        return "its app id is not one the removal tool may be given";
    case CleanSkipReason::removalToolMissing:
        return "its removal tool (flatpak) is not installed";
    case CleanSkipReason::appStillThere:
        return "flatpak uninstall reported success, but the app's folder is still there";
    case CleanSkipReason::removalToolFailed:
        return "flatpak uninstall failed (exit status " + std::to_string(report.toolExitStatus) + ")";
    case CleanSkipReason::copyDiffers:
        return "the kernel found that its bytes differ from the original's";
    case CleanSkipReason::mergeUnsupported:
        return "this file system cannot merge copies in place" +
               (report.error ? " (" + std::string(std::strerror(report.error)) + ")" : std::string());
    case CleanSkipReason::failed:
        return report.error ? std::strerror(report.error) : "the file system refused";
    }
    return "";
}

void printOutcome(const StorageEngine& scanner)
{
    for (const auto& report : scanner.cleaner().lastCleanReport()) {
        const std::string path = displayable(report.url);
        const std::string trashed = report.trashedAt ? " -> " + displayable(*report.trashedAt) : "";
        switch (report.result) {
        case CleanItemResult::cleaned:
            if (report.mergedInPlace)
                std::cout << "  merged in place (nothing to restore)\t" << path << "\n";
            else if (report.trashedAt)
                std::cout << "  moved to the Trash\t" << path << trashed << "\n";
            else
                std::cout << (report.wasAlreadyGone ? "  already gone\t" : "  removed\t") << path << "\n";
            break;
        case CleanItemResult::partlyCleaned:
            std::cout << "  partly cleaned (" << report.entriesLeft << " entries, "
                      << DiskFormat::bytes(report.bytesLeft) << " left)\t" << path << trashed << "\t"
                      << reasonText(report) << "\n";
            break;
        case CleanItemResult::skipped:
            std::cout << "  skipped (left in place)\t" << path << "\t" << reasonText(report) << "\n";
            break;
        }
    }
    if (scanner.cleaner().lastCleanBanner())
        std::cout << renderMessages(scanner.cleaner().lastCleanBannerParts(), language()) << "\n";
}

bool anotherCleanWasRunning(const StorageEngine& scanner)
{
    const auto& reports = scanner.cleaner().lastCleanReport();
    return std::any_of(reports.begin(), reports.end(), [](const CleanItemReport& report) {
        return report.reason == CleanSkipReason::anotherCleanRunning;
    });
}

// Why a clean stopped before its first item (the lock or the history refused), when it did.
std::optional<std::string> refusalBeforeTheFirstItem(const StorageEngine& scanner)
{
    const auto& reports = scanner.cleaner().lastCleanReport();
    if (reports.empty())
        return std::nullopt;
    const CleanItemReport& first = reports.front();
    if (first.reason == CleanSkipReason::lockUnavailable)
        return "the clean lock " + displayable(CleanRunner::cleanLockPath()) + " could not be taken (" +
               owned::refusalText(first.error) + ")";
    if (first.reason == CleanSkipReason::historyUnwritable)
        return "the restore history " + displayable(scanner.cleaner().cleanHistoryPath()) + " cannot be written (" +
               owned::refusalText(first.error) + ")";
    return std::nullopt;
}

} // namespace

int runClean(const Arguments& args)
{
    ArgumentReader reader(args);
    StorageEngine::Options options = readEngineOptions(reader);
    options.paceCleans = false; // pauses only help people watching a progress bar
    if (!reader.ok())
        return reader.usage();
    const auto what = reader.option("--what", "a list");
    if (!what)
        return usage("clean needs --what safe|bloat|duplicates|large|app-cache|app-uninstall|all");
    const auto choice = choices().find(*what);
    if (choice == choices().end())
        return usage("unknown --what '" + *what + "'");
    const bool deleteForGood = reader.flag("--delete");
    const bool merge = reader.flag("--merge");
    const bool confirmed = reader.flag("--yes");
    reader.expectNothingLeft();
    if (!reader.ok())
        return reader.usage();

    StorageEngine scanner(options);
    if (merge)
        scanner.commands().setCopyMerging(CopyMerging::always);
    runScanToCompletion(scanner);
    if (choice->second.select)
        choice->second.select(scanner.selection());
    const std::vector<CleanItem> items = scanner.commands().items(choice->second.target);
    if (items.empty()) {
        std::cout << "Nothing selected to clean.\n";
        return 0;
    }
    if (!confirmed) {
        printPlan(items, !deleteForGood, scanner.homePath());
        return 0;
    }

    scanner.cleaner().setMoveToTrashByDefault(!deleteForGood);
    runCleanToCompletion(scanner, choice->second.target);
    if (anotherCleanWasRunning(scanner)) {
        std::cerr << "quillmere-cli: another clean or restore is running for this user; nothing was changed\n";
        return 1;
    }
    if (const auto refusal = refusalBeforeTheFirstItem(scanner)) {
        std::cerr << "quillmere-cli: " << *refusal << "; nothing was changed\n";
        return 1;
    }
    printOutcome(scanner);
    if (scanner.cleaner().lastHistoryError() != 0)
        std::cerr << "quillmere-cli: the restore history stopped taking records ("
                  << owned::refusalText(scanner.cleaner().lastHistoryError())
                  << "); the items after that were left in place. What went to the Trash before can be "
                     "restored from the desktop's Trash\n";
    return scanner.cleaner().lastSkippedCount() > 0 ? 1 : 0;
}

} // namespace cli
