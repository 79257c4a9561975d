// The lists the workspaces show, through their adapters: rows follow the engine's publishes by
// id (a toggle changes one row's data, a clean removes rows, a scan inserts them in place;
// views see a reset only when rows that stay change their order), every list toggles, selects
// all and hands exactly its selection to the clean, and a permanent delete waits for its word.
#include "Models/DiskFormat.h"
#include "Services/SafeCacheRules.h"
#include "Views/StateTestSupport.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Every structural signal of a model, counted; the model is checked by Qt's model tester too.
struct ModelSpies {
    QAbstractItemModelTester tester;
    QSignalSpy dataChanged, reset, inserted, removed, moved, layout;
    explicit ModelSpies(QAbstractItemModel* m)
        : tester(m, QAbstractItemModelTester::FailureReportingMode::Fatal),
          dataChanged(m, &QAbstractItemModel::dataChanged), reset(m, &QAbstractItemModel::modelReset),
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

QString bytes(Int64 value) { return QString::fromStdString(DiskFormat::bytes(value)); }

std::vector<Seeded<ProjectBloatItem>> projects(std::initializer_list<const char*> names)
{
    std::vector<Seeded<ProjectBloatItem>> list;
    for (const char* name : names)
        list.push_back(bloat(std::string("/p/") + name + "/node_modules", 100, true, name));
    return list;
}

// The window's state in English over a home whose lists the test seeds.
struct ListsFixture : StateFixture {
    ListsFixture() { open(false, "en"); }
};

// Two records in each list, 100 and 200 bytes, each freeing one item of its size when selected.
void seedEveryList(StorageEngine& engine)
{
    std::vector<SafeCacheRuleCard> cards;
    std::vector<Seeded<ProjectBloatItem>> bloats;
    std::vector<SeededGroup> groups;
    std::vector<Seeded<LargeFileItem>> files;
    std::vector<Seeded<InstalledAppItem>> apps;
    for (int i = 0; i < 2; ++i) {
        const Int64 size = (i + 1) * 100;
        const std::string n = std::to_string(i);
        cards.push_back(card("card" + n, {cacheItem("/c/" + n, size, true)}));
        bloats.push_back(bloat("/p/" + n + "/node_modules", size, true));
        groups.push_back(group(
            "g" + n, {member("/d/" + n + "/kept", size, true, false), member("/d/" + n + "/copy", size, false, true)}));
        files.push_back(largeFile("/f/" + n, size, true));
        apps.push_back(app("/a/" + n + ".app", 1000, {"/a/leftover" + n}, size, true));
    }
    EngineAccess::setRuleCards(engine, cards);
    EngineAccess::setProjectBloats(engine, bloats);
    EngineAccess::setDuplicateGroups(engine, groups);
    EngineAccess::setLargeFiles(engine, files);
    EngineAccess::setInstalledApps(engine, apps);
}

} // namespace

// ---------------------------------------------------------------- every list alike

TEST(ShownLists, EveryListTogglesSelectsAllAndHandsExactlyItsSelectionToTheClean)
{
    ListsFixture f;
    seedEveryList(f.engine());
    for (ShownList each : WindowLists::kAllShownLists) {
        SCOPED_TRACE(int(each));
        f.view->showList(each);
        ShownListAdapter& list = f.list(each);
        ASSERT_EQ(f.view->shown(), &list);
        ASSERT_EQ(list.rows().count(), 2);
        const Workspace workspace = WindowLists::workspaceOf(each);
        const Int64 elsewhere = f.view->lists().selectedBytes(workspace) - list.selectedBytes();

        list.setAllSelected(false);
        EXPECT_EQ(list.selectedBytes(), 0);
        EXPECT_TRUE(list.cleanItems().empty());
        EXPECT_FALSE(list.allSelected());

        list.toggle(1);
        EXPECT_EQ(list.selectedBytes(), 200);
        ASSERT_EQ(list.cleanItems().size(), 1u);
        EXPECT_EQ(list.cleanItems()[0].sizeBytes, 200);
        EXPECT_FALSE(roleOf(list.rows(), 0, "selected").toBool());
        EXPECT_TRUE(roleOf(list.rows(), 1, "selected").toBool());
        EXPECT_FALSE(list.allSelected());
        EXPECT_EQ(f.view->lists().selectedBytes(workspace), elsewhere + 200);

        list.toggleAll();
        EXPECT_TRUE(list.allSelected());
        EXPECT_EQ(list.selectedBytes(), 300);
        EXPECT_EQ(list.cleanItems().size(), 2u);
        list.toggleAll();
        EXPECT_EQ(list.selectedBytes(), 0);

        // Rows and records map onto each other; the inspector's copy is refreshed from the engine.
        const auto second = list.itemAt(1);
        ASSERT_TRUE(second);
        EXPECT_EQ(second->list(), each);
        EXPECT_EQ(list.rowOf(*second), 1);
        EXPECT_EQ(list.latest(*second), second);
        EXPECT_FALSE(list.itemAt(2));
        EXPECT_FALSE(list.itemAt(-1));
        list.toggle(7); // no such row: nothing happens
        EXPECT_EQ(list.selectedBytes(), 0);
    }
}

