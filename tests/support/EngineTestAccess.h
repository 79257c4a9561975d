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
        s.setRuleCards(std::move(v));
        stampPublishedLists(s);
    }
    static void setProjectBloats(StorageEngine& s, std::vector<ProjectBloatItem> v)
    {
        s.setProjectBloats(std::move(v));
        stampPublishedLists(s);
    }
    static void setDuplicateGroups(StorageEngine& s, std::vector<DuplicateFileGroup> v)
    {
        s.setDuplicateGroups(std::move(v));
        stampPublishedLists(s);
    }
    static void setLargeFiles(StorageEngine& s, std::vector<LargeFileItem> v)
    {
        s.setLargeFiles(std::move(v));
        stampPublishedLists(s);
    }
    static void setInstalledApps(StorageEngine& s, std::vector<InstalledAppItem> v)
    {
        s.setInstalledApps(std::move(v));
        stampPublishedLists(s);
    }
    static void stampPublishedLists(StorageEngine& s)
    {
        ScanStamps stamps({s.homePath(), s.applicationsPath()});
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
            stamps.record(app.appPath);
            for (const auto& orphan : app.orphanPaths)
                stamps.record(orphan);
        }
        s.scannedStamps_ = stamps.stamps();
    }
    static void setSessionTotalFreedBytes(StorageEngine& s, Int64 v) { s.setSessionTotalFreedBytes(v); }
    static void setOverview(StorageEngine& s, DiskOverview v) { s.setOverview(std::move(v)); }
    // The state a scan publishes while it runs, without one running.
    static void setIsScanning(StorageEngine& s, bool v) { s.setIsScanning(v); }
    static bool restoreTrashedItem(const Path& trashed, const Path& original, const Path& home)
    {
        return StorageEngine::restoreTrashedItem(trashed, original, home, {home}, std::nullopt).result ==
               StorageEngine::ItemRestore::Result::restored;
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
