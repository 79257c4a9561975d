#include "Services/StorageEngine.h"
#include "support/EngineTestAccess.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

class SelectionTest : public ::testing::Test {
  protected:
    StorageEngine engine{testOptions("/var/tmp/quillmere-selection-unused")};
    int notifications = 0;

    void count(void (SelectionState::*signal)())
    {
        QObject::connect(&engine.selection(), signal, &engine, [this] { ++notifications; });
    }
    std::vector<bool> selection(const SafeCacheRuleCard& c) const
    {
        std::vector<bool> out;
        for (const auto& item : c.subItems)
            out.push_back(engine.selection().isSelected(item));
        return out;
    }
    std::vector<std::pair<bool, bool>> lockedAndSelected(const DuplicateFileGroup& g) const
    {
        std::vector<std::pair<bool, bool>> out;
        for (const auto& m : g.members)
            out.emplace_back(engine.selection().isKept(g, m), engine.selection().isMarkedForDelete(g, m));
        return out;
    }
};

} // namespace

TEST_F(SelectionTest, SelectingACardPicksItsDefaultsOrEverythingWhenItHasNone)
{
    auto mixed =
        card("mixed", {cacheItem("/m/a", 10, true), cacheItem("/m/b", 20, false), cacheItem("/m/c", 30, false)});
    EngineAccess::setRuleCards(engine,
                               {mixed, card("plain", {cacheItem("/p/a", 5, false), cacheItem("/p/b", 5, false)})});
    engine.selection().toggleSubItem("mixed", "/m/b");
    engine.selection().toggleSubItem("mixed", "/m/c");
    EXPECT_EQ(selection(engine.results().ruleCards()[0]), (std::vector<bool>{true, true, true}));
    count(&SelectionState::ruleCardsChanged);

    engine.selection().setAllSafeCards(true);
    EXPECT_EQ(selection(engine.results().ruleCards()[0]), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(selection(engine.results().ruleCards()[1]), (std::vector<bool>{true, true}));
    EXPECT_TRUE(engine.selection().areAllSafeItemsSelected()); // non-defaults of a card with defaults are not looked at

    engine.selection().setAllSafeCards(false);
    EXPECT_EQ(engine.selection().totalSelectedSafeBytes(), 0);
    EXPECT_FALSE(engine.selection().areAllSafeItemsSelected());
    EXPECT_EQ(notifications, 2);
}

TEST_F(SelectionTest, ToggleCardTreatsAWeightlessSelectionAsUnselected)
{
    auto c = card("c", {cacheItem("/c/empty", 0, false), cacheItem("/c/real", 100, true)});
    EngineAccess::setRuleCards(engine, {c});
    engine.selection().toggleSubItem("c", "/c/empty");
    engine.selection().toggleSubItem("c", "/c/real");

    engine.selection().toggleCard("c");
    EXPECT_EQ(selection(engine.results().ruleCards()[0]), (std::vector<bool>{false, true}));
    engine.selection().toggleCard("c");
    EXPECT_EQ(selection(engine.results().ruleCards()[0]), (std::vector<bool>{false, false}));

    engine.selection().toggleSubItem("c", "/c/empty");
    EXPECT_EQ(selection(engine.results().ruleCards()[0]), (std::vector<bool>{true, false}));
    EXPECT_FALSE(engine.selection().areAllSafeItemsSelected()); // everything selected weighs nothing

    count(&SelectionState::ruleCardsChanged);
    engine.selection().toggleCard("nope");
    engine.selection().toggleSubItem("c", "/c/nope");
    engine.selection().toggleSubItem("nope", "/c/empty");
    EXPECT_EQ(notifications, 0);
}

TEST_F(SelectionTest, AllSafeItemsSelectedFollowsItsOrderOfChecks)
{
    EXPECT_FALSE(engine.selection().areAllSafeItemsSelected()); // no cards at all
    auto withDefaults = card("d", {cacheItem("/d/a", 10, true), cacheItem("/d/b", 10, false)});
    auto without = card("n", {cacheItem("/n/a", 10, false), cacheItem("/n/b", 10, false)});
    EngineAccess::setRuleCards(engine, {withDefaults, without});
    engine.selection().toggleSubItem("n", "/n/a");
    EXPECT_FALSE(engine.selection().areAllSafeItemsSelected()); // a card without defaults needs all of its items
    engine.selection().toggleSubItem("n", "/n/b");
    EXPECT_TRUE(engine.selection().areAllSafeItemsSelected());
    engine.selection().toggleSubItem("d", "/d/a");
    EXPECT_FALSE(engine.selection().areAllSafeItemsSelected());
}

TEST_F(SelectionTest, DuplicateOperationsNeverMarkTheKeptOriginal)
{
    EngineAccess::setDuplicateGroups(engine,
                                     {group("g", {member("/g/orig", 100, true, false), member("/g/b", 100, false, true),
                                                  member("/g/c", 100, false, false)})});
    engine.selection().setAllDuplicates(true);
    EXPECT_EQ(lockedAndSelected(engine.results().duplicateGroups()[0]),
              (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {false, true}}));
    EXPECT_EQ(engine.selection().totalSelectedDuplicateBytes(), 200);

    engine.selection().toggleDuplicateGroup("g");
    EXPECT_EQ(engine.selection().totalSelectedDuplicateBytes(), 0);
    engine.selection().toggleDuplicateGroup("g");
    EXPECT_EQ(engine.selection().totalSelectedDuplicateBytes(), 200);

    engine.selection().swapDuplicateLockedOriginal("g", "/g/c");
    EXPECT_EQ(lockedAndSelected(engine.results().duplicateGroups()[0]),
              (std::vector<std::pair<bool, bool>>{{false, true}, {false, true}, {true, false}}));

    // An id that names no member would leave nothing kept: ignored.
    count(&SelectionState::duplicateGroupsChanged);
    engine.selection().swapDuplicateLockedOriginal("g", "/g/none");
    engine.selection().toggleDuplicateGroup("none");
    EXPECT_EQ(lockedAndSelected(engine.results().duplicateGroups()[0]),
              (std::vector<std::pair<bool, bool>>{{false, true}, {false, true}, {true, false}}));
    EXPECT_EQ(notifications, 0);
}