TEST(ShownLists, TheEmptyStatesNextLeadsThroughTheListsInTheirOrder)
{
    ListsFixture f;
    f.view->showList(ShownList::RuleCards);
    for (std::size_t at = 1; at < WindowLists::kShownListCount; ++at) {
        f.view->openEmptyStateNext();
        EXPECT_EQ(f.view->shownList(), WindowLists::kAllShownLists[at]);
    }
    f.view->openEmptyStateNext(); // the last list has no next one
    EXPECT_EQ(f.view->shownList(), ShownList::InstalledApps);
}

// ---------------------------------------------------------------- rows follow the engine

TEST(ShownLists, ATogglesSelectAllAndTheLanguageChangeRowsDataButNoRow)
{
    ListsFixture f;
    SafeCacheRuleCard browsers = safecache::cardShell(0); // with its title's message
    browsers.id = "b";
    browsers.subItems = {cacheItem("/c/b", 20, true)};
    EngineAccess::setRuleCards(
        f.engine(), {card("a", {cacheItem("/c/a", 10, true)}), browsers, card("c", {cacheItem("/c/c", 30, true)})});
    ShownListAdapter& list = f.list(ShownList::RuleCards);
    const QString english = roleOf(list.rows(), 1, "title").toString();
    ModelSpies spies(&list.rows());

    list.toggle(1);
    ASSERT_EQ(spies.dataChanged.count(), 1);
    EXPECT_EQ(spies.changedRows(0), std::make_pair(1, 1));
    EXPECT_FALSE(roleOf(list.rows(), 1, "selected").toBool());
    EXPECT_TRUE(roleOf(list.rows(), 0, "selected").toBool());

    f.view->setLanguageRaw("zh-Hans");
    ASSERT_EQ(spies.dataChanged.count(), 2);
    EXPECT_EQ(spies.changedRows(1), std::make_pair(0, 2));
    EXPECT_EQ(roleOf(list.rows(), 1, "title").toString(), QString::fromStdString(browsers.title));
    EXPECT_NE(english, roleOf(list.rows(), 1, "title").toString());
    EXPECT_EQ(spies.structural(), 0);
}

TEST(ShownLists, SelectAllOnAManyRowListIsOneDataChangeWithoutReset)
{
    ListsFixture f;
    std::vector<Seeded<ProjectBloatItem>> many;
    for (int i = 0; i < 2000; ++i)
        many.push_back(bloat("/p/" + std::to_string(i), 100, true));
    EngineAccess::setProjectBloats(f.engine(), many);
    ShownListAdapter& list = f.list(ShownList::ProjectBloats);
    ModelSpies spies(&list.rows());

    list.toggleAll();
    ASSERT_EQ(spies.dataChanged.count(), 1);
    EXPECT_EQ(spies.changedRows(0), std::make_pair(0, 1999));
    EXPECT_EQ(spies.structural(), 0);
    EXPECT_FALSE(roleOf(list.rows(), 1999, "selected").toBool());
}

