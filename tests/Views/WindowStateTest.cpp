// The window's state: when scans start, how grant outcomes become notices, how the
// inspected item follows the lists, and the persisted language and appearance.
#include "L10n/WindowTexts.h"
#include "Platform/Media/FileTypeIcons.h"
#include "QtText.h"
#include "Services/SafeCacheRules.h"
#include "Views/StateTestSupport.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A one-cache card, and an application with `orphanBytes` of leftovers.
SafeCacheRuleCard card(const std::string& id, bool selected = true)
{
    return ::card(id, {cacheItem("/cache/" + id, 100, selected)});
}

} // namespace

TEST(WindowStart, WithoutAGrantTheOverlayShowsAndTheScanWaitsForTheGrant)
{
    StateFixture f;
    f.open(/*asksForGrants=*/true);
    GrantPresenter& grants = *f.view->grants();
    EXPECT_TRUE(grants.showsOnboarding());
    f.view->onAppear();
    f.view->rescan();
    EXPECT_EQ(f.scansStarted, 0);

    QSignalSpy overlay(&grants, &GrantPresenter::showsOnboardingChanged);
    f.picker->answers.push_back(f.home);
    grants.requestHomeGrant();
    EXPECT_FALSE(grants.showsOnboarding());
    EXPECT_EQ(overlay.count(), 1);
    EXPECT_TRUE(grants.justGranted());
    EXPECT_EQ(grants.noticeKind(), "");
    EXPECT_EQ(f.scansStarted, 1);
    ASSERT_TRUE(waitForScan(f.engine()));

    // The panel spoke the current language and named the home folder.
    ASSERT_EQ(f.picker->requests.size(), 1u);
    EXPECT_EQ(f.picker->requests[0].prompt, "授权");
    EXPECT_TRUE(f.picker->requests[0].message.contains("「demo」"));
}

TEST(WindowStart, AStoredGrantScansOnAppearanceOnlyOnce)
{
    StateFixture f;
    f.open(true);
    f.picker->answers.push_back(f.home);
    f.view->grants()->requestHomeGrant();
    ASSERT_TRUE(waitForScan(f.engine()));

    f.open(true); // restart: the grant is restored before the window is first drawn
    EXPECT_FALSE(f.view->grants()->showsOnboarding());
    EXPECT_EQ(f.scansStarted, 0);
    f.view->onAppear();
    f.view->onAppear(); // while the scan runs
    EXPECT_EQ(f.scansStarted, 1);
    ASSERT_TRUE(waitForScan(f.engine()));
    EngineAccess::setRuleCards(f.engine(), {card("a")});
    f.view->onAppear(); // with results there
    EXPECT_EQ(f.scansStarted, 1);
}

TEST(GrantFlow, APartialPickIsExplainedThenKeptOrReplacedByTheHomeFolder)
{
    StateFixture f;
    const std::string documents = f.root.mkdir("Users/demo/Documents");
    f.open(true, "en");
    GrantPresenter& grants = *f.view->grants();

    f.picker->answers.push_back(documents);
    grants.requestHomeGrant();
    ASSERT_EQ(grants.notice(), GrantOutcome::partial(documents));
    EXPECT_EQ(grants.noticeKind(), "partial");
    EXPECT_TRUE(grants.noticeText().startsWith("You picked \"Documents\""));
    EXPECT_TRUE(grants.noticeText().contains("\"demo\""));
    EXPECT_FALSE(grants.justGranted());
    EXPECT_TRUE(grants.showsOnboarding());
    EXPECT_EQ(f.scansStarted, 0);

    // "Choose home instead" opens the panel again; cancelling it drops the notice only.
    grants.requestHomeGrant();
    EXPECT_EQ(f.picker->requests.size(), 2u);
    EXPECT_FALSE(grants.notice());
    EXPECT_TRUE(grants.showsOnboarding());

    f.picker->answers.push_back(documents);
    grants.requestHomeGrant();
    ASSERT_TRUE(grants.notice());
    grants.keepPendingFolder();
    EXPECT_FALSE(grants.notice());
    EXPECT_FALSE(grants.showsOnboarding());
    EXPECT_EQ(f.access->grantedHomePath(), documents);
    EXPECT_EQ(f.scansStarted, 1);
    ASSERT_TRUE(waitForScan(f.engine()));
}

