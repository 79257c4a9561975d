#pragma once
// Test-side access to the engine: lists seeded the way a scan would publish them,
// the private restore step, and waiting for background work on the event loop.

#include "Services/MacStorageScanner.h"

#include <QEventLoop>
#include <QTimer>

struct MacStorageScannerTestAccess {
    static void setRuleCards(MacStorageScanner& s, std::vector<SafeCacheRuleCard> v) { s.setRuleCards(std::move(v)); }
    static void setProjectBloats(MacStorageScanner& s, std::vector<ProjectBloatItem> v)
    {
        s.setProjectBloats(std::move(v));
    }
    static void setDuplicateGroups(MacStorageScanner& s, std::vector<DuplicateFileGroup> v)
    {
        s.setDuplicateGroups(std::move(v));
    }
    static void setLargeFiles(MacStorageScanner& s, std::vector<LargeFileItem> v) { s.setLargeFiles(std::move(v)); }
    static void setInstalledApps(MacStorageScanner& s, std::vector<InstalledAppItem> v)
    {
        s.setInstalledApps(std::move(v));
    }
    static void setSessionTotalFreedBytes(MacStorageScanner& s, Int64 v) { s.setSessionTotalFreedBytes(v); }
    static bool restoreTrashedItem(const URL& trashed, const URL& original, const URL& home)
    {
        return MacStorageScanner::restoreTrashedItem(trashed, original, home);
    }
};
using EngineAccess = MacStorageScannerTestAccess;

// Spins the event loop until `done` holds or the (generous) time is up.
template <typename Signal, typename Done>
inline bool waitUntil(MacStorageScanner& scanner, Signal signal, Done done, int timeoutMs = 60000)
{
    if (done())
        return true;
    QEventLoop loop;
    QObject::connect(&scanner, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

inline bool waitForClean(MacStorageScanner& scanner)
{
    return waitUntil(scanner, &MacStorageScanner::isPurgingAnimationChanged,
                     [&] { return !scanner.isPurgingAnimation(); });
}

inline bool waitForScan(MacStorageScanner& scanner)
{
    return waitUntil(scanner, &MacStorageScanner::isScanningChanged, [&] { return !scanner.isScanning(); });
}

// An engine on a test home, without pauses between cleaned items.
inline MacStorageScanner::Options testOptions(const std::string& home)
{
    MacStorageScanner::Options options;
    options.home = home;
    options.applications = home + "/Applications";
    options.pacePurges = false;
    return options;
}
