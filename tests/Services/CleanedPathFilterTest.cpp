#include "Services/CleanedPathFilter.h"
#include "support/Records.h"

#include <gtest/gtest.h>

// The same filter runs after a clean and when a later scan meets paths already cleaned.
TEST(CleanedPathFilter, CleanedCopiesGoAndAGroupOfOneGoes)
{
    std::vector<DuplicateFileGroup> groups = {
        group("g1", {member("/h/a", 5, true, false), member("/h/b", 5, false, true), member("/h/c", 5, false, true)})
            .record,
        group("g2", {member("/h/d", 5, true, false), member("/h/e", 5, false, true)}).record,
        group("g3", {member("/h/f", 5, true, false), member("/h/g", 5, false, true)}).record,
    };
    dropCleaned(groups, {"/h/a", "/h/e"});

    ASSERT_EQ(groups.size(), 2u) << "a group left with one member is no longer a group";
    EXPECT_EQ(groups[0].id, "g1");
    ASSERT_EQ(groups[0].members.size(), 2u);
    EXPECT_EQ(groups[0].members[0].url, "/h/b");
    EXPECT_EQ(groups[1].id, "g3");
    EXPECT_EQ(groups[1].members.size(), 2u);
}

TEST(CleanedPathFilter, DropsCleanedRecordsAndTheCardsLeftEmpty)
{
    std::vector<SafeCacheRuleCard> cards = {card("c1", {cacheItem("/h/x", 1, true)}),
                                            card("c2", {cacheItem("/h/y", 1, true), cacheItem("/h/z", 1, true)})};
    dropCleaned(cards, {"/h/x", "/h/y"});
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].id, "c2");
    ASSERT_EQ(cards[0].subItems.size(), 1u);
    EXPECT_EQ(cards[0].subItems[0].url, "/h/z");

    // Applications go by their bundle only: a cleaned leftover leaves the app listed.
    InstalledAppItem kept, removed;
    kept.appPath = "/apps/Keep.app";
    kept.orphanPaths = {"/h/Library/Caches/keep"};
    removed.appPath = "/apps/Gone.app";
    std::vector<InstalledAppItem> apps = {kept, removed};
    dropCleaned(apps, {"/apps/Gone.app", "/h/Library/Caches/keep"});
    ASSERT_EQ(apps.size(), 1u);
    EXPECT_EQ(apps[0].appPath, "/apps/Keep.app");
}
