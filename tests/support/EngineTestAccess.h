#pragma once
// Test-side access to the engine: lists seeded the way a scan would publish them,
// the private restore step, and an engine set up for a test home.

#include "Services/MacStorageScanner.h"
#include "support/EngineWait.h"

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
    static void setOverview(MacStorageScanner& s, DiskOverview v) { s.setOverview(std::move(v)); }
    // The state a scan publishes while it runs, without one running.
    static void setIsScanning(MacStorageScanner& s, bool v) { s.setIsScanning(v); }
    static bool restoreTrashedItem(const URL& trashed, const URL& original, const URL& home)
    {
        return MacStorageScanner::restoreTrashedItem(trashed, original, home);
    }
};
using EngineAccess = MacStorageScannerTestAccess;

// An engine on a test home, without pauses between cleaned items.
inline MacStorageScanner::Options testOptions(const std::string& home)
{
    MacStorageScanner::Options options;
    options.home = home;
    options.applications = home + "/Applications";
    options.pacePurges = false;
    return options;
}
