// quillmere-cli clean: scans, takes what the scan selects, and cleans it with the same
// commands and executor as the window. Without --yes it only lists what it would do.
#include "Cli/CliCommands.h"
#include "Cli/CliLanguage.h"
#include "Cli/CliText.h"
#include "Cli/EngineOptions.h"
#include "Cli/ProgressLine.h"
#include "Cli/RecordJson.h"
#include "L10n/MessageRenderer.h"
#include "Models/DiskFormat.h"

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
    std::cout << say(toTrash ? "cli.clean.planTrash" : "cli.clean.planDelete") << "\n";
    Int64 total = 0;
    for (const auto& item : items) {
        if (item.userFlatpakId || item.systemPackage)
            continue; // listed below: its tool removes it, and nothing comes back from that
        std::cout << "  " << DiskFormat::bytes(item.sizeBytes) << "\t" << displayable(item.url) << "\t("
                  << displayable(renderMessageOr(item.nameRef, item.name, language())) << ")"
                  << (item.mergeIntoOriginal ? "\t" + say("cli.clean.planMerged", {displayable(item.keptOriginal->url)})
                                             : "")
                  << (toTrash && CleanRunner::deletesEvenInTrashMode(item.url, home)
                          ? "\t" + say("cli.clean.planDeletedAnyway")
                          : "")
                  << "\n";
        total += item.sizeBytes < 0 ? 0 : item.sizeBytes;
    }
    for (const auto& item : items) {
        if (item.userFlatpakId)
            std::cout << "  " << DiskFormat::bytes(item.sizeBytes) << "\t"
                      << say("cli.clean.planFlatpak", {displayable(*item.userFlatpakId)}) << "\t("
                      << displayable(renderMessageOr(item.nameRef, item.name, language())) << ")\n";
        else if (item.systemPackage)
            std::cout << "  " << DiskFormat::bytes(item.sizeBytes) << "\t"
                      << say("cli.clean.planPackage", {displayable(*item.systemPackage)}) << "\t("
                      << displayable(renderMessageOr(item.nameRef, item.name, language())) << ")\n";
        else
            continue;
        total += item.sizeBytes < 0 ? 0 : item.sizeBytes;
    }
    std::cout << sayCount("cli.clean.planTotal", std::int64_t(items.size()), {DiskFormat::bytes(total)}) << "\n"
              << say("cli.clean.dryRun") << "\n";
}

// Why an item stayed, in the words of this program's users.
std::string reasonText(const CleanItemReport& report)
{
    switch (report.reason) {
    case CleanSkipReason::none:
        return "";
    case CleanSkipReason::offLimits:
        return say("cli.reason.offLimits");
    case CleanSkipReason::outsideRoots:
        return say("cli.reason.outsideRoots");
    case CleanSkipReason::reachedThroughLink:
        return say("cli.reason.throughLink");
    case CleanSkipReason::unreadable:
        return say("cli.reason.unreadable");
    case CleanSkipReason::changedSinceScan:
        return say("cli.reason.changedSinceScan");
    case CleanSkipReason::originalChanged:
        return say("cli.reason.originalChanged");
    case CleanSkipReason::lastCopyOfDuplicate:
        return say("cli.reason.lastCopy");
    case CleanSkipReason::mountPoint:
        return say("cli.reason.mountPoint");
    case CleanSkipReason::trashUnusable:
        return say("cli.reason.trashUnusable");
    case CleanSkipReason::trashNotMeasured:
        return say("cli.reason.trashNotMeasured");
    case CleanSkipReason::anotherCleanRunning:
        return say("cli.reason.anotherClean");
    case CleanSkipReason::lockUnavailable:
        return say("cli.reason.lockUnavailable", {refusal(report.error)});
    case CleanSkipReason::historyUnwritable:
        return say("cli.reason.historyUnwritable", {refusal(report.error)});
    case CleanSkipReason::trashProtectionUnknown:
        return say("cli.reason.trashProtectionUnknown");
    case CleanSkipReason::notAnAppId:
        return say("cli.reason.notAnAppId");
    case CleanSkipReason::removalToolMissing:
        return say("cli.reason.removalToolMissing");
    case CleanSkipReason::appStillThere:
        return say("cli.reason.appStillThere");
    case CleanSkipReason::removalToolFailed:
        return say("cli.reason.removalToolFailed", {std::to_string(report.toolExitStatus)});
    case CleanSkipReason::copyDiffers:
        return say("cli.reason.copyDiffers");
    case CleanSkipReason::mergeUnsupported:
        return report.error ? say("cli.reason.mergeUnsupportedBecause", {std::strerror(report.error)})
                            : say("cli.reason.mergeUnsupported");
    case CleanSkipReason::failed:
        return report.error ? std::string(std::strerror(report.error)) : say("cli.reason.refused");
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
                std::cout << "  " << say("cli.clean.mergedInPlace") << "\t" << path << "\n";
            else if (report.trashedAt)
                std::cout << "  " << say("cli.clean.movedToTrash") << "\t" << path << trashed << "\n";
            else
                std::cout << "  " << say(report.wasAlreadyGone ? "cli.clean.alreadyGone" : "cli.clean.removed") << "\t"
                          << path << "\n";
            break;
        case CleanItemResult::partlyCleaned:
            std::cout << "  "
                      << sayCount("cli.clean.partlyCleaned", report.entriesLeft, {DiskFormat::bytes(report.bytesLeft)})
                      << "\t" << path << trashed << "\t" << reasonText(report) << "\n";
            break;
        case CleanItemResult::skipped:
            std::cout << "  " << say("cli.clean.skipped") << "\t" << path << "\t" << reasonText(report) << "\n";
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
        return say("cli.clean.lockRefused", {displayable(CleanRunner::cleanLockPath()), refusal(first.error)});
    if (first.reason == CleanSkipReason::historyUnwritable)
        return say("cli.clean.historyRefused",
                   {displayable(scanner.cleaner().cleanHistoryPath()), refusal(first.error)});
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
    const auto what = reader.option("--what", "cli.error.needsList");
    if (!what)
        return usage(say("cli.error.cleanNeedsWhat"));
    const auto choice = choices().find(*what);
    if (choice == choices().end())
        return usage(say("cli.error.unknownWhat", {*what}));
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
        std::cout << say("cli.clean.nothingSelected") << "\n";
        return 0;
    }
    if (!confirmed) {
        printPlan(items, !deleteForGood, scanner.homePath());
        return 0;
    }

    scanner.cleaner().setMoveToTrashByDefault(!deleteForGood);
    runCleanToCompletion(scanner, choice->second.target);
    if (anotherCleanWasRunning(scanner)) {
        std::cerr << "quillmere-cli: " << say("cli.clean.anotherRunning") << "\n";
        return 1;
    }
    if (const auto refusal = refusalBeforeTheFirstItem(scanner)) {
        std::cerr << "quillmere-cli: " << *refusal << "\n";
        return 1;
    }
    printOutcome(scanner);
    if (scanner.cleaner().lastHistoryError() != 0)
        std::cerr << "quillmere-cli: "
                  << say("cli.clean.historyStopped", {refusal(scanner.cleaner().lastHistoryError())}) << "\n";
    return scanner.cleaner().lastSkippedCount() > 0 ? 1 : 0;
}

} // namespace cli