TEST(GrantFlow, AnOutsidePickIsExplainedAndAGrantClearsIt)
{
    StateFixture f;
    const std::string elsewhere = f.root.mkdir("Volumes/Other");
    f.open(true);
    GrantPresenter& grants = *f.view->grants();
    f.picker->answers.push_back(elsewhere);
    grants.requestApplicationsGrant();
    EXPECT_EQ(grants.noticeKind(), "outside");
    EXPECT_EQ(f.picker->requests[0].initialFolder, f.applications);

    f.picker->answers.push_back(f.applications);
    grants.requestApplicationsGrant();
    EXPECT_FALSE(grants.notice());
    EXPECT_TRUE(grants.applicationsGranted());
    EXPECT_EQ(f.scansStarted, 0); // only the home grant starts a scan
}

TEST(GrantFlow, RevokingClearsTheResultsAndBringsTheOverlayBack)
{
    StateFixture f;
    f.open(true);
    f.picker->answers.push_back(f.home);
    f.view->grants()->requestHomeGrant();
    ASSERT_TRUE(waitForScan(f.engine()));
    EngineAccess::setRuleCards(f.engine(), {card("a")});
    EngineAccess::setInstalledApps(f.engine(), {app("/Applications/x.app", 0, {}, 1, true, "x")});

    f.view->grants()->revokeAll();
    EXPECT_TRUE(f.view->grants()->showsOnboarding());
    EXPECT_TRUE(f.engine().results().ruleCards().empty());
    EXPECT_TRUE(f.engine().results().installedApps().empty());
    EXPECT_FALSE(f.view->inspectedItem());
    EXPECT_FALSE(f.hasStoredKey(*f.access, AccessScope::home));
}

// ---------------------------------------------------------------- the inspected item

TEST(Inspection, TheInspectedItemFollowsTheListsAndFallsBackWhenItsRecordIsGone)
{
    StateFixture f;
    f.open();
    EngineAccess::setRuleCards(f.engine(), {card("a"), card("b")});
    // With nothing inspected, the workspace's first card is shown as soon as it exists, a
    // frame after the list itself.
    EXPECT_FALSE(f.view->inspectedItem());
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.view->inspectedItem().has_value(); }));
    EXPECT_EQ(f.view->inspectedItem()->id(), "a");

    f.view->inspectRow(1);
    EXPECT_EQ(f.view->inspectedRow(), 1);
    EngineAccess::setRuleCards(f.engine(), {card("a"), card("b", /*selected=*/false)});
    ASSERT_TRUE(f.view->inspectedItem()->as<SafeCacheRuleCard>());
    EXPECT_EQ(f.view->inspectedItem()->id(), "b");
    EXPECT_FALSE(f.engine().selection().isSelected(f.view->inspectedItem()->as<SafeCacheRuleCard>()->subItems[0]));

    EngineAccess::setRuleCards(f.engine(), {card("a")}); // "b" was cleaned
    EXPECT_EQ(f.view->inspectedItem()->id(), "a");
    EXPECT_EQ(f.view->inspectedRow(), 0);
    EngineAccess::setRuleCards(f.engine(), {});
    EXPECT_FALSE(f.view->inspectedItem());
    EXPECT_EQ(f.view->inspectedRow(), -1);
}

TEST(Inspection, EachWorkspaceInspectsTheFirstRowOfWhatItShows)
{
    StateFixture f;
    f.open();
    EngineAccess::setProjectBloats(f.engine(), {bloat("/p/bloat", 1, false)});
    EngineAccess::setDuplicateGroups(f.engine(), {group("group", {})});
    EngineAccess::setLargeFiles(f.engine(), {largeFile("/d/archive", 1, false, LargeFileCategory::installerArchive),
                                             largeFile("/m/video", 1, false, LargeFileCategory::videoMedia)});

    f.view->selectWorkspace(Workspace::DevAndDuplicates);
    EXPECT_EQ(f.view->inspectedItem()->id(), "/p/bloat");
    f.view->showList(ShownList::DuplicateGroups);
    EXPECT_EQ(f.view->inspectedItem()->id(), "group");
    f.view->selectWorkspace(Workspace::OneClickSafe);
    f.view->selectWorkspace(Workspace::DevAndDuplicates); // comes back on the list it showed
    EXPECT_EQ(f.view->shownList(), ShownList::DuplicateGroups);

    f.view->setSelectedLargeCategory(LargeFileCategory::videoMedia);
    f.view->selectWorkspace(Workspace::LargeMedia);
    EXPECT_EQ(f.view->inspectedItem()->id(), "/m/video");

    f.view->selectWorkspace(Workspace::AppSlimming); // no apps
    EXPECT_FALSE(f.view->inspectedItem());
    EXPECT_FALSE(f.view->inspector()->hasItem());
}

