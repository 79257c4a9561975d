// The window's state: when scans start, how grant outcomes become notices, how the
// inspected item follows the lists, and the persisted language and appearance.
#include "WindowState.h"
#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Views/AccessTestSupport.h"
#include "support/EngineTestAccess.h"
#include "support/EngineWait.h"
#include "support/Records.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct ViewFixture : AccessFixture {
    std::unique_ptr<SandboxAccessManager> access;
    std::unique_ptr<WindowState> view;
    int scansStarted = 0;

    // Starts the window over the stored settings; sandboxed unless told otherwise.
    void open(bool sandboxed = true)
    {
        view.reset();
        scansStarted = 0;
        access = start(sandboxed);
        MacStorageScanner::Options options;
        options.home = home;
        options.applications = applications;
        view = std::make_unique<WindowState>(options, *access);
        QObject::connect(&view->scanner(), &MacStorageScanner::isScanningChanged, [this] {
            if (view->scanner().isScanning())
                ++scansStarted;
        });
    }
    MacStorageScanner& scanner() { return view->scanner(); }
    QString text(const char* name) { return WindowState::textTable(view->currentLanguage()).value(name).toString(); }
};

// A one-item card, and an application with `orphanBytes` of leftovers.
SafeCacheRuleCard card(const std::string& id, bool selected = true)
{
    return ::card(id, {cacheItem("/cache/" + id, 100, selected)});
}
InstalledAppItem app(const std::string& id, Int64 orphanBytes, bool selected)
{
    return ::app("/Applications/" + id + ".app", 0, {}, orphanBytes, selected, id);
}

} // namespace

TEST(WindowStart, WithoutAGrantTheOverlayShowsAndTheScanWaitsForTheGrant)
{
    ViewFixture f;
    f.open();
    EXPECT_TRUE(f.view->showsOnboarding());
    f.view->onAppear();
    EXPECT_EQ(f.scansStarted, 0);

    QSignalSpy overlay(f.view.get(), &WindowState::showsOnboardingChanged);
    f.picker->answers.push_back(f.home);
    f.view->performHomeGrant();
    EXPECT_FALSE(f.view->showsOnboarding());
    EXPECT_EQ(overlay.count(), 1);
    EXPECT_TRUE(f.view->grantJustSucceeded());
    EXPECT_FALSE(f.view->grantNotice());
    EXPECT_EQ(f.scansStarted, 1);
    ASSERT_TRUE(waitForScan(f.scanner()));

    // The panel spoke the current language and named the home folder.
    ASSERT_EQ(f.picker->requests.size(), 1u);
    EXPECT_EQ(f.picker->requests[0].prompt, "授权");
    EXPECT_TRUE(f.picker->requests[0].message.contains("「demo」"));
}

TEST(WindowStart, AStoredGrantScansOnAppearanceOnlyOnce)
{
    ViewFixture f;
    f.open();
    f.picker->answers.push_back(f.home);
    f.view->performHomeGrant();
    ASSERT_TRUE(waitForScan(f.scanner()));

    f.open(); // restart: the bookmark is restored before the window is first drawn
    EXPECT_TRUE(f.access->homeGranted());
    EXPECT_FALSE(f.view->showsOnboarding());
    EXPECT_EQ(f.scansStarted, 0);
    f.view->onAppear();
    EXPECT_EQ(f.scansStarted, 1);
    f.view->onAppear(); // while the scan runs
    EXPECT_EQ(f.scansStarted, 1);
    ASSERT_TRUE(waitForScan(f.scanner()));

    EngineAccess::setRuleCards(f.scanner(), {card("a")});
    f.view->onAppear(); // with results there
    EXPECT_EQ(f.scansStarted, 1);
}