TEST(ShownLists, CleanedRowsGoNewRowsArriveInPlaceAndOnlyAReorderResets)
{
    ListsFixture f;
    SyncedListModel& model = f.list(ShownList::ProjectBloats).rows();
    ModelSpies spies(&model);
    QSignalSpy count(&model, &SyncedListModel::countChanged);
    EngineAccess::setProjectBloats(f.engine(), projects({"a", "b", "c", "d"}));
    ASSERT_EQ(spies.inserted.count(), 1); // the first publish is one insert of every row
    EXPECT_EQ(spies.inserted.at(0).at(2).toInt(), 3);
    EXPECT_EQ(count.count(), 1);

    // The same rows again: only a row whose record changed is told. Every row now shows the
    // record of the new list, not a copy, and the list before is let go.
    const std::weak_ptr<const std::vector<ProjectBloatItem>> before = f.engine().results().sharedProjectBloats();
    std::vector<Seeded<ProjectBloatItem>> grown = projects({"a", "b", "c", "d"});
    grown[2] = bloat("/p/c/node_modules", 300, true, "c");
    EngineAccess::setProjectBloats(f.engine(), grown);
    ASSERT_EQ(spies.dataChanged.count(), 1);
    EXPECT_EQ(spies.changedRows(0), std::make_pair(2, 2));
    EXPECT_TRUE(roleOf(model, 2, "size").toString().contains(bytes(300)));
    EXPECT_TRUE(before.expired());
    const auto& rows = dynamic_cast<ProjectBloatAdapter&>(f.list(ShownList::ProjectBloats)).model();
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(&rows.at(row), &f.engine().results().projectBloats()[std::size_t(row)]);
    spies.dataChanged.clear();

    EngineAccess::setProjectBloats(f.engine(), projects({"a", "c", "e", "f", "d"}));
    EXPECT_EQ(column(model, "projectName"), QStringList({"a", "c", "e", "f", "d"}));
    ASSERT_EQ(spies.removed.count(), 1);
    EXPECT_EQ(spies.removed.at(0).at(1).toInt(), 1); // b
    ASSERT_EQ(spies.inserted.count(), 2);            // e and f in one go
    EXPECT_EQ(spies.inserted.at(1).at(1).toInt(), 2);
    EXPECT_EQ(spies.inserted.at(1).at(2).toInt(), 3);
    EXPECT_EQ(spies.reset.count(), 0);
    EXPECT_EQ(spies.dataChanged.count(), 1); // c went back to its old size; a and d did not change
    EXPECT_EQ(count.count(), 2);

    EngineAccess::setProjectBloats(f.engine(), projects({"d", "a", "c"}));
    EXPECT_EQ(spies.reset.count(), 1);
    EXPECT_EQ(column(model, "projectName"), QStringList({"d", "a", "c"}));
    EngineAccess::setProjectBloats(f.engine(), std::vector<ProjectBloatItem>{}); // every row cleaned
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(spies.reset.count(), 1);
}

// ---------------------------------------------------------------- the app workspace's modes

TEST(ShownLists, CacheOnlyModeLeavesAppsWithoutLeftoversUnselectableAndUnticked)
{
    ListsFixture f;
    EngineAccess::setInstalledApps(f.engine(), {app("/A/Keep.app", 10, {"/l/keep"}, 300, true, "Keep"),
                                                app("/A/Bare.app", 10, {}, 0, true, "Bare"),
                                                app("/A/Off.app", 10, {"/l/off"}, 5, false, "Off")});
    f.view->selectWorkspace(Workspace::AppSlimming);
    ShownListAdapter& list = f.list(ShownList::InstalledApps);
    const auto& apps = f.engine().results().installedApps();
    const auto selected = [&](std::size_t at) { return f.engine().selection().isSelected(apps[at]); };

    f.view->setAppSlimmingOnlyCache(false);
    EXPECT_TRUE(selected(1));
    EXPECT_TRUE(roleOf(list.rows(), 1, "selectable").toBool());
    EXPECT_EQ(roleOf(list.rows(), 0, "size").toString(), bytes(310));
    f.view->setAppSlimmingOnlyCache(true); // unticks what has nothing to clean, and nothing else
    EXPECT_TRUE(selected(0));
    EXPECT_FALSE(selected(1));
    EXPECT_FALSE(selected(2));
    EXPECT_FALSE(roleOf(list.rows(), 1, "selectable").toBool());
    EXPECT_EQ(roleOf(list.rows(), 0, "size").toString(), bytes(300));

    list.toggle(1);
    EXPECT_FALSE(selected(1));
    list.toggleAll();
    EXPECT_TRUE(selected(2));
    EXPECT_FALSE(selected(1));
    EXPECT_TRUE(list.allSelected());        // every app that can be selected is
    f.view->setAppSlimmingOnlyCache(false); // switching back selects nothing
    EXPECT_FALSE(selected(1));
    EXPECT_FALSE(list.allSelected());
}