TEST_F(SelectionTest, BulkLargeFileSelectionKeepsOtherCategories)
{
    EngineAccess::setLargeFiles(engine, {largeFile("/v.mp4", 10, false, LargeFileCategory::videoMedia),
                                         largeFile("/a.zip", 20, true, LargeFileCategory::installerArchive),
                                         largeFile("/m.db", 40, false, LargeFileCategory::modelDatabase)});
    engine.selection().setAllLargeFiles(true, LargeFileCategory::videoMedia);
    EXPECT_EQ(engine.selection().totalSelectedLargeFileBytes(), 30);
    engine.selection().setAllLargeFiles(false, LargeFileCategory::all);
    EXPECT_EQ(engine.selection().totalSelectedLargeFileBytes(), 0);
    engine.selection().toggleLargeFile("/m.db");
    EXPECT_EQ(engine.selection().totalSelectedLargeFileBytes(), 40);
}

TEST_F(SelectionTest, SelectAllAppsInCacheModeTakesOnlyAppsWithLeftovers)
{
    EngineAccess::setInstalledApps(
        engine, {app("/A.app", 100, {"/l1"}, 50, false, "A"), app("/B.app", 200, {}, 0, false, "B")});
    engine.selection().setAllInstalledApps(true, true);
    EXPECT_TRUE(engine.selection().isSelected(engine.results().installedApps()[0]));
    EXPECT_FALSE(engine.selection().isSelected(engine.results().installedApps()[1]));
    EXPECT_EQ(engine.selection().totalSelectedAppOrphanBytes(), 50);
    engine.selection().setAllInstalledApps(true, false);
    EXPECT_EQ(engine.selection().totalSelectedUninstallBytes(), 350);
    engine.selection().setAllInstalledApps(false, true);
    EXPECT_EQ(engine.selection().totalSelectedUninstallBytes(), 0);
    engine.selection().toggleInstalledApp("/B.app");
    EXPECT_EQ(engine.selection().totalSelectedUninstallBytes(), 200);
    EXPECT_EQ(engine.selection().totalMasterSmartCleanBytes(), 0); // the master clean never counts applications
}

TEST_F(SelectionTest, CardAndGroupFiguresComeFromTheSelection)
{
    EngineAccess::setRuleCards(engine, {card("c", {cacheItem("/c/a", 10, true), cacheItem("/c/b", 20, false)})});
    const SafeCacheRuleCard& c = engine.results().ruleCards()[0];
    EXPECT_EQ(engine.selection().selectedBytes(c), 10);
    EXPECT_FALSE(engine.selection().isAllSelected(c));
    engine.selection().toggleSubItem("c", "/c/b");
    EXPECT_TRUE(engine.selection().isAllSelected(c));

    // A kept original counts as no copy, however it was marked.
    EngineAccess::setDuplicateGroups(
        engine, {group("g", {member("/g/a", 100, true, true), member("/g/b", 100, false, false)})});
    const DuplicateFileGroup& g = engine.results().duplicateGroups()[0];
    EXPECT_FALSE(engine.selection().isAnySelectedForDelete(g));
    EXPECT_EQ(engine.selection().reclaimableBytes(g), 0);
    engine.selection().toggleDuplicateGroup("g");
    EXPECT_EQ(engine.selection().reclaimableBytes(g), 100);
}

