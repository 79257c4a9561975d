// The instant scan: five phases started from one background task, each published on the
// GUI thread in turn.
#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/BackgroundPriority.h"
#include "Platform/HomeLayout.h"
#include "Platform/RunningPrograms.h"
#include "Platform/Trash.h"
#include "Platform/WalkPool.h"
#include "Services/AppScan.h"
#include "Services/CleanedPathFilter.h"
#include "Services/DiskOverview.h"
#include "Services/HomeWalk.h"
#include "Services/ReclaimableFigures.h"
#include "Services/SafeCacheCatalogue.h"
#include "Services/ScanStamps.h"
#include "Services/StorageEngine.h"
#include "Services/TrashProtection.h"
#include "Services/TrashSurvey.h"

#include <future>

void StorageEngine::startInstantScan()
{
    if (isScanning_ || runner_.isCleaning())
        return;
    setIsScanning(true);
    setScanProgress(0.12);
    setCurrentScanningPath(Phase::caches, "正在自动核验浏览器、办公软件与系统缓存...");
    setScanStatusText("AI 智能核验引擎运行中：自动区分「100% 纯缓存」、「闲置工程」与「个人文件」...");

    // The scan works on copies: later cleans or restores do not change what it filters.
    const Path home = homePath_;
    const Path applications = options_.applications;
    const CleanedPaths cleaned = runner_.sessionCleanedPaths();
    const std::set<std::string> restorable = runner_.restorableTrashEntries();
    // The environment describes only the account's own home; another home gets its defaults.
    const bool isAccountHome = options_.home.empty();
    const LinuxAppRoots linuxApps = options_.linuxApps.value_or(LinuxAppRoots::forHome(isAccountHome));
    // Offers made under another grant than the one in force when they land are not shown:
    // a scan under the new one follows.
    const std::optional<Path> limitedTo = offeredFolder_;
    const auto partial = limitedTo ? std::optional<PartialHome>({homePath_, *limitedTo}) : std::nullopt;

    pool_.start([this, home, applications, cleaned, restorable, isAccountHome, linuxApps, roots = runner_.cleanRoots(),
                 ownState = runner_.ownStatePaths(), limitedTo, partial] {
        BackgroundPriority::applyToThisThread(); // and every thread the scan starts
        const HomeLayout layout = HomeLayout::of(home, isAccountHome);
        const auto launch = WalkPool::shared().threadCount() > 1 ? std::launch::async : std::launch::deferred;
        // The Trash is listed and measured once, when the scan begins: only what it held
        // then may be offered for emptying. What protects its entries (one info file each)
        // is read meanwhile.
        auto protectedPhase = std::async(launch, [&home] { return protectedTrashEntries(home); });
        auto trashPhase = std::async(launch, [&home] { return surveyHomeTrash(home); }).share();
        // Every list passes the stamps before it is published: a partial grant's limit holds here for all.
        ScanStamps stamps(roots, ownState, partial);

        // The phases do not depend on each other's results until the chart, so with
        // threads to spare they run side by side; what they publish, and the identities
        // recorded before each publish, keep their order.
        auto overviewPhase =
            std::async(launch, [trashPhase] { return queryDiskOverview(trashPhase.get().overviewBytes); });
        // What the cards' items really free (where files share extents) is read beside the
        // home walk; artefacts learn it from the walk that sizes them.
        auto cardsPhase = std::async(launch, [&layout, &restorable, &protectedPhase, trashPhase, &cleaned, &home] {
            // Nothing of the Trash is offered when what protects its entries cannot be read,
            // and a trash reached through a link is not offered at all.
            auto trash = trashEntriesToOffer(trashPhase.get(), restorable, protectedPhase.get());
            Int64 trashBytes = 0; // the catalogue's Trash rule takes the size of what may be offered
            for (const auto& entry : trash.value_or(std::vector<FolderEntryStamp>{}))
                trashBytes += entry.bytes;
            std::vector<SafeCacheRuleCard> cards = scanCacheCatalogue(layout, RunningPrograms::read(), trashBytes);
            dropCleaned(cards, cleaned);
            addReclaimableFigures(cards, home);
            return std::pair(std::move(cards), std::move(trash));
        });
        // Artefacts, large files and duplicates come from one walk of the home.
        auto homePhase = std::async(launch, [&layout] { return walkHome(layout); });
        auto appsPhase = std::async(launch, [&layout, &applications, &linuxApps] {
            return scanInstalledApps(layout, applications, linuxApps);
        });

        // 1. Disk overview.
        DiskOverview overview = overviewPhase.get();
        publish([this, overview] {
            results_.setOverview(overview);
            setScanProgress(0.28);
            setCurrentScanningPath(Phase::systemData, "正在核验 AI 工具链与系统『系统数据』黑盒...");
        });

        // 2. Safe caches.
        auto [catalogue, trash] = cardsPhase.get();
        std::vector<SafeCacheRuleCard> cards = std::move(catalogue);
        stamps.offerOnly(cards);
        // Each publish moves what it carries into the results: the GUI thread copies no list.
        publish([this, cards, seen = stamps.stamps(), trash = std::move(trash), limitedTo]() mutable {
            if (limitedTo != offeredFolder_)
                return;
            results_.rememberScanned(seen);
            results_.setScannedTrashEntries(std::move(trash));
            selection_.offer(cards);
            results_.setRuleCards(std::move(cards));
            setScanProgress(0.56);
            setCurrentScanningPath(Phase::projects, "正在比对桌面工程活跃度 (自动保护近期编码项目)...");
        });

        // 3. Developer artefacts.
        HomeFindings found = homePhase.get();
        std::vector<ProjectBloatItem> bloats = std::move(found.bloats);
        dropCleaned(bloats, cleaned);
        stamps.offerOnly(bloats);
        publish([this, bloats, seen = stamps.stamps(), limitedTo]() mutable {
            if (limitedTo != offeredFolder_)
                return;
            results_.rememberScanned(seen);
            selection_.offer(bloats);
            results_.setProjectBloats(std::move(bloats));
            setScanProgress(0.76);
            setCurrentScanningPath(Phase::duplicates, "正在执行 SHA-256 重复文件比对与安装包交叉核验...");
        });

        // 4. Applications, then large files, duplicates and the chart.
        std::vector<InstalledAppItem> apps = appsPhase.get();
        dropCleaned(apps, cleaned);
        stamps.offerOnly(apps);
        std::unordered_set<std::string> appNames;
        std::unordered_set<Path> appFiles; // AppImages: applications, not large files
        for (const auto& app : apps) {
            appNames.insert(paths::asciiLower(app.name));
            if (app.kind == InstalledAppKind::appImage)
                appFiles.insert(app.appPath);
        }
        auto [slices, largeFiles, groups] =
            finishSunburst(std::move(found.personal), cards, bloats, appNames, appFiles);
        dropCleaned(largeFiles, cleaned);
        dropCleaned(groups, cleaned);
        addReclaimableFigures(largeFiles);
        addReclaimableFigures(groups);
        stamps.offerOnly(largeFiles);
        stamps.offerOnly(groups);

        // 5. Final publish.
        publish([this, apps = std::move(apps), slices = std::move(slices), largeFiles = std::move(largeFiles),
                 groups = std::move(groups), seen = stamps.stamps(), limitedTo]() mutable {
            const bool current = limitedTo == offeredFolder_;
            if (current) {
                results_.rememberScanned(seen);
                selection_.offer(apps);
                results_.setInstalledApps(std::move(apps));
                results_.setSunburstSlices(std::move(slices));
                selection_.offer(largeFiles);
                results_.setLargeFiles(std::move(largeFiles));
                selection_.offer(groups);
                results_.setDuplicateGroups(std::move(groups));
            }
            setScanProgress(1.0);
            setIsScanning(false);
            if (!current) {
                startInstantScan();
                return;
            }
            setCurrentScanningPath(Phase::done, "已完成全自动核验 · 共发现 " +
                                                    DiskFormat::bytes(results_.grandTotalDiscoverableBytes()) +
                                                    " 可整理空间");
            setScanStatusText("已为您自动完成安全核实：勾选项目均可直接放心清理，无需逐一打开文件管理器核对");
        });
    });
}

void StorageEngine::limitOffersTo(std::optional<std::string> insideHome)
{
    offeredFolder_ = insideHome ? std::optional<Path>(paths::join(homePath_, *insideHome)) : std::nullopt;
}

void StorageEngine::clearAllResults()
{
    selection_.offer(std::vector<SafeCacheRuleCard>{});
    selection_.offer(std::vector<ProjectBloatItem>{});
    selection_.offer(std::vector<DuplicateFileGroup>{});
    selection_.offer(std::vector<LargeFileItem>{});
    selection_.offer(std::vector<InstalledAppItem>{});
    results_.setRuleCards({});
    results_.setProjectBloats({});
    results_.setDuplicateGroups({});
    results_.setLargeFiles({});
    results_.setInstalledApps({});
    results_.setSunburstSlices({});
    runner_.dismissCleanBanner();
}
