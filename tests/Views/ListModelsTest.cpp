// The window's list models follow the engine's published lists by id: a toggle changes one
// row's data, a clean removes rows and a scan inserts them in place; views never see a reset
// unless rows that stay changed their order.
#include "Models/DiskFormat.h"
#include "Views/AccessTestSupport.h"
#include "WindowState.h"
#include "support/EngineTestAccess.h"
#include "support/Records.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct ModelFixture : AccessFixture {
    std::unique_ptr<SandboxAccessManager> access = start(/*sandboxed=*/false);
    std::unique_ptr<WindowState> view;

    ModelFixture()
    {
        MacStorageScanner::Options options;
        options.home = home;
        options.applications = applications;
        view = std::make_unique<WindowState>(options, *access);
        view->setLanguageRaw("en");
    }
    MacStorageScanner& scanner() { return view->scanner(); }
};

// Every structural signal of a model, counted.
struct ModelSpies {
    QSignalSpy dataChanged, reset, inserted, removed, moved, layout;
    explicit ModelSpies(QAbstractItemModel* m)
        : dataChanged(m, &QAbstractItemModel::dataChanged), reset(m, &QAbstractItemModel::modelReset),
          inserted(m, &QAbstractItemModel::rowsInserted), removed(m, &QAbstractItemModel::rowsRemoved),
          moved(m, &QAbstractItemModel::rowsMoved), layout(m, &QAbstractItemModel::layoutChanged)
    {
    }
    int structural() const
    {
        return int(reset.count() + inserted.count() + removed.count() + moved.count() + layout.count());
    }
    // The rows [first, last] of the nth dataChanged.
    std::pair<int, int> changedRows(int n) const
    {
        return {dataChanged.at(n).at(0).toModelIndex().row(), dataChanged.at(n).at(1).toModelIndex().row()};
    }
};

QVariant roleOf(const QAbstractItemModel& model, int row, const char* name)
{
    return model.data(model.index(row, 0), model.roleNames().key(name));
}

QStringList column(const QAbstractItemModel& model, const char* name)
{
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values.append(roleOf(model, row, name).toString());
    return values;
}

ProjectBloatItem project(const std::string& name, bool selected = true)
{
    return bloat("/p/" + name + "/node_modules", 100, selected, name);
}

std::vector<ProjectBloatItem> projects(std::initializer_list<const char*> names)
{
    std::vector<ProjectBloatItem> list;
    for (const char* name : names)
        list.push_back(project(name));
    return list;
}

} // namespace

TEST(ListModels, AToggleChangesExactlyThatRowsDataAndNothingElse)
{
    ModelFixture f;
    EngineAccess::setRuleCards(f.scanner(),
                               {card("a", {cacheItem("/c/a", 10, true)}), card("b", {cacheItem("/c/b", 20, true)}),
                                card("c", {cacheItem("/c/c", 30, true)})});
    RuleCardListModel& model = *f.view->ruleCards();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ModelSpies spies(&model);

    f.scanner().toggleCard("b");
    ASSERT_EQ(spies.dataChanged.count(), 1);
    EXPECT_EQ(spies.changedRows(0), std::make_pair(1, 1));
    EXPECT_EQ(spies.structural(), 0);
    EXPECT_FALSE(roleOf(model, 1, "selected").toBool());
    EXPECT_TRUE(roleOf(model, 0, "selected").toBool());
}

TEST(ListModels, SelectAllOnAManyRowListIsOneDataChangeWithoutReset)
{
    ModelFixture f;
    std::vector<ProjectBloatItem> many;
    for (int i = 0; i < 2000; ++i)
        many.push_back(project("p" + std::to_string(i)));
    EngineAccess::setProjectBloats(f.scanner(), many);
    ProjectBloatListModel& model = *f.view->projectBloats();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ModelSpies spies(&model);

    f.scanner().setAllProjectBloats(false);
    ASSERT_EQ(spies.dataChanged.count(), 1);
    EXPECT_EQ(spies.changedRows(0), std::make_pair(0, 1999));
    EXPECT_EQ(spies.structural(), 0);
    EXPECT_FALSE(roleOf(model, 1999, "selected").toBool());
}

