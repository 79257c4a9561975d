// quillmere-cli scan: the same instant scan as the window, printed whole.
#include "Cli/CliCommands.h"
#include "Cli/EngineOptions.h"
#include "Cli/RecordJson.h"
#include "Models/DiskFormat.h"

#include <iostream>

namespace cli {

namespace {

Json scanReport(const StorageEngine& scanner)
{
    Json report;
    report["home"] = displayable(scanner.homePath());
    report["overview"] = toJson(scanner.overview());
    report["ruleCards"] = toJson(scanner.ruleCards());
    report["projectBloats"] = toJson(scanner.projectBloats());
    report["installedApps"] = toJson(scanner.installedApps());
    report["sunburstSlices"] = toJson(scanner.sunburstSlices());
    report["largeFiles"] = toJson(scanner.largeFiles());
    report["duplicateGroups"] = toJson(scanner.duplicateGroups());
    Json totals;
    totals["totalScannedSafeBytes"] = scanner.totalScannedSafeBytes();
    totals["totalSelectedSafeBytes"] = scanner.totalSelectedSafeBytes();
    totals["totalScannedBloatBytes"] = scanner.totalScannedBloatBytes();
    totals["totalSelectedBloatBytes"] = scanner.totalSelectedBloatBytes();
    totals["totalScannedDuplicateBytes"] = scanner.totalScannedDuplicateBytes();
    totals["totalSelectedDuplicateBytes"] = scanner.totalSelectedDuplicateBytes();
    totals["totalScannedLargeFileBytes"] = scanner.totalScannedLargeFileBytes();
    totals["totalSelectedLargeFileBytes"] = scanner.totalSelectedLargeFileBytes();
    totals["totalScannedAppOrphanBytes"] = scanner.totalScannedAppOrphanBytes();
    totals["totalSelectedAppOrphanBytes"] = scanner.totalSelectedAppOrphanBytes();
    totals["totalSelectedUninstallBytes"] = scanner.totalSelectedUninstallBytes();
    totals["totalMasterSmartCleanBytes"] = scanner.totalMasterSmartCleanBytes();
    totals["grandTotalDiscoverableBytes"] = scanner.grandTotalDiscoverableBytes();
    report["totals"] = totals;
    report["currentScanningPath"] = scanner.currentScanningPath();
    report["scanStatusText"] = scanner.scanStatusText();
    return report;
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
    const Json report = scanReport(scanner);
    printDocument(report, json);
    return 0;
}

} // namespace cli
