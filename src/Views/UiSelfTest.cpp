#include "UiSelfTest.h"

#include "L10n/AppLanguage.h"
#include "Models/Paths.h"
#include "QtText.h"
#include "WindowState.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kViewPauseMs = 120;
constexpr int kMediaPauseMs = 140;
constexpr int kLanguagePauseMs = 60;
constexpr int kAppearancePauseMs = 200;
constexpr int kPicturePauseMs = 80;
// Enough duplicate groups to show the list working without lingering on long lists.
constexpr std::size_t kDuplicateGroupsToInspect = 3;

} // namespace

UiSelfTest::UiSelfTest(WindowState& view, StepHook afterStep) : view_(view), afterStep_(std::move(afterStep)) {}

void UiSelfTest::say(const std::string& line)
{
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void UiSelfTest::pause(int milliseconds)
{
    // The event loop keeps running, so the window renders and queued engine results land.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void UiSelfTest::waitForScan()
{
    if (!view_.scanner().isScanning())
        return;
    QEventLoop loop;
    QObject::connect(&view_.scanner(), &StorageEngine::isScanningChanged, &loop, [&] {
        if (!view_.scanner().isScanning())
            loop.quit();
    });
    loop.exec();
}

void UiSelfTest::step(const QString& name)
{
    if (afterStep_)
        afterStep_(name);
}

void UiSelfTest::run()
{
    say("[UI-SELF-TEST] 启动真机窗口全菜单与 AVPlayerView 渲染压测...");
    // The counts below are those of a finished scan, not of whichever phase happens to be published.
    waitForScan();
    walkSafeCaches();
    walkDevAndDuplicates();
    walkLargeMedia();
    walkAppSlimming();
    walkLanguagesAndAppearance();
    say("[UI-SELF-TEST] ✅ ALL 4 MENUS + MP4 AVPLAYERVIEW + 12 LANGUAGES RENDERED WITH ZERO CRASHES!");
}

void UiSelfTest::walkSafeCaches()
{
    const StorageEngine& scanner = view_.scanner();
    say("[UI-SELF-TEST] 1/5 测试菜单 1: 闭眼直删 · 纯缓存 (" + std::to_string(scanner.results().ruleCards().size()) +
        " 张卡片)");
    view_.selectWorkspace(Workspace::OneClickSafe);
    for (const SafeCacheRuleCard& card : std::vector(scanner.results().ruleCards())) {
        view_.setInspectedItem(InspectedItem(card));
        pause(kViewPauseMs);
    }
    step(QStringLiteral("1-safe-caches"));
}

void UiSelfTest::walkDevAndDuplicates()
{
    // Idle projects, then duplicate groups; a group of videos gets the player.
    say("[UI-SELF-TEST] 2/5 测试菜单 2: 闲置工程与重复件 (含 .mp4 重复视频预览)");
    view_.selectWorkspace(Workspace::DevAndDuplicates);
    for (ShownList list : {ShownList::ProjectBloats, ShownList::DuplicateGroups}) {
        view_.showList(list);
        pause(kViewPauseMs);
    }
    std::vector<DuplicateFileGroup> groups;
    for (const DuplicateFileGroup& group : view_.scanner().results().duplicateGroups()) {
        const bool isVideo = !group.members.empty() && isPlayableMediaPath(group.members.front().url);
        if (groups.size() < kDuplicateGroupsToInspect || isVideo)
            groups.push_back(group);
    }
    for (const DuplicateFileGroup& group : groups) {
        view_.setInspectedItem(InspectedItem(group));
        pause(kViewPauseMs);
    }
    step(QStringLiteral("2-dev-and-duplicates"));
}

void UiSelfTest::walkLargeMedia()
{
    // Every category, a video where there is one.
    say("[UI-SELF-TEST] 3/5 测试菜单 3: 大文件与视频预览 (全部分类 + MP4 原生 AVPlayerView 渲染)");
    view_.selectWorkspace(Workspace::LargeMedia);
    for (LargeFileCategory category : allCases<LargeFileCategory>()) {
        view_.setSelectedLargeCategory(category);
        const std::vector<LargeFileItem> files = view_.lists().largeFiles().model().records();
        const auto video = std::find_if(files.begin(), files.end(), [](const LargeFileItem& file) {
            return paths::lowercasedExtension(file.url) == "mp4";
        });
        if (video != files.end())
            view_.setInspectedItem(InspectedItem(*video));
        else
            view_.inspectFirstRow();
        pause(kMediaPauseMs);
    }
    step(QStringLiteral("3-large-media"));
}

void UiSelfTest::walkAppSlimming()
{
    say("[UI-SELF-TEST] 4/5 测试菜单 4: 应用瘦身与卸载 (仅清缓存 + 连根卸载双模式)");
    view_.selectWorkspace(Workspace::AppSlimming);
    for (bool onlyCache : {true, false}) {
        view_.setAppSlimmingOnlyCache(onlyCache);
        view_.inspectFirstRow();
        pause(kViewPauseMs);
    }
    step(QStringLiteral("4-app-slimming"));
}

void UiSelfTest::showEveryWorkspaceInEachScript()
{
    // Latin, Han (simplified), Japanese and Arabic (mirrored) lay the window out differently.
    // Every large file shows, not the last category the walk chose.
    view_.setSelectedLargeCategory(LargeFileCategory::all);
    for (const char* language : {"en", "zh-Hans", "ja", "ar"})
        for (CorvelAppearanceMode mode : allCases<CorvelAppearanceMode>()) {
            view_.setLanguageRaw(QString::fromLatin1(language));
            view_.setAppearanceRaw(qt(rawValue(mode)));
            for (CleanTrustWorkspace workspace : allCases<CleanTrustWorkspace>()) {
                view_.selectWorkspace(WindowLists::windowWorkspace(workspace));
                pause(kPicturePauseMs);
                step(QStringLiteral("6-%1-%2-%3").arg(language, qt(rawValue(mode)), qt(rawValue(workspace))));
            }
        }
}

void UiSelfTest::walkLanguagesAndAppearance()
{
    // Every language, then both appearance modes; the person's own choices come back after.
    say("[UI-SELF-TEST] 5/5 测试 12 国语言与昼夜双主题实时热切换");
    const QString language = view_.languageRaw();
    const QString appearance = view_.appearanceRaw();
    for (AppLanguage each : allCases<AppLanguage>()) {
        view_.setLanguageRaw(qt(rawValue(each)));
        pause(kLanguagePauseMs);
        step(QStringLiteral("5-language-") + view_.languageRaw());
    }
    for (int i = 0; i < 2; ++i) {
        view_.toggleAppearance();
        pause(kAppearancePauseMs);
        step(QStringLiteral("5-appearance-") + view_.appearanceRaw());
    }
    if (afterStep_)
        showEveryWorkspaceInEachScript();
    view_.setLanguageRaw(language);
    view_.setAppearanceRaw(appearance);
}