TEST(ListModels, CleanedRowsGoAndNewRowsArriveInPlace)
{
    ModelFixture f;
    EngineAccess::setProjectBloats(f.scanner(), projects({"a", "b", "c", "d"}));
    ProjectBloatListModel& model = *f.view->projectBloats();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ModelSpies spies(&model);
    QSignalSpy count(&model, &SyncedListModel::countChanged);

    EngineAccess::setProjectBloats(f.scanner(), projects({"a", "c", "e", "f", "d"}));
    EXPECT_EQ(column(model, "projectName"), QStringList({"a", "c", "e", "f", "d"}));
    ASSERT_EQ(spies.removed.count(), 1);
    EXPECT_EQ(spies.removed.at(0).at(1).toInt(), 1); // b
    ASSERT_EQ(spies.inserted.count(), 1);            // e and f in one go
    EXPECT_EQ(spies.inserted.at(0).at(1).toInt(), 2);
    EXPECT_EQ(spies.inserted.at(0).at(2).toInt(), 3);
    EXPECT_EQ(spies.reset.count(), 0);
    EXPECT_EQ(spies.dataChanged.count(), 0); // the rows that stayed did not change
    EXPECT_EQ(count.count(), 1);

    // Emptied entirely (every row cleaned).
    EngineAccess::setProjectBloats(f.scanner(), {});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(spies.reset.count(), 0);
}

TEST(ListModels, OnlyAPublishThatReordersStayingRowsResets)
{
    ModelFixture f;
    EngineAccess::setProjectBloats(f.scanner(), projects({"a", "b", "c"}));
    ProjectBloatListModel& model = *f.view->projectBloats();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ModelSpies spies(&model);

    EngineAccess::setProjectBloats(f.scanner(), projects({"c", "a", "b"}));
    EXPECT_EQ(spies.reset.count(), 1);
    EXPECT_EQ(column(model, "projectName"), QStringList({"c", "a", "b"}));
}

TEST(ListModels, TheLanguageChangesTextsOfEveryRowButNoRow)
{
    ModelFixture f;
    SafeCacheRuleCard browsers = card("card-browsers", {cacheItem("/c/a", 10, true)});
    browsers.title = "浏览器多账号无损瘦身";
    EngineAccess::setRuleCards(f.scanner(), {browsers});
    RuleCardListModel& model = *f.view->ruleCards();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QString english = roleOf(model, 0, "title").toString();
    ModelSpies spies(&model);

    f.view->setLanguageRaw("zh-Hans");
    EXPECT_EQ(roleOf(model, 0, "title").toString(), QString::fromStdString(browsers.title));
    EXPECT_NE(english, roleOf(model, 0, "title").toString());
    EXPECT_EQ(spies.dataChanged.count(), 1);
    EXPECT_EQ(spies.structural(), 0);
}

TEST(ListModels, TheLargeFileListFollowsTheCategoryByRows)
{
    ModelFixture f;
    EngineAccess::setLargeFiles(f.scanner(),
                                {largeFile("/m/a.mp4", 30, false, LargeFileCategory::videoMedia, "a.mp4"),
                                 largeFile("/d/b.zip", 30, true, LargeFileCategory::installerArchive, "b.zip"),
                                 largeFile("/m/c.mov", 30, false, LargeFileCategory::videoMedia, "c.mov")});
    LargeFileListModel& model = *f.view->largeFiles();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ModelSpies spies(&model);

    f.view->selectWorkspace(CleanTrustWorkspace::largeMedia);
    f.view->setSelectedLargeCategory(LargeFileCategory::videoMedia);
    EXPECT_EQ(column(model, "name"), QStringList({"a.mp4", "c.mov"}));
    f.view->toggleSelectAll(); // only what the category shows
    EXPECT_TRUE(f.scanner().largeFiles()[0].isSelected);
    EXPECT_TRUE(f.scanner().largeFiles()[1].isSelected); // was selected, stays
    f.view->toggleSelectAll();
    EXPECT_FALSE(f.scanner().largeFiles()[2].isSelected);
    EXPECT_TRUE(f.scanner().largeFiles()[1].isSelected); // another category: untouched
    f.view->setSelectedLargeCategory(LargeFileCategory::all);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(spies.reset.count(), 0);
}

