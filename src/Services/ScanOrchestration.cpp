// The instant scan: five phases in one background task, each published on the GUI thread.
#include "Models/DiskFormat.h"
#include "Platform/Paths.h"
#include "Services/MacStorageScanner.h"

#include <algorithm>

namespace {

template <typename T, typename PathOf>
void dropCleaned(std::vector<T>& list, const std::set<std::string>& cleaned, PathOf pathOf)
{
    if (cleaned.empty())
        return;
    std::erase_if(list, [&](const T& element) { return cleaned.count(pathOf(element)) > 0; });
}

// When the filter took the kept original away, the first remaining copy (the shortest
// path, as the finder orders them) becomes the one that is kept: a group must never
// offer every copy for removal.
void keepOneOriginal(DuplicateFileGroup& group)
{
    const auto locked = [](const DuplicateFileMember& m) { return m.isLockedOriginal; };
    if (group.members.empty() || std::any_of(group.members.begin(), group.members.end(), locked))
        return;
    group.members.front().isLockedOriginal = true;
    group.members.front().isSelectedForDelete = false;
}

} // namespace

void MacStorageScanner::startInstantScan()
{
    if (isScanning_ || isPurgingAnimation_)
        return;
    setIsScanning(true);
    setScanProgress(0.12);
    setCurrentScanningPath("正在自动核验浏览器、办公软件与系统缓存...");
    setScanStatusText("AI 智能核验引擎运行中：自动区分「100% 纯缓存」、「闲置工程」与「个人文件」...");

    // The scan works on copies: later cleans or restores do not change what it filters.
    const URL home = homeURL_;
    const URL applications = options_.applications;
    const std::set<std::string> cleaned = sessionCleanedPaths_;

    runInBackground([this, home, applications, cleaned] {
        // 1. Disk overview.
        DiskOverview overview = queryDiskOverview(home);
        publish([this, overview] {
            setOverview(overview);
            setScanProgress(0.28);
            setCurrentScanningPath("正在核验 AI 工具链与系统『系统数据』黑盒...");
        });

        // 2. Safe caches.
        std::vector<SafeCacheRuleCard> cards = scanFourHumanCentricScenarioCards(home);
        for (auto& card : cards)
            dropCleaned(card.subItems, cleaned, [](const CacheSubItem& item) { return item.url; });
        std::erase_if(cards, [](const SafeCacheRuleCard& card) { return card.subItems.empty(); });
        publish([this, cards] {
            setRuleCards(cards);
            setScanProgress(0.56);
            setCurrentScanningPath("正在比对桌面工程活跃度 (自动保护近期编码项目)...");
        });

        // 3. Developer artefacts.
        std::vector<ProjectBloatItem> bloats = scanDeveloperProjectBloats(home);
        dropCleaned(bloats, cleaned, [](const ProjectBloatItem& item) { return item.url; });
        publish([this, bloats] {
            setProjectBloats(bloats);
            setScanProgress(0.76);
            setCurrentScanningPath("正在执行 SHA-256 重复文件比对与安装包交叉核验...");
        });

        // 4. Applications, then large files, duplicates and the chart.
        std::vector<InstalledAppItem> apps = scanAppsWithOrphans(home, applications);
        dropCleaned(apps, cleaned, [](const InstalledAppItem& app) { return app.appURL; });
        std::unordered_set<std::string> appNames;
        for (const auto& app : apps)
            appNames.insert(paths::asciiLower(app.name));
        auto [slices, largeFiles, groups] = scanSunburstLargeFilesAndDuplicates(home, cards, bloats, appNames);
        dropCleaned(largeFiles, cleaned, [](const LargeFileItem& file) { return file.url; });
        for (auto& group : groups)
            dropCleaned(group.members, cleaned, [](const DuplicateFileMember& member) { return member.url; });
        for (auto& group : groups)
            keepOneOriginal(group);
        std::erase_if(groups, [](const DuplicateFileGroup& group) { return group.members.size() <= 1; });

        // 5. Final publish.
        publish([this, apps = std::move(apps), slices = std::move(slices), largeFiles = std::move(largeFiles),
                 groups = std::move(groups)] {
            setInstalledApps(apps);
            setSunburstSlices(slices);
            setLargeFiles(largeFiles);
            setDuplicateGroups(groups);
            setScanProgress(1.0);
            setIsScanning(false);
            const Int64 total = totalScannedSafeBytes() + totalScannedBloatBytes() + totalScannedDuplicateBytes() +
                                totalScannedLargeFileBytes();
            setCurrentScanningPath("已完成全自动核验 · 共发现 " + DiskFormat::bytes(total) + " 可整理空间");
            setScanStatusText("已为您自动完成安全核实：勾选项目均可直接放心清理，无需逐一去访达核对");
        });
    });
}

void MacStorageScanner::clearAllResults()
{
    setRuleCards({});
    setProjectBloats({});
    setDuplicateGroups({});
    setLargeFiles({});
    setInstalledApps({});
    setSunburstSlices({});
    setLastPurgeBanner(std::nullopt);
}
