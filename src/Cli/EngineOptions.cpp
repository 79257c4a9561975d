#include "Cli/EngineOptions.h"
#include "Cli/ProgressLine.h"

#include <QCoreApplication>

namespace cli {

MacStorageScanner::Options readEngineOptions(ArgumentReader& reader)
{
    MacStorageScanner::Options options;
    if (auto home = reader.folderOption("--home"))
        options.home = std::move(*home);
    if (auto applications = reader.folderOption("--applications"))
        options.applications = std::move(*applications);
    return options;
}

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

} // namespace cli
