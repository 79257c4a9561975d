// quillmere-cli scan: the same instant scan as the window, printed whole.
#include "Cli/CliCommands.h"
#include "Cli/ProgressLine.h"
#include "Cli/RecordJson.h"
#include "Models/DiskFormat.h"
#include "Services/MacStorageScanner.h"

#include <QCoreApplication>

#include <iostream>

namespace cli {

namespace {

Json scanReport(const MacStorageScanner& scanner)
{
    Json report;
    report["home"] = displayable(scanner.homeURL());
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
    totals["totalMasterSmartCleanBytes"] = scanner.totalMasterSmartCleanBytes();
    totals["grandTotalDiscoverableBytes"] = scanner.grandTotalDiscoverableBytes();
    report["totals"] = totals;
    report["currentScanningPath"] = scanner.currentScanningPath();
    report["scanStatusText"] = scanner.scanStatusText();
    return report;
}

} // namespace

// Runs one instant scan to its end on this thread's event loop.
void runScanToCompletion(MacStorageScanner& scanner)
{
    const ProgressLine progress(scanner, ProgressLine::Activity::scan);
    QObject::connect(&scanner, &MacStorageScanner::isScanningChanged, &scanner, [&scanner] {
        if (!scanner.isScanning())
            QCoreApplication::quit();
    });
    scanner.startInstantScan();
    if (scanner.isScanning())
        QCoreApplication::exec();
}

bool parseEngineOptions(Arguments& args, MacStorageScanner::Options& options, std::string& problem)
{
    bool ok = true;
    takeOption(args, "--home", options.home, ok);
    if (!ok) {
        problem = "--home needs a folder";
        return false;
    }
    takeOption(args, "--applications", options.applications, ok);
    if (!ok) {
        problem = "--applications needs a folder";
        return false;
    }
    return true;
}

bool parseReportOptions(Arguments& args, MacStorageScanner::Options& options, bool& json, std::string& problem)
{
    if (!parseEngineOptions(args, options, problem))
        return false;
    json = takeFlag(args, "--json");
    return true;
}

int runScan(const Arguments& input)
{
    Arguments args = input;
    MacStorageScanner::Options options;
    bool json = false;
    std::string problem;
    if (!parseReportOptions(args, options, json, problem))
        return usage(problem);
    if (!args.empty())
        return usage("unexpected argument '" + args.front() + "'");

    MacStorageScanner scanner(options);
    runScanToCompletion(scanner);
    const Json report = scanReport(scanner);
    printDocument(report, json);
    return 0;
}

} // namespace cli
