#include "Cli/EngineOptions.h"
#include "Cli/ProgressLine.h"

#include "Platform/WalkPool.h"

#include <QCoreApplication>

namespace cli {

StorageEngine::Options readEngineOptions(ArgumentReader& reader)
{
    StorageEngine::Options options;
    if (auto home = reader.folderOption("--home"))
        options.home = std::move(*home);
    if (auto applications = reader.folderOption("--applications"))
        options.applications = std::move(*applications);
    readThreadsOption(reader);
    return options;
}

void readThreadsOption(ArgumentReader& reader)
{
    if (const auto threads = reader.number("--threads", 1, 64))
        WalkPool::shared().setThreadCount(*threads);
}

void runScanToCompletion(StorageEngine& scanner)
{
    const ProgressLine progress(scanner, ProgressLine::Activity::scan);
    QObject::connect(&scanner, &StorageEngine::isScanningChanged, &scanner, [&scanner] {
        if (!scanner.isScanning())
            QCoreApplication::quit();
    });
    scanner.startInstantScan();
    if (scanner.isScanning())
        QCoreApplication::exec();
}

} // namespace cli