TEST(ShownLists, AnAppOnlyItsOwnToolRemovesShowsItsCommandAndFreesOnlyItsCache)
{
    ListsFixture f;
    Seeded<InstalledAppItem> snap = app("/snap/firefox", 700, {"/h/snap/firefox/common/.cache"}, 30, true, "Firefox");
    snap.record.kind = InstalledAppKind::snap;
    snap.record.uninstallCommand = "sudo snap remove firefox";
    Seeded<InstalledAppItem> image = app("/h/Applications/Krita.AppImage", 100, {"/h/.cache/krita"}, 20, true, "Krita");
    image.record.kind = InstalledAppKind::appImage;
    // A user Flatpak is removed by the clean itself, through its tool.
    Seeded<InstalledAppItem> gimp =
        app("/h/.local/share/flatpak/app/org.gimp.GIMP", 500, {"/h/.var/app/org.gimp.GIMP/cache"}, 10, true, "GIMP");
    gimp.record.kind = InstalledAppKind::flatpakUser;
    gimp.record.uninstallCommand = "flatpak uninstall --user org.gimp.GIMP";
    EngineAccess::setInstalledApps(f.engine(), {snap, image, gimp});
    f.view->selectWorkspace(Workspace::AppSlimming);
    const SyncedListModel& model = f.list(ShownList::InstalledApps).rows();
    EXPECT_EQ(column(model, "uninstallCommand"), QStringList({"", "", ""})); // cache-only: nothing to run

    f.view->setAppSlimmingOnlyCache(false);
    const QStringList commands = column(model, "uninstallCommand");
    EXPECT_TRUE(commands[0].endsWith(": sudo snap remove firefox")) << commands[0].toStdString();
    EXPECT_EQ(commands[1], "");
    EXPECT_TRUE(commands[2].endsWith(": flatpak uninstall --user org.gimp.GIMP")) << commands[2].toStdString();
    EXPECT_NE(commands[0], commands[2]); // one is only shown, the other is run
    const QStringList badges = column(model, "modeBadge");
    EXPECT_NE(badges[0], badges[1]);
    EXPECT_EQ(badges[1], badges[2]);
    EXPECT_EQ(column(model, "size"), QStringList({bytes(30), bytes(120), bytes(510)}));
    EXPECT_EQ(f.list(ShownList::InstalledApps).selectedBytes(), 660);
}

// ---------------------------------------------------------------- the inspector's lists

TEST(ShownLists, TheInspectorsCachesAndCopiesFollowItsDecisions)
{
    ListsFixture f;
    EngineAccess::setRuleCards(f.engine(),
                               {card("a", {cacheItem("/c/1", 10, true, "one"), cacheItem("/c/2", 20, false, "two")})});
    EngineAccess::setDuplicateGroups(
        f.engine(), {group("g", {member("/d/1", 5, true, false, "one"), member("/d/2", 5, false, true, "two")})});
    // The first row is inspected a frame after it appears.
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.view->inspectedItem().has_value(); }));
    InspectorPresenter& inspector = *f.view->inspector();
    ASSERT_EQ(inspector.subItems()->rowCount(), 2);
    ModelSpies caches(inspector.subItems());

    inspector.toggleSubItem(1);
    EXPECT_TRUE(f.engine().selection().isSelected(f.engine().results().ruleCards()[0].subItems[1]));
    ASSERT_EQ(caches.dataChanged.count(), 1);
    EXPECT_EQ(caches.changedRows(0), std::make_pair(1, 1));
    EXPECT_EQ(caches.structural(), 0);

    // Another kind of record inspected: the card's caches go, the group's copies come.
    f.view->showList(ShownList::DuplicateGroups);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.view->inspectorCatchingUp(); })); // a frame later
    EXPECT_EQ(inspector.subItems()->rowCount(), 0);
    ModelSpies copies(inspector.members());
    inspector.keepMemberInstead(1);
    EXPECT_TRUE(roleOf(*inspector.members(), 1, "lockedOriginal").toBool());
    EXPECT_TRUE(roleOf(*inspector.members(), 0, "selectedForDelete").toBool());
    EXPECT_EQ(copies.structural(), 0);
}