// Another workspace's list is drawn before its first row's inspector is made. What is
// inspected changes at once, and a row the person inspects meanwhile is what stays shown.
TEST(Inspection, AnotherWorkspacesInspectorFollowsAFrameAfterItsList)
{
    StateFixture f;
    f.open();
    EngineAccess::setProjectBloats(f.engine(), {bloat("/p/big", 2, false), bloat("/p/small", 1, false)});
    const auto shown = [&] { return f.view->inspector()->item() ? f.view->inspector()->item()->id() : ""; };

    f.view->selectWorkspace(Workspace::DevAndDuplicates);
    EXPECT_EQ(f.view->inspectedItem()->id(), "/p/big");
    EXPECT_EQ(f.view->inspectedRow(), 0);
    EXPECT_TRUE(f.view->inspectorCatchingUp());
    EXPECT_NE(shown(), "/p/big");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.view->inspectorCatchingUp(); }));
    EXPECT_EQ(shown(), "/p/big");

    f.view->selectWorkspace(Workspace::OneClickSafe);
    f.view->selectWorkspace(Workspace::DevAndDuplicates);
    f.view->inspectRow(1);
    EXPECT_FALSE(f.view->inspectorCatchingUp());
    EXPECT_EQ(shown(), "/p/small");
    QTest::qWait(100);
    EXPECT_EQ(shown(), "/p/small");
    EXPECT_EQ(f.view->inspectedRow(), 1);
}

TEST(Inspection, OnlyExistingPlayableFilesGetAPlayerAndIconsFollowTheAppearance)
{
    StateFixture f;
    f.open();
    const Path movie = f.root.file("Users/demo/Movies/Trip.MOV", 10);
    f.view->setInspectedItem(InspectedItem(largeFile(movie, 10, false).record));
    ASSERT_TRUE(f.view->mediaPlayer());
    EXPECT_EQ(f.view->mediaPlayer()->path(), movie);
    const Path gone = f.home + "/Movies/gone.mp4";
    f.view->setInspectedItem(InspectedItem(largeFile(gone, 10, false).record));
    EXPECT_FALSE(f.view->mediaPlayer());

    // The missing file's icon is drawn in the secondary ink of the mode shown, after a switch too.
    for (int i = 0; i < 2; ++i) {
        f.view->toggleAppearance();
        const QImage expected = FileTypeIcons().iconFor(gone, f.view->inspector()->previewImage().width(),
                                                        f.view->windowPalette()->inkSecondary());
        EXPECT_EQ(f.view->inspector()->previewImage(), expected) << f.view->appearanceRaw().toStdString();
    }

    const Path clip = f.root.file("Users/demo/Desktop/clip.mp4", 10);
    const Path link = f.root.at("Users/demo/Desktop/link.mp4");
    ASSERT_EQ(::symlink(clip.c_str(), link.c_str()), 0);
    f.view->setInspectedItem(InspectedItem(largeFile(link, 10, false).record));
    EXPECT_FALSE(f.view->mediaPlayer()); // a link is not followed to what it names
    f.view->setInspectedItem(
        InspectedItem(group("g", {member(clip, 10, true, false), member(clip, 10, false, true)}).record));
    ASSERT_TRUE(f.view->mediaPlayer());
    EXPECT_EQ(f.view->mediaPlayer()->path(), clip);
    f.view->setInspectedItem(std::nullopt);
    EXPECT_FALSE(f.view->mediaPlayer());
}

// ---------------------------------------------------------------- persisted choices

TEST(Persistence, AnUnknownLanguageCodeShowsSimplifiedChineseAndIsLeftAlone)
{
    for (const char* stored : {"EN", "en-US", "", "klingon"}) {
        StateFixture f;
        f.settings()->setValue(qt(kLanguageDefaultsKey), stored);
        f.open();
        EXPECT_EQ(f.view->currentLanguage(), AppLanguage::zhHans) << stored;
        EXPECT_EQ(f.text("onboardingTitle"), qt(WindowTexts::onboardingTitle(AppLanguage::zhHans)));
        EXPECT_EQ(f.settings()->value(qt(kLanguageDefaultsKey)).toString(), stored);
    }
}

