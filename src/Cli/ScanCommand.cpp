// quillmere-cli scan: the same instant scan as the window, printed whole.
#include "Cli/CliCommands.h"
#include "Cli/CliLanguage.h"
#include "Cli/EngineOptions.h"
#include "Cli/RecordJson.h"
#include "L10n/QuillmereL10n.h"
#include "Models/DiskFormat.h"

#include <iostream>

namespace cli {

namespace {

Json scanReport(const StorageEngine& scanner)
{
    Json report;
    report["home"] = displayable(scanner.homePath());
    report["overview"] = toJson(scanner.results().overview());
    const SelectionState& selection = scanner.selection();
    report["ruleCards"] = toJson(scanner.results().ruleCards(), selection);
    report["projectBloats"] = toJson(scanner.results().projectBloats(), selection);
    report["installedApps"] = toJson(scanner.results().installedApps(), selection);
    report["sunburstSlices"] = toJson(scanner.results().sunburstSlices());
    report["largeFiles"] = toJson(scanner.results().largeFiles(), selection);
    report["duplicateGroups"] = toJson(scanner.results().duplicateGroups(), selection);
    Json totals;
    totals["totalScannedSafeBytes"] = scanner.results().totalScannedSafeBytes();
    totals["totalSelectedSafeBytes"] = scanner.selection().totalSelectedSafeBytes();
    totals["totalScannedBloatBytes"] = scanner.results().totalScannedBloatBytes();
    totals["totalSelectedBloatBytes"] = scanner.selection().totalSelectedBloatBytes();
    totals["totalScannedDuplicateBytes"] = scanner.results().totalScannedDuplicateBytes();
    totals["totalSelectedDuplicateBytes"] = scanner.selection().totalSelectedDuplicateBytes();
    totals["totalScannedLargeFileBytes"] = scanner.results().totalScannedLargeFileBytes();
    totals["totalSelectedLargeFileBytes"] = scanner.selection().totalSelectedLargeFileBytes();
    totals["totalScannedAppOrphanBytes"] = scanner.results().totalScannedAppOrphanBytes();
    totals["totalSelectedAppOrphanBytes"] = scanner.selection().totalSelectedAppOrphanBytes();
    totals["totalSelectedUninstallBytes"] = scanner.selection().totalSelectedUninstallBytes();
    totals["totalMasterSmartCleanBytes"] = scanner.selection().totalMasterSmartCleanBytes();
    totals["grandTotalDiscoverableBytes"] = scanner.results().grandTotalDiscoverableBytes();
    report["totals"] = totals;
    report["currentScanningPath"] = scanner.currentScanningPath();
    report["scanStatusText"] = scanner.scanStatusText();
    return report;
}

// The readable report names cards and items in the chosen language; JSON keeps the
// engine's words for scripts.
void localizeForReading(Json& report)
{
    const QuillmereL10n l10n(language());
    for (Json& card : report["ruleCards"]) {
        card["title"] = l10n.localizeCardTitle(card["title"].get<std::string>());
        card["protectionPromise"] = l10n.localizeCardPromise(card["protectionPromise"].get<std::string>());
        for (Json& item : card["subItems"])
            item["name"] = l10n.localizeSubItemName(item["name"].get<std::string>());
    }
}

} // namespace

int runScan(const Arguments& args)
{
    ArgumentReader reader(args);
    const StorageEngine::Options options = readEngineOptions(reader);
    const bool json = reader.flag("--json");
    reader.expectNothingLeft();
    if (!reader.ok())
        return reader.usage();

    StorageEngine scanner(options);
    runScanToCompletion(scanner);
    Json report = scanReport(scanner);
    if (!json)
        localizeForReading(report);
    printDocument(report, json);
    return 0;
}

} // namespace cli
