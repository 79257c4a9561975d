#pragma once
// Test-side access to the engine: lists seeded the way a scan would publish them,
// the private restore step, and an engine set up for a test home.

#include "Services/ScanStamps.h"
#include "Services/StorageEngine.h"
#include "support/EngineWait.h"

struct StorageEngineTestAccess {
    // Seeding a list also records what stands at its paths, as a scan does when it publishes.
    static void setRuleCards(StorageEngine& s, std::vector<SafeCacheRuleCard> v)
    {
        s.results_.setRuleCards(std::move(v));
        stampPublishedLists(s);
    }
    static void setProjectBloats(StorageEngine& s, std::vector<ProjectBloatItem> v)
    {
        s.results_.setProjectBloats(std::move(v));
        stampPublishedLists(s);
    }
    static void setDuplicateGroups(StorageEngine& s, std::vector<DuplicateFileGroup> v)
    {
        s.results_.setDuplicateGroups(std::move(v));
        stampPublishedLists(s);
    }
    static void setLargeFiles(StorageEngine& s, std::vector<LargeFileItem> v)
    {
        s.results_.setLargeFiles(std::move(v));
        stampPublishedLists(s);
    }
    static void setInstalledApps(StorageEngine& s, std::vector<InstalledAppItem> v)
    {
        s.results_.setInstalledApps(std::move(v));
        stampPublishedLists(s);
    }
    static void stampPublishedLists(StorageEngine& s)
    {
        ScanStamps stamps({s.homePath(), s.applicationsPath()});
        for (const auto& card : s.results().ruleCards())
            for (const auto& item : card.subItems)
                stamps.record(item.url);
        for (const auto& bloat : s.results().projectBloats())
            stamps.record(bloat.url);
        for (const auto& group : s.results().duplicateGroups())
            for (const auto& member : group.members)
                stamps.record(member.url);
        for (const auto& file : s.results().largeFiles())
            stamps.record(file.url);
        for (const auto& app : s.results().installedApps()) {
            stamps.record(app.appPath);
            for (const auto& orphan : app.orphanPaths)
                stamps.record(orphan);
        }
        s.results_.scannedStamps_ = stamps.stamps();
    }
    static void setSessionTotalFreedBytes(StorageEngine& s, Int64 v) { s.runner_.setSessionTotalFreedBytes(v); }
    static void setOverview(StorageEngine& s, DiskOverview v) { s.results_.setOverview(std::move(v)); }
    // The state a scan publishes while it runs, without one running.
    static void setIsScanning(StorageEngine& s, bool v) { s.setIsScanning(v); }
    static bool restoreTrashedItem(const Path& trashed, const Path& original, const Path& home)
    {
        return CleanRunner::restoreTrashedItem(trashed, original, home, {home}, std::nullopt).result ==
               CleanRunner::ItemRestore::Result::restored;
    }
};
using EngineAccess = StorageEngineTestAccess;

// An engine on a test home, without pauses between cleaned items.
inline StorageEngine::Options testOptions(const std::string& home)
{
    StorageEngine::Options options;
    options.home = home;
    options.applications = home + "/Applications";
    options.paceCleans = false;
    return options;
}