TEST(GrantFlow, APartialPickIsExplainedThenKeptOrReplacedByTheHomeFolder)
{
    ViewFixture f;
    const std::string documents = f.root.mkdir("Users/demo/Documents");
    f.open();
    f.view->setLanguageRaw("en");

    f.picker->answers.push_back(documents);
    f.view->performHomeGrant();
    ASSERT_TRUE(f.view->grantNotice());
    EXPECT_EQ(*f.view->grantNotice(), SandboxGrantOutcome::partial(documents));
    EXPECT_EQ(f.view->grantNoticeKind(), "partial");
    EXPECT_TRUE(f.view->grantNoticeText().startsWith("You picked \"Documents\""));
    EXPECT_TRUE(f.view->grantNoticeText().contains("\"demo\""));
    EXPECT_FALSE(f.view->grantJustSucceeded());
    EXPECT_TRUE(f.view->showsOnboarding());
    EXPECT_EQ(f.scansStarted, 0);

    // "Choose home instead" opens the panel again; cancelling it drops the notice only.
    f.view->performHomeGrant();
    EXPECT_EQ(f.picker->requests.size(), 2u);
    EXPECT_FALSE(f.view->grantNotice());
    EXPECT_TRUE(f.view->showsOnboarding());

    f.picker->answers.push_back(documents);
    f.view->performHomeGrant();
    ASSERT_TRUE(f.view->grantNotice());
    f.view->keepPendingPartialFolder();
    EXPECT_FALSE(f.view->grantNotice());
    EXPECT_FALSE(f.view->showsOnboarding());
    EXPECT_EQ(f.access->grantedHomeURL(), documents);
    EXPECT_EQ(f.scansStarted, 1);
    ASSERT_TRUE(waitForScan(f.scanner()));
}

TEST(GrantFlow, AnOutsidePickIsExplainedAndAGrantClearsIt)
{
    ViewFixture f;
    const std::string elsewhere = f.root.mkdir("Volumes/Other");
    f.open();
    f.picker->answers.push_back(elsewhere);
    f.view->performApplicationsGrant();
    ASSERT_TRUE(f.view->grantNotice());
    EXPECT_EQ(f.view->grantNoticeKind(), "outside");
    EXPECT_EQ(f.picker->requests[0].initialFolder, f.applications);

    f.picker->answers.push_back(f.applications);
    f.view->performApplicationsGrant();
    EXPECT_FALSE(f.view->grantNotice());
    EXPECT_TRUE(f.access->applicationsGranted());
    EXPECT_EQ(f.scansStarted, 0); // only the home grant starts a scan
}

TEST(GrantFlow, RevokingClearsTheResultsAndBringsTheOverlayBack)
{
    ViewFixture f;
    f.open();
    f.picker->answers.push_back(f.home);
    f.view->performHomeGrant();
    ASSERT_TRUE(waitForScan(f.scanner()));
    EngineAccess::setRuleCards(f.scanner(), {card("a")});
    EngineAccess::setInstalledApps(f.scanner(), {app("x", 1, true)});

    f.view->revokeAllAccess();
    EXPECT_TRUE(f.view->showsOnboarding());
    EXPECT_TRUE(f.scanner().ruleCards().empty());
    EXPECT_TRUE(f.scanner().installedApps().empty());
    EXPECT_FALSE(f.view->inspectedItem());
    EXPECT_FALSE(f.hasStoredKey(SandboxScope::home));
}

TEST(WindowState, CacheOnlyModeUnticksAppsWithoutLeftoversAndNothingElse)
{
    ViewFixture f;
    f.open(false);
    EngineAccess::setInstalledApps(f.scanner(), {app("empty", 0, true), app("cached", 10, true), app("off", 5, false)});

    f.view->setAppSlimmingOnlyCache(false);
    EXPECT_TRUE(f.scanner().installedApps()[0].isSelected);

    f.view->setAppSlimmingOnlyCache(true);
    const auto& apps = f.scanner().installedApps();
    EXPECT_FALSE(apps[0].isSelected);
    EXPECT_TRUE(apps[1].isSelected);
    EXPECT_FALSE(apps[2].isSelected);

    f.view->setAppSlimmingOnlyCache(false); // switching back selects nothing
    EXPECT_FALSE(f.scanner().installedApps()[0].isSelected);
    EXPECT_FALSE(f.scanner().installedApps()[2].isSelected);
}