TEST_F(SelectionTest, AGroupKeepsItsFirstCopyAndACleanThatTookItKeepsTheNext)
{
    const DuplicateFileGroup three =
        group("g", {member("/g/a", 1, false, false), member("/g/b", 1, false, false), member("/g/c", 1, false, false)})
            .record;
    EngineAccess::setDuplicateGroups(engine, std::vector<DuplicateFileGroup>{three});
    EXPECT_EQ(lockedAndSelected(engine.results().duplicateGroups()[0]),
              (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {false, true}}));
    // The kept copy went (another list's clean): the first that remains is kept, not offered.
    DuplicateFileGroup pruned = three;
    pruned.members.erase(pruned.members.begin());
    engine.selection().keepAnOriginalIn({pruned});
    EXPECT_EQ(lockedAndSelected(pruned), (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}}));
}

// A Flatpak's cache is a catalogue item and its app's leftover; a large file can be a copy.
TEST_F(SelectionTest, APathOfferedInTwoListsHasOneStateAndCountsOnce)
{
    const Path chat = "/h/.var/app/org.example.Chat/cache";
    const Path gone = "/h/.var/app/org.example.Gone/cache";
    InstalledAppItem installed = app("/h/flatpak/app/org.example.Chat", 500, {chat}, 40, false, "Chat").record;
    installed.kind = InstalledAppKind::flatpakUser;
    InstalledAppItem leftover = app("/h/.var/app/org.example.Gone", 300, {gone}, 60, false, "Gone").record;
    leftover.kind = InstalledAppKind::flatpakLeftover;
    EngineAccess::setRuleCards(engine, {card("flatpak", {cacheItem(chat, 40, true), cacheItem(gone, 60, true)})});
    EngineAccess::setInstalledApps(engine, std::vector<InstalledAppItem>{installed, leftover});
    const SafeCacheRuleCard& caches = engine.results().ruleCards()[0];
    const auto& apps = engine.results().installedApps();
    const auto appSelected = [&](std::size_t at) { return engine.selection().isSelected(apps[at]); };
    // Selected only where every list offering it would select it.
    EXPECT_EQ(selection(caches), (std::vector<bool>{false, true}));
    EXPECT_FALSE(appSelected(0));
    EXPECT_TRUE(appSelected(1));

    count(&SelectionState::installedAppsChanged);
    engine.selection().toggleSubItem("flatpak", chat);
    EXPECT_TRUE(appSelected(0));
    EXPECT_EQ(notifications, 1);
    engine.selection().toggleInstalledApp(apps[1].id);
    EXPECT_EQ(selection(caches), (std::vector<bool>{true, false}));

    // Full-uninstall mode: a cache's tick never chooses an uninstall, but unticking a leftover
    // unticks the row that would take it.
    engine.selection().setAppsCleanLeftoversOnly(false);
    engine.selection().toggleSubItem("flatpak", gone);
    EXPECT_FALSE(appSelected(1));
    engine.selection().toggleSubItem("flatpak", chat);
    EXPECT_FALSE(appSelected(0));
    engine.selection().toggleInstalledApp(apps[0].id);
    EXPECT_EQ(selection(caches), (std::vector<bool>{true, true}));
    engine.selection().setAppsCleanLeftoversOnly(true);
    EXPECT_TRUE(appSelected(1));

    // A video copy: the large-file list would not select it, so neither list does. An
    // installer copy: both would.
    const Path video = "/h/Videos/b.mkv";
    const Path installer = "/h/Downloads/b.iso";
    EngineAccess::setDuplicateGroups(
        engine, std::vector<DuplicateFileGroup>{
                    group("v", {member("/h/Videos/a.mkv", 700, true, false), member(video, 700, false, true)}).record,
                    group("i", {member("/h/a.iso", 900, true, false), member(installer, 900, false, true)}).record});
    EngineAccess::setLargeFiles(
        engine,
        std::vector<LargeFileItem>{largeFile(video, 700, false, LargeFileCategory::videoMedia).record,
                                   largeFile(installer, 900, false, LargeFileCategory::installerArchive).record});
    const auto& groups = engine.results().duplicateGroups();
    EXPECT_FALSE(engine.selection().isMarkedForDelete(groups[0], groups[0].members[1]));
    EXPECT_EQ(engine.selection().totalSelectedDuplicateBytes(), 900);
    EXPECT_EQ(engine.selection().totalSelectedLargeFileBytes(), 900);
    EXPECT_EQ(engine.selection().totalMasterSmartCleanBytes(), 100 + 900);
    EXPECT_EQ(engine.results().grandTotalDiscoverableBytes(), 100 + 700 + 900);

    notifications = 0;
    count(&SelectionState::duplicateGroupsChanged);
    engine.selection().toggleLargeFile(video);
    EXPECT_TRUE(engine.selection().isMarkedForDelete(groups[0], groups[0].members[1]));
    EXPECT_EQ(engine.selection().totalMasterSmartCleanBytes(), 100 + 700 + 900);
    EXPECT_EQ(notifications, 1);
}
