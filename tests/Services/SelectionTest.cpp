#include "Services/StorageEngine.h"
#include "support/EngineTestAccess.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

std::vector<bool> selection(const SafeCacheRuleCard& c)
{
    std::vector<bool> out;
    for (const auto& item : c.subItems)
        out.push_back(item.isSelected);
    return out;
}

std::vector<std::pair<bool, bool>> lockedAndSelected(const DuplicateFileGroup& g)
{
    std::vector<std::pair<bool, bool>> out;
    for (const auto& m : g.members)
        out.emplace_back(m.isLockedOriginal, m.isSelectedForDelete);
    return out;
}

class SelectionTest : public ::testing::Test {
  protected:
    StorageEngine engine{testOptions("/var/tmp/quillmere-selection-unused")};
    int notifications = 0;

    void count(void (ScanResults::*signal)())
    {
        QObject::connect(&engine.results(), signal, &engine, [this] { ++notifications; });
    }
};

} // namespace

TEST_F(SelectionTest, SelectingACardPicksItsDefaultsOrEverythingWhenItHasNone)
{
    auto mixed =
        card("mixed", {cacheItem("/m/a", 10, true), cacheItem("/m/b", 20, false), cacheItem("/m/c", 30, false)});
    for (auto& item : mixed.subItems)
        item.isSelected = true;
    EngineAccess::setRuleCards(engine,
                               {mixed, card("plain", {cacheItem("/p/a", 5, false), cacheItem("/p/b", 5, false)})});
    count(&ScanResults::ruleCardsChanged);

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
    c.subItems[0].isSelected = true;
    c.subItems[1].isSelected = false;
    EngineAccess::setRuleCards(engine, {c});

    engine.selection().toggleCard("c");
    EXPECT_EQ(selection(engine.results().ruleCards()[0]), (std::vector<bool>{false, true}));
    engine.selection().toggleCard("c");
    EXPECT_EQ(selection(engine.results().ruleCards()[0]), (std::vector<bool>{false, false}));

    engine.selection().toggleSubItem("c", "/c/empty");
    EXPECT_EQ(selection(engine.results().ruleCards()[0]), (std::vector<bool>{true, false}));
    EXPECT_FALSE(engine.selection().areAllSafeItemsSelected()); // everything selected weighs nothing

    count(&ScanResults::ruleCardsChanged);
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
    without.subItems[0].isSelected = true;
    EngineAccess::setRuleCards(engine, {withDefaults, without});
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
    count(&ScanResults::duplicateGroupsChanged);
    const auto before = engine.results().duplicateGroups();
    engine.selection().swapDuplicateLockedOriginal("g", "/g/none");
    engine.selection().toggleDuplicateGroup("none");
    EXPECT_EQ(engine.results().duplicateGroups(), before);
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
    EXPECT_TRUE(engine.results().installedApps()[0].isSelected);
    EXPECT_FALSE(engine.results().installedApps()[1].isSelected);
    EXPECT_EQ(engine.selection().totalSelectedAppOrphanBytes(), 50);
    engine.selection().setAllInstalledApps(true, false);
    EXPECT_EQ(engine.selection().totalSelectedUninstallBytes(), 350);
    engine.selection().setAllInstalledApps(false, true);
    EXPECT_EQ(engine.selection().totalSelectedUninstallBytes(), 0);
    engine.selection().toggleInstalledApp("/B.app");
    EXPECT_EQ(engine.selection().totalSelectedUninstallBytes(), 200);
    EXPECT_EQ(engine.selection().totalMasterSmartCleanBytes(), 0); // the master clean never counts applications
}