TEST(Persistence, LanguageAndAppearanceAreStoredAndShownAtOnce)
{
    StateFixture f;
    f.open();
    EXPECT_EQ(f.view->languageRaw(), "zh-Hans");
    EXPECT_EQ(f.view->appearanceRaw(), "obsidian");
    EXPECT_TRUE(f.view->isDark());

    QSignalSpy language(f.view.get(), &WindowState::languageRawChanged);
    f.view->setShowLanguageMatrixPopover(true);
    f.view->chooseLanguage("ko");
    EXPECT_EQ(language.count(), 1);
    EXPECT_FALSE(f.view->showLanguageMatrixPopover());
    EXPECT_EQ(f.text("statusPill"), qt(WindowTexts::statusPill(AppLanguage::ko)));
    EXPECT_EQ(f.text("onboardingTitle"), QStringLiteral("한 단계만 남았습니다")); // once shown in English

    f.view->toggleAppearance();
    EXPECT_EQ(f.view->appearanceRaw(), "dawn");
    EXPECT_FALSE(f.view->isDark());

    f.open(); // restart
    EXPECT_EQ(f.view->languageRaw(), "ko");
    EXPECT_EQ(f.view->appearanceRaw(), "dawn");
    f.view->toggleAppearance();
    f.view->waitUntilChoicesWritten();
    EXPECT_EQ(f.settings()->value(qt(kAppearanceDefaultsKey)).toString(), "obsidian");
}

TEST(Persistence, SwitchingLanguageKeepsTheWorkspaceAndTheInspectedCardAndTranslatesItsTitle)
{
    StateFixture f;
    f.open(false, "ar");
    SafeCacheRuleCard browser = safecache::cardShell(0); // with its title's message
    browser.id = "browser";
    EngineAccess::setRuleCards(f.engine(), {card("a"), browser});
    f.view->inspectRow(1);
    f.view->setLanguageRaw("zh-Hans");
    ASSERT_EQ(f.view->inspector()->kind(), ShownList::RuleCards);
    EXPECT_EQ(f.view->inspector()->title(), QString::fromStdString(browser.title));

    QSignalSpy titleChanged(f.view->inspector(), &InspectorPresenter::itemChanged);
    f.view->setLanguageRaw("en");
    EXPECT_GE(titleChanged.count(), 1);
    EXPECT_EQ(f.view->selectedWorkspace(), Workspace::OneClickSafe);
    EXPECT_EQ(f.view->inspectedItem()->id(), "browser");
    EXPECT_EQ(f.view->inspector()->title(), "Browser & Web Media Cache");
}

// ---------------------------------------------------------------- the scan's step line

// The engine words each step of a scan in Chinese; the window says every step in the
// language shown, and says it again when the language changes while the scan runs.
TEST(ScanSteps, EachStepOfARunningScanIsSaidInTheLanguageShown)
{
    const auto hasHan = [](const QString& text) {
        return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.script() == QChar::Script_Han; });
    };
    for (const char* language : {"de", "ko", "ar", "zh-Hans"}) {
        StateFixture f;
        f.open(false, language);
        QStringList said;
        QObject::connect(f.view.get(), &WindowState::scanPhaseTextChanged, [&] {
            if (f.engine().isScanning())
                said << f.view->scanPhaseText();
        });
        f.engine().startInstantScan();
        ASSERT_TRUE(waitForScan(f.engine()));
        ASSERT_EQ(said.size(), 4) << language; // caches, system data, projects, duplicates
        said.removeDuplicates();
        EXPECT_EQ(said.size(), 4) << language;
        for (const QString& step : said) {
            EXPECT_FALSE(step.isEmpty()) << language;
            EXPECT_EQ(hasHan(step), std::string_view(language) == "zh-Hans") << language << " " << qPrintable(step);
        }
        EXPECT_TRUE(f.view->scanPhaseText().isEmpty()) << "the line says nothing once the scan is over";
    }

    StateFixture f;
    f.open(false, "de");
    f.engine().startInstantScan();
    const QString german = f.view->scanPhaseText();
    QSignalSpy told(f.view.get(), &WindowState::scanPhaseTextChanged);
    f.view->setLanguageRaw(QStringLiteral("fr"));
    EXPECT_GE(told.count(), 1);
    EXPECT_EQ(f.view->scanPhaseText(), qt(WindowTexts::scanPhaseCaches(AppLanguage::fr)));
    EXPECT_NE(f.view->scanPhaseText(), german);
    ASSERT_TRUE(waitForScan(f.engine()));
}
