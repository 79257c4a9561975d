// The instant scan: five phases in one background task, each published on the GUI thread.
#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/WalkPool.h"
#include "Services/AppScan.h"
#include "Services/CleanedPathFilter.h"
#include "Services/DiskOverview.h"
#include "Services/LargeFileScan.h"
#include "Services/MacStorageScanner.h"
#include "Services/ProjectBloatScan.h"
#include "Services/SafeCacheCatalogue.h"

#include <future>

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
    const CleanedPaths cleaned = sessionCleanedPaths_;

    runInBackground([this, home, applications, cleaned] {
        // The phases do not depend on each other's results until the chart, so with
        // threads to spare they run side by side; what they publish keeps its order.
        const auto launch = WalkPool::shared().threadCount() > 1 ? std::launch::async : std::launch::deferred;
        auto overviewPhase = std::async(launch, [&home] { return queryDiskOverview(home); });
        auto cardsPhase = std::async(launch, [&home] { return scanFourHumanCentricScenarioCards(home); });
        auto bloatsPhase = std::async(launch, [&home] { return scanDeveloperProjectBloats(home); });
        auto appsPhase = std::async(launch, [&home, &applications] { return scanAppsWithOrphans(home, applications); });
        auto personalPhase = std::async(launch, [&home] { return walkPersonalFolders(home); });

        // 1. Disk overview.
        DiskOverview overview = overviewPhase.get();
        publish([this, overview] {
            setOverview(overview);
            setScanProgress(0.28);
            setCurrentScanningPath("正在核验 AI 工具链与系统『系统数据』黑盒...");
        });

        // 2. Safe caches.
        std::vector<SafeCacheRuleCard> cards = cardsPhase.get();
        dropCleaned(cards, cleaned);
        publish([this, cards] {
            setRuleCards(cards);
            setScanProgress(0.56);
            setCurrentScanningPath("正在比对桌面工程活跃度 (自动保护近期编码项目)...");
        });

        // 3. Developer artefacts.
        std::vector<ProjectBloatItem> bloats = bloatsPhase.get();
        dropCleaned(bloats, cleaned);
        publish([this, bloats] {
            setProjectBloats(bloats);
            setScanProgress(0.76);
            setCurrentScanningPath("正在执行 SHA-256 重复文件比对与安装包交叉核验...");
        });

        // 4. Applications, then large files, duplicates and the chart.
        std::vector<InstalledAppItem> apps = appsPhase.get();
        dropCleaned(apps, cleaned);
        std::unordered_set<std::string> appNames;
        for (const auto& app : apps)
            appNames.insert(paths::asciiLower(app.name));
        auto [slices, largeFiles, groups] = finishSunburst(personalPhase.get(), cards, bloats, appNames);
        dropCleaned(largeFiles, cleaned);
        dropCleaned(groups, cleaned);

        // 5. Final publish.
        publish([this, apps = std::move(apps), slices = std::move(slices), largeFiles = std::move(largeFiles),
                 groups = std::move(groups)] {
            setInstalledApps(apps);
            setSunburstSlices(slices);
            setLargeFiles(largeFiles);
            setDuplicateGroups(groups);
            setScanProgress(1.0);
            setIsScanning(false);
            setCurrentScanningPath("已完成全自动核验 · 共发现 " + DiskFormat::bytes(grandTotalDiscoverableBytes()) +
                                   " 可整理空间");
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