TEST(ListModels, TheInspectedCardsSubItemsFollowItsToggles)
{
    ModelFixture f;
    EngineAccess::setRuleCards(f.scanner(),
                               {card("a", {cacheItem("/c/1", 10, true, "one"), cacheItem("/c/2", 20, false, "two")})});
    f.view->selectDefaultInspectedItem(CleanTrustWorkspace::oneClickSafe);
    CacheSubItemListModel& model = *f.view->inspectedSubItems();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), 2);
    ModelSpies spies(&model);

    f.view->toggleSubItem(1);
    EXPECT_TRUE(f.scanner().ruleCards()[0].subItems[1].isSelected);
    ASSERT_EQ(spies.dataChanged.count(), 1);
    EXPECT_EQ(spies.changedRows(0), std::make_pair(1, 1));
    EXPECT_EQ(spies.structural(), 0);

    // Another kind of record inspected: the card's sub-items go.
    EngineAccess::setProjectBloats(f.scanner(), projects({"p"}));
    f.view->selectWorkspace(CleanTrustWorkspace::devAndDuplicates);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(ListModels, KeepingAnotherCopyMovesTheLockToThatMember)
{
    ModelFixture f;
    EngineAccess::setDuplicateGroups(
        f.scanner(), {group("g", {member("/d/1", 5, true, false, "one"), member("/d/2", 5, false, true, "two")})});
    f.view->selectWorkspace(CleanTrustWorkspace::devAndDuplicates);
    f.view->chooseDevSubTab(1);
    DuplicateMemberListModel& members = *f.view->inspectedMembers();
    QAbstractItemModelTester tester(&members, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ModelSpies spies(&members);

    f.view->keepMemberInstead(1);
    EXPECT_TRUE(roleOf(members, 1, "lockedOriginal").toBool());
    EXPECT_TRUE(roleOf(members, 0, "selectedForDelete").toBool());
    EXPECT_EQ(spies.structural(), 0);
}

TEST(ListModels, AppsWithoutLeftoversAreNotSelectableInCacheOnlyMode)
{
    ModelFixture f;
    EngineAccess::setInstalledApps(f.scanner(), {app("/A/Keep.app", 10, {"/l/keep"}, 300, false, "Keep"),
                                                 app("/A/Bare.app", 10, {}, 0, false, "Bare")});
    f.view->selectWorkspace(CleanTrustWorkspace::appSlimming);
    InstalledAppListModel& model = *f.view->installedApps();
    EXPECT_FALSE(roleOf(model, 1, "selectable").toBool());
    f.view->toggleRow(1);
    EXPECT_FALSE(f.scanner().installedApps()[1].isSelected);
    f.view->toggleSelectAll();
    EXPECT_TRUE(f.scanner().installedApps()[0].isSelected);
    EXPECT_FALSE(f.scanner().installedApps()[1].isSelected);
    EXPECT_TRUE(f.view->allRowsSelected()); // every app that can be selected is

    f.view->setAppSlimmingOnlyCache(false);
    EXPECT_TRUE(roleOf(model, 1, "selectable").toBool());
    EXPECT_EQ(roleOf(model, 0, "size").toString(), QString::fromStdString(DiskFormat::bytes(310)));
    EXPECT_FALSE(f.view->allRowsSelected());
}

TEST(ListModels, AnAppOnlyItsOwnToolRemovesShowsItsCommandAndFreesOnlyItsCache)
{
    ModelFixture f;
    InstalledAppItem snap = app("/snap/firefox", 700, {"/h/snap/firefox/common/.cache"}, 30, true, "Firefox");
    snap.kind = InstalledAppKind::snap;
    snap.uninstallCommand = "sudo snap remove firefox";
    InstalledAppItem image = app("/h/Applications/Krita.AppImage", 100, {"/h/.cache/krita"}, 20, true, "Krita");
    image.kind = InstalledAppKind::appImage;
    // A user Flatpak is removed by the clean itself, through its tool.
    InstalledAppItem gimp =
        app("/h/.local/share/flatpak/app/org.gimp.GIMP", 500, {"/h/.var/app/org.gimp.GIMP/cache"}, 10, true, "GIMP");
    gimp.kind = InstalledAppKind::flatpakUser;
    gimp.uninstallCommand = "flatpak uninstall --user org.gimp.GIMP";
    EngineAccess::setInstalledApps(f.scanner(), {snap, image, gimp});
    f.view->selectWorkspace(CleanTrustWorkspace::appSlimming);
    InstalledAppListModel& model = *f.view->installedApps();
    EXPECT_EQ(column(model, "uninstallCommand"), QStringList({"", "", ""})); // cache-only: nothing to run

    f.view->setAppSlimmingOnlyCache(false);
    EXPECT_EQ(column(model, "uninstallCommand"),
              QStringList({"Clears its cache only. To remove the app, run: sudo snap remove firefox", "",
                           "Full uninstall removes it by running: flatpak uninstall --user org.gimp.GIMP"}));
    EXPECT_EQ(column(model, "modeBadge"), QStringList({"Cache Clean", "Uninstall", "Uninstall"}));
    EXPECT_EQ(column(model, "size"), QStringList({QString::fromStdString(DiskFormat::bytes(30)),
                                                  QString::fromStdString(DiskFormat::bytes(120)),
                                                  QString::fromStdString(DiskFormat::bytes(510))}));
    EXPECT_EQ(f.scanner().totalSelectedUninstallBytes(), 660);
}
