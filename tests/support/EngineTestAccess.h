#pragma once
// Test-side access to the engine: lists seeded the way a scan would publish them,
// the private restore step, and an engine set up for a test home.

#include "Services/MacStorageScanner.h"
#include "Services/ScanStamps.h"
#include "support/EngineWait.h"

struct MacStorageScannerTestAccess {
    // Seeding a list also records what stands at its paths, as a scan does when it publishes.
    static void setRuleCards(MacStorageScanner& s, std::vector<SafeCacheRuleCard> v)
    {
        s.setRuleCards(std::move(v));
        stampPublishedLists(s);
    }
    static void setProjectBloats(MacStorageScanner& s, std::vector<ProjectBloatItem> v)
    {
        s.setProjectBloats(std::move(v));
        stampPublishedLists(s);
    }
    static void setDuplicateGroups(MacStorageScanner& s, std::vector<DuplicateFileGroup> v)
    {
        s.setDuplicateGroups(std::move(v));
        stampPublishedLists(s);
    }
    static void setLargeFiles(MacStorageScanner& s, std::vector<LargeFileItem> v)
    {
        s.setLargeFiles(std::move(v));
        stampPublishedLists(s);
    }
    static void setInstalledApps(MacStorageScanner& s, std::vector<InstalledAppItem> v)
    {
        s.setInstalledApps(std::move(v));
        stampPublishedLists(s);
    }
    static void stampPublishedLists(MacStorageScanner& s)
    {
        ScanStamps stamps({s.homeURL(), s.applicationsURL()});
        for (const auto& card : s.ruleCards())
            for (const auto& item : card.subItems)
                stamps.record(item.url);
        for (const auto& bloat : s.projectBloats())
            stamps.record(bloat.url);
        for (const auto& group : s.duplicateGroups())
            for (const auto& member : group.members)
                stamps.record(member.url);
        for (const auto& file : s.largeFiles())
            stamps.record(file.url);
        for (const auto& app : s.installedApps()) {
            stamps.record(app.appURL);
            for (const auto& orphan : app.orphanURLs)
                stamps.record(orphan);
        }
        s.scannedStamps_ = stamps.stamps();
    }
    static void setSessionTotalFreedBytes(MacStorageScanner& s, Int64 v) { s.setSessionTotalFreedBytes(v); }
    static void setOverview(MacStorageScanner& s, DiskOverview v) { s.setOverview(std::move(v)); }
    // The state a scan publishes while it runs, without one running.
    static void setIsScanning(MacStorageScanner& s, bool v) { s.setIsScanning(v); }
    static bool restoreTrashedItem(const URL& trashed, const URL& original, const URL& home)
    {
        return MacStorageScanner::restoreTrashedItem(trashed, original, home, {home}, std::nullopt).result ==
               MacStorageScanner::ItemRestore::Result::restored;
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