TEST(WindowState, TheInspectedItemFollowsTheListsAndFallsBackWhenItsRecordIsGone)
{
    ViewFixture f;
    f.open(false);
    EngineAccess::setRuleCards(f.scanner(), {card("a"), card("b")});
    // With nothing inspected, the workspace's first card is shown as soon as it exists.
    ASSERT_TRUE(f.view->inspectedItem());
    EXPECT_EQ(f.view->inspectedItem()->id(), "a");

    f.view->setInspectedItem(InspectedItem::safeCard(f.scanner().ruleCards()[1]));
    EngineAccess::setRuleCards(f.scanner(), {card("a"), card("b", /*selected=*/false)});
    ASSERT_TRUE(f.view->inspectedItem()->as<SafeCacheRuleCard>());
    EXPECT_EQ(f.view->inspectedItem()->id(), "b");
    EXPECT_FALSE(f.view->inspectedItem()->as<SafeCacheRuleCard>()->subItems[0].isSelected);

    EngineAccess::setRuleCards(f.scanner(), {card("a")}); // "b" was cleaned
    EXPECT_EQ(f.view->inspectedItem()->id(), "a");
    EngineAccess::setRuleCards(f.scanner(), {});
    EXPECT_FALSE(f.view->inspectedItem());
}

TEST(WindowState, EachWorkspaceInspectsTheFirstItemOfWhatItShows)
{
    ViewFixture f;
    f.open(false);
    EngineAccess::setProjectBloats(f.scanner(), {bloat("bloat", 1, false)});
    EngineAccess::setDuplicateGroups(f.scanner(), {group("group", {})});
    EngineAccess::setLargeFiles(f.scanner(), {largeFile("archive", 1, false, LargeFileCategory::installerArchive),
                                              largeFile("video", 1, false, LargeFileCategory::videoMedia)});

    f.view->selectWorkspace(CleanTrustWorkspace::devAndDuplicates);
    EXPECT_EQ(f.view->selectedWorkspace(), CleanTrustWorkspace::devAndDuplicates);
    EXPECT_EQ(f.view->inspectedItem()->id(), "bloat");
    f.view->setDevSubTab(1);
    f.view->selectDefaultInspectedItem(CleanTrustWorkspace::devAndDuplicates);
    EXPECT_EQ(f.view->inspectedItem()->id(), "group");

    f.view->setSelectedLargeCategory(LargeFileCategory::videoMedia);
    f.view->selectWorkspace(CleanTrustWorkspace::largeMedia);
    EXPECT_EQ(f.view->inspectedItem()->id(), "video");

    f.view->selectWorkspace(CleanTrustWorkspace::appSlimming); // no apps
    EXPECT_FALSE(f.view->inspectedItem());
}

TEST(WindowState, OnlyExistingPlayableFilesGetAPlayer)
{
    ViewFixture f;
    f.open(false);
    const URL movie = f.root.file("Users/demo/Movies/Trip.MOV", 10);
    f.view->setInspectedItem(InspectedItem::largeFile(largeFile(movie, 10, false)));
    ASSERT_TRUE(f.view->mediaPlayer());
    EXPECT_EQ(f.view->mediaPlayer()->path(), movie);
    f.view->setInspectedItem(InspectedItem::largeFile(largeFile(f.home + "/Movies/gone.mp4", 10, false)));
    EXPECT_FALSE(f.view->mediaPlayer());

    const URL clip = f.root.file("Users/demo/Desktop/clip.mp4", 10);
    f.view->setInspectedItem(
        InspectedItem::duplicateGroup(group("g", {member(clip, 10, true, false), member(clip, 10, false, true)})));
    ASSERT_TRUE(f.view->mediaPlayer());
    EXPECT_EQ(f.view->mediaPlayer()->path(), clip);

    f.view->setInspectedItem(std::nullopt);
    EXPECT_FALSE(f.view->mediaPlayer());
}

