#pragma once
// Test-side access to the engine: lists seeded the way a scan would publish them,
// the private restore step, and an engine set up for a test home.

#include "Services/ScanStamps.h"
#include "Services/StorageEngine.h"
#include "support/EngineWait.h"
#include "support/Records.h"

struct StorageEngineTestAccess {
    // Seeding a list also records what stands at its paths, as a scan does when it publishes.
    // Plain records start with what a scan offers selected; seeded ones as the test says.
    static void setRuleCards(StorageEngine& s, std::vector<SafeCacheRuleCard> v)
    {
        s.selection_.offer(v);
        s.results_.setRuleCards(std::move(v));
        stampPublishedLists(s);
    }
    static void setProjectBloats(StorageEngine& s, std::vector<Seeded<ProjectBloatItem>> v)
    {
        seedPaths(s, v, [](const ProjectBloatItem& b) { return b.url; });
        s.results_.setProjectBloats(records(v));
        stampPublishedLists(s);
    }
    static void setProjectBloats(StorageEngine& s, const std::vector<ProjectBloatItem>& v)
    {
        s.selection_.offer(v);
        s.results_.setProjectBloats(v);
        stampPublishedLists(s);
    }
    static void setDuplicateGroups(StorageEngine& s, std::vector<SeededGroup> v)
    {
        std::vector<DuplicateFileGroup> groups;
        s.selection_.kept_.clear();
        for (const auto& group : v) {
            Path& kept = s.selection_.kept_[group.record.id]; // empty: the group keeps none
            for (const auto& member : group.members) {
                if (member.locked && kept.empty())
                    kept = member.record.url;
                if (member.selected)
                    s.selection_.paths_.insert(member.record.url);
                else
                    s.selection_.paths_.erase(member.record.url);
            }
            groups.push_back(group.record);
        }
        s.results_.setDuplicateGroups(std::move(groups));
        stampPublishedLists(s);
    }
    static void setDuplicateGroups(StorageEngine& s, const std::vector<DuplicateFileGroup>& v)
    {
        s.selection_.offer(v);
        s.results_.setDuplicateGroups(v);
        stampPublishedLists(s);
    }
    static void setLargeFiles(StorageEngine& s, std::vector<Seeded<LargeFileItem>> v)
    {
        seedPaths(s, v, [](const LargeFileItem& f) { return f.url; });
        s.results_.setLargeFiles(records(v));
        stampPublishedLists(s);
    }
    static void setLargeFiles(StorageEngine& s, const std::vector<LargeFileItem>& v)
    {
        s.selection_.offer(v);
        s.results_.setLargeFiles(v);
        stampPublishedLists(s);
    }
    static void setInstalledApps(StorageEngine& s, std::vector<Seeded<InstalledAppItem>> v)
    {
        s.selection_.apps_ = selectedKeys(v, [](const InstalledAppItem& a) { return a.id; });
        s.results_.setInstalledApps(records(v));
        stampPublishedLists(s);
    }
    static void setInstalledApps(StorageEngine& s, const std::vector<InstalledAppItem>& v)
    {
        s.selection_.offer(v);
        s.results_.setInstalledApps(v);
        stampPublishedLists(s);
    }
    // Seeded paths take the state the test gives; other lists' paths keep theirs.
    template <typename Record, typename UrlOf>
    static void seedPaths(StorageEngine& s, const std::vector<Seeded<Record>>& seeds, UrlOf urlOf)
    {
        for (const auto& seed : seeds)
            if (seed.selected)
                s.selection_.paths_.insert(urlOf(seed.record));
            else
                s.selection_.paths_.erase(urlOf(seed.record));
    }
    template <typename Record, typename KeyOf>
    static std::unordered_set<std::string> selectedKeys(const std::vector<Seeded<Record>>& seeds, KeyOf keyOf)
    {
        std::unordered_set<std::string> keys;
        for (const auto& seed : seeds)
            if (seed.selected)
                keys.insert(keyOf(seed.record));
        return keys;
    }
    template <typename Record> static std::vector<Record> records(const std::vector<Seeded<Record>>& seeds)
    {
        std::vector<Record> out;
        for (const auto& seed : seeds)
            out.push_back(seed.record);
        return out;
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
