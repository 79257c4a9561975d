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

    void count(void (StorageEngine::*signal)())
    {
        QObject::connect(&engine, signal, &engine, [this] { ++notifications; });
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
    count(&StorageEngine::ruleCardsChanged);

    engine.setAllSafeCards(true);
    EXPECT_EQ(selection(engine.ruleCards()[0]), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(selection(engine.ruleCards()[1]), (std::vector<bool>{true, true}));
    EXPECT_TRUE(engine.areAllSafeItemsSelected()); // non-defaults of a card with defaults are not looked at

    engine.setAllSafeCards(false);
    EXPECT_EQ(engine.totalSelectedSafeBytes(), 0);
    EXPECT_FALSE(engine.areAllSafeItemsSelected());
    EXPECT_EQ(notifications, 2);
}

TEST_F(SelectionTest, ToggleCardTreatsAWeightlessSelectionAsUnselected)
{
    auto c = card("c", {cacheItem("/c/empty", 0, false), cacheItem("/c/real", 100, true)});
    c.subItems[0].isSelected = true;
    c.subItems[1].isSelected = false;
    EngineAccess::setRuleCards(engine, {c});

    engine.toggleCard("c");
    EXPECT_EQ(selection(engine.ruleCards()[0]), (std::vector<bool>{false, true}));
    engine.toggleCard("c");
    EXPECT_EQ(selection(engine.ruleCards()[0]), (std::vector<bool>{false, false}));

    engine.toggleSubItem("c", "/c/empty");
    EXPECT_EQ(selection(engine.ruleCards()[0]), (std::vector<bool>{true, false}));
    EXPECT_FALSE(engine.areAllSafeItemsSelected()); // everything selected weighs nothing

    count(&StorageEngine::ruleCardsChanged);
    engine.toggleCard("nope");
    engine.toggleSubItem("c", "/c/nope");
    engine.toggleSubItem("nope", "/c/empty");
    EXPECT_EQ(notifications, 0);
}

TEST_F(SelectionTest, AllSafeItemsSelectedFollowsItsOrderOfChecks)
{
    EXPECT_FALSE(engine.areAllSafeItemsSelected()); // no cards at all
    auto withDefaults = card("d", {cacheItem("/d/a", 10, true), cacheItem("/d/b", 10, false)});
    auto without = card("n", {cacheItem("/n/a", 10, false), cacheItem("/n/b", 10, false)});
    without.subItems[0].isSelected = true;
    EngineAccess::setRuleCards(engine, {withDefaults, without});
    EXPECT_FALSE(engine.areAllSafeItemsSelected()); // a card without defaults needs all of its items
    engine.toggleSubItem("n", "/n/b");
    EXPECT_TRUE(engine.areAllSafeItemsSelected());
    engine.toggleSubItem("d", "/d/a");
    EXPECT_FALSE(engine.areAllSafeItemsSelected());
}

TEST_F(SelectionTest, DuplicateOperationsNeverMarkTheKeptOriginal)
{
    EngineAccess::setDuplicateGroups(engine,
                                     {group("g", {member("/g/orig", 100, true, false), member("/g/b", 100, false, true),
                                                  member("/g/c", 100, false, false)})});
    engine.setAllDuplicates(true);
    EXPECT_EQ(lockedAndSelected(engine.duplicateGroups()[0]),
              (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {false, true}}));
    EXPECT_EQ(engine.totalSelectedDuplicateBytes(), 200);

    engine.toggleDuplicateGroup("g");
    EXPECT_EQ(engine.totalSelectedDuplicateBytes(), 0);
    engine.toggleDuplicateGroup("g");
    EXPECT_EQ(engine.totalSelectedDuplicateBytes(), 200);

    engine.swapDuplicateLockedOriginal("g", "/g/c");
    EXPECT_EQ(lockedAndSelected(engine.duplicateGroups()[0]),
              (std::vector<std::pair<bool, bool>>{{false, true}, {false, true}, {true, false}}));

    // An id that names no member would leave nothing kept: ignored.
    count(&StorageEngine::duplicateGroupsChanged);
    const auto before = engine.duplicateGroups();
    engine.swapDuplicateLockedOriginal("g", "/g/none");
    engine.toggleDuplicateGroup("none");
    EXPECT_EQ(engine.duplicateGroups(), before);
    EXPECT_EQ(notifications, 0);
}

TEST_F(SelectionTest, BulkLargeFileSelectionKeepsOtherCategories)
{
    EngineAccess::setLargeFiles(engine, {largeFile("/v.mp4", 10, false, LargeFileCategory::videoMedia),
                                         largeFile("/a.zip", 20, true, LargeFileCategory::installerArchive),
                                         largeFile("/m.db", 40, false, LargeFileCategory::modelDatabase)});
    engine.setAllLargeFiles(true, LargeFileCategory::videoMedia);
    EXPECT_EQ(engine.totalSelectedLargeFileBytes(), 30);
    engine.setAllLargeFiles(false, LargeFileCategory::all);
    EXPECT_EQ(engine.totalSelectedLargeFileBytes(), 0);
    engine.toggleLargeFile("/m.db");
    EXPECT_EQ(engine.totalSelectedLargeFileBytes(), 40);
}

TEST_F(SelectionTest, SelectAllAppsInCacheModeTakesOnlyAppsWithLeftovers)
{
    EngineAccess::setInstalledApps(
        engine, {app("/A.app", 100, {"/l1"}, 50, false, "A"), app("/B.app", 200, {}, 0, false, "B")});
    engine.setAllInstalledApps(true, true);
    EXPECT_TRUE(engine.installedApps()[0].isSelected);
    EXPECT_FALSE(engine.installedApps()[1].isSelected);
    EXPECT_EQ(engine.totalSelectedAppOrphanBytes(), 50);
    engine.setAllInstalledApps(true, false);
    EXPECT_EQ(engine.totalSelectedUninstallBytes(), 350);
    engine.setAllInstalledApps(false, true);
    EXPECT_EQ(engine.totalSelectedUninstallBytes(), 0);
    engine.toggleInstalledApp("/B.app");
    EXPECT_EQ(engine.totalSelectedUninstallBytes(), 200);
    EXPECT_EQ(engine.totalMasterSmartCleanBytes(), 0); // the master clean never counts applications
}
