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
    static void setRuleCards(StorageEngine& s, const std::vector<SafeCacheRuleCard>& v) { offer(s, v); }
    static void setProjectBloats(StorageEngine& s, const std::vector<ProjectBloatItem>& v) { offer(s, v); }
    static void setDuplicateGroups(StorageEngine& s, const std::vector<DuplicateFileGroup>& v) { offer(s, v); }
    static void setLargeFiles(StorageEngine& s, const std::vector<LargeFileItem>& v) { offer(s, v); }
    static void setInstalledApps(StorageEngine& s, const std::vector<InstalledAppItem>& v) { offer(s, v); }
    static void setProjectBloats(StorageEngine& s, const std::vector<Seeded<ProjectBloatItem>>& v)
    {
        seedPaths(s, v, &ProjectBloatItem::url);
    }
    static void setLargeFiles(StorageEngine& s, const std::vector<Seeded<LargeFileItem>>& v)
    {
        seedPaths(s, v, &LargeFileItem::url);
    }
    static void setInstalledApps(StorageEngine& s, const std::vector<Seeded<InstalledAppItem>>& v)
    {
        s.selection_.apps_.clear();
        for (const auto& seed : v)
            if (seed.selected)
                s.selection_.apps_.insert(seed.record.id);
        publish(s, records(v));
    }
    static void setDuplicateGroups(StorageEngine& s, const std::vector<SeededGroup>& v)
    {
        std::vector<DuplicateFileGroup> groups;
        s.selection_.kept_.clear();
        for (const auto& group : v) {
            Path& kept = s.selection_.kept_[group.record.id]; // empty: the group keeps none
            for (const auto& member : group.members) {
                if (member.locked && kept.empty())
                    kept = member.record.url;
                selectPath(s, member.record.url, member.selected);
            }
            groups.push_back(group.record);
        }
        publish(s, std::move(groups));
    }
    template <typename Record> static void offer(StorageEngine& s, const std::vector<Record>& v)
    {
        s.selection_.offer(v);
        publish(s, v);
    }
    // Seeded paths take the state the test gives; other lists' paths keep theirs.
    template <typename Record>
    static void seedPaths(StorageEngine& s, const std::vector<Seeded<Record>>& v, Path Record::*url)
    {
        for (const auto& seed : v)
            selectPath(s, seed.record.*url, seed.selected);
        publish(s, records(v));
    }
    static void selectPath(StorageEngine& s, const Path& path, bool selected)
    {
        if (selected)
            s.selection_.paths_.insert(path);
        else
            s.selection_.paths_.erase(path);
    }
    template <typename Record> static std::vector<Record> records(const std::vector<Seeded<Record>>& seeds)
    {
        std::vector<Record> out;
        for (const auto& seed : seeds)
            out.push_back(seed.record);
        return out;
    }
    // Publishes a list as a scan does: the records, then what stands at their paths.
    template <typename Record> static void publish(StorageEngine& s, std::vector<Record> v)
    {
        const auto set = setterOf(v);
        (s.results_.*set)(std::move(v));
        stampPublishedLists(s);
    }
    static auto setterOf(const std::vector<SafeCacheRuleCard>&) { return &ScanResults::setRuleCards; }
    static auto setterOf(const std::vector<ProjectBloatItem>&) { return &ScanResults::setProjectBloats; }
    static auto setterOf(const std::vector<DuplicateFileGroup>&) { return &ScanResults::setDuplicateGroups; }
    static auto setterOf(const std::vector<LargeFileItem>&) { return &ScanResults::setLargeFiles; }
    static auto setterOf(const std::vector<InstalledAppItem>&) { return &ScanResults::setInstalledApps; }
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
    static void setSessionMeasuredFreedBytes(StorageEngine& s, Int64 v) { s.runner_.setSessionMeasuredFreedBytes(v); }
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