// The catalogue's Flatpak cache is also the app's leftover: one tick in both lists' rows, and a
// clean of both lists moves it once.
TEST(ShownLists, APathInTwoListsShowsOneTickAndACleanOfItLeavesItInNeither)
{
    ListsFixture f;
    const Path cache = f.home + "/.var/app/org.example.Chat/cache";
    f.root.file("Users/demo/.var/app/org.example.Chat/cache/blob", 4096);
    InstalledAppItem chat =
        app(f.home + "/.local/share/flatpak/app/org.example.Chat", 500, {cache}, 4096, false, "Chat").record;
    chat.kind = InstalledAppKind::flatpakUser;
    EngineAccess::setRuleCards(f.engine(), {card("flatpak", {cacheItem(cache, 4096, true, "Chat")})});
    EngineAccess::setInstalledApps(f.engine(), std::vector<InstalledAppItem>{chat});
    ShownListAdapter& caches = f.list(ShownList::RuleCards);
    ShownListAdapter& apps = f.list(ShownList::InstalledApps);
    ModelSpies appRows(&apps.rows());
    EXPECT_FALSE(roleOf(caches.rows(), 0, "selected").toBool());
    EXPECT_FALSE(roleOf(apps.rows(), 0, "selected").toBool());

    caches.toggle(0);
    EXPECT_TRUE(roleOf(apps.rows(), 0, "selected").toBool());
    ASSERT_EQ(appRows.dataChanged.count(), 1);
    EXPECT_EQ(appRows.changedRows(0), std::make_pair(0, 0));
    apps.toggle(0);
    EXPECT_FALSE(roleOf(caches.rows(), 0, "selected").toBool());
    apps.toggle(0);
    EXPECT_TRUE(roleOf(caches.rows(), 0, "selected").toBool());
    EXPECT_EQ(caches.selectedBytes(), 4096);
    EXPECT_EQ(apps.selectedBytes(), 4096);

    caches.clean();
    ASSERT_TRUE(waitForClean(f.engine()));
    const Int64 freed = f.engine().cleaner().lastFreedBytes();
    EXPECT_GT(freed, 0);
    // What went is offered nowhere: the app keeps its row without the cache, and its
    // clean has nothing left to move.
    EXPECT_TRUE(f.engine().results().installedApps().at(0).orphanPaths.empty());
    EXPECT_EQ(apps.selectedBytes(), 0);
    apps.clean();
    ASSERT_TRUE(waitForClean(f.engine()));
    EXPECT_EQ(f.engine().cleaner().sessionTotalFreedBytes(), freed);
    EXPECT_EQ(appRows.structural(), 0);
}

// ---------------------------------------------------------------- the clean buttons

TEST(CleanButtons, WithTheTrashOffNothingRunsUntilTheNamedSizeIsConfirmed)
{
    ListsFixture f;
    EngineAccess::setProjectBloats(
        f.engine(), {bloat(f.home + "/gone/a", 100, true, "a"), bloat(f.home + "/gone/b", 200, true, "b")});
    f.view->selectWorkspace(Workspace::DevAndDuplicates);
    f.view->setMoveToTrash(false);
    f.view->triggerPrimaryCleanAction();
    ASSERT_TRUE(f.view->pendingClean());
    EXPECT_EQ(f.view->pendingClean()->bytes, 300);
    EXPECT_TRUE(f.view->column()->confirmationVisible());
    EXPECT_FALSE(f.engine().cleaner().isCleaning());

    // The selection moved on while the question was open: ask again with the new size.
    f.list(ShownList::ProjectBloats).toggle(1);
    f.view->confirmPendingClean();
    ASSERT_TRUE(f.view->pendingClean());
    EXPECT_EQ(f.view->pendingClean()->bytes, 100);
    EXPECT_FALSE(f.engine().cleaner().isCleaning());

    f.view->confirmPendingClean();
    EXPECT_FALSE(f.view->pendingClean());
    ASSERT_TRUE(waitForClean(f.engine()));
    ASSERT_EQ(f.engine().results().projectBloats().size(), 1u);
    EXPECT_EQ(f.engine().results().projectBloats()[0].projectName, "b"); // only what was confirmed

    // Nothing selected asks nothing; a cancelled question cleans nothing.
    f.list(ShownList::ProjectBloats).setAllSelected(false);
    f.view->triggerPrimaryCleanAction();
    f.view->smartCleanAll();
    EXPECT_FALSE(f.view->pendingClean());
    f.list(ShownList::ProjectBloats).toggleAll();
    f.view->smartCleanAll();
    ASSERT_TRUE(f.view->pendingClean());
    EXPECT_FALSE(f.view->pendingClean()->list); // the smart clean of everything
    EXPECT_TRUE(f.view->closeTopmost());
    EXPECT_FALSE(f.view->column()->confirmationVisible());
    f.view->confirmPendingClean();
    EXPECT_FALSE(f.engine().cleaner().isCleaning());
}