TEST(Persistence, AnUnknownLanguageCodeShowsSimplifiedChineseAndIsLeftAlone)
{
    for (const char* stored : {"EN", "en-US", "", "klingon"}) {
        ViewFixture f;
        f.settings()->setValue(qt(kLanguageDefaultsKey), stored);
        f.open();
        EXPECT_EQ(f.view->currentLanguage(), AppLanguage::zhHans) << stored;
        EXPECT_EQ(f.text("onboardingTitle"),
                  QString::fromUtf8(WindowTexts::onboardingTitle(AppLanguage::zhHans).data()));
        EXPECT_EQ(f.settings()->value(qt(kLanguageDefaultsKey)).toString(), stored);
    }
}

TEST(Persistence, LanguageAndAppearanceAreStoredAndShownAtOnce)
{
    ViewFixture f;
    f.open();
    EXPECT_EQ(f.view->languageRaw(), "zh-Hans");
    EXPECT_EQ(f.view->appearanceRaw(), "obsidian");
    EXPECT_TRUE(f.view->isDark());

    QSignalSpy language(f.view.get(), &WindowState::languageRawChanged);
    f.view->chooseLanguage("ko");
    EXPECT_EQ(language.count(), 1);
    EXPECT_FALSE(f.view->showLanguageMatrixPopover());
    EXPECT_EQ(f.text("statusPill"), QString::fromUtf8(WindowTexts::statusPill(AppLanguage::ko).data())); // 12 variants
    EXPECT_EQ(f.text("onboardingTitle"), "One step and you're ready"); // 4 variants: English

    QSignalSpy appearance(f.view.get(), &WindowState::appearanceRawChanged);
    f.view->toggleAppearance();
    EXPECT_EQ(f.view->appearanceRaw(), "dawn");
    EXPECT_FALSE(f.view->isDark());
    EXPECT_EQ(appearance.count(), 1);

    f.open(); // restart
    EXPECT_EQ(f.view->languageRaw(), "ko");
    EXPECT_EQ(f.view->appearanceRaw(), "dawn");
    f.view->toggleAppearance();
    EXPECT_EQ(f.settings()->value(qt(kAppearanceDefaultsKey)).toString(), "obsidian");
}

TEST(Persistence, SwitchingLanguageKeepsTheWorkspaceAndTheInspectedCardAndTranslatesItsTitle)
{
    ViewFixture f;
    f.open(false);
    f.view->setLanguageRaw("ar");
    SafeCacheRuleCard browser = card("browser");
    browser.title = "浏览器与网页媒体缓存";
    EngineAccess::setRuleCards(f.scanner(), {card("a"), browser});
    f.view->selectWorkspace(CleanTrustWorkspace::oneClickSafe);
    f.view->setInspectedItem(InspectedItem::safeCard(f.scanner().ruleCards()[1]));
    f.view->setLanguageRaw("zh-Hans");
    ASSERT_EQ(f.view->inspectedKind(), "safeCard");
    EXPECT_EQ(f.view->inspectedTitle(), QString::fromUtf8("浏览器与网页媒体缓存"));

    const QMetaObject* meta = f.view->metaObject();
    QSignalSpy titleChanged(f.view.get(), meta->property(meta->indexOfProperty("inspectedTitle")).notifySignal());
    f.view->setLanguageRaw("en");
    EXPECT_GE(titleChanged.count(), 1);
    EXPECT_EQ(f.view->selectedWorkspace(), CleanTrustWorkspace::oneClickSafe);
    EXPECT_EQ(f.view->inspectedItem()->id(), "browser");
    EXPECT_EQ(f.view->inspectedTitle(), "Browser & Web Media Cache");
}
