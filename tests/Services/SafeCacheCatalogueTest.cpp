// The zero-risk catalogue on real temporary homes: which locations become items, with
// which texts, sizes and order.
#include "Services/SafeCacheCatalogue.h"
#include "Services/ContentPreview.h"
#include "Services/DirectorySize.h"
#include "Services/SafeCacheRules.h"
#include "Services/SelectionState.h"
#include "support/FieldOf.h"
#include "support/HomeFixtures.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>

namespace {

constexpr std::int64_t kBlock = 4096; // smallest step of allocated size on the test file system

// Points the process's temporary folder elsewhere for one test.
ScopedEnvironment temporaryDirectory(const std::string& folder) { return {"TMPDIR", folder}; }

std::vector<SafeCacheRuleCard> scan(const TempHome& home) { return scanCacheCatalogue(home.path()); }

const SafeCacheRuleCard* cardWithId(const std::vector<SafeCacheRuleCard>& cards, const std::string& id)
{
    for (const auto& card : cards)
        if (card.id == id)
            return &card;
    return nullptr;
}

std::vector<std::string> itemUrls(const SafeCacheRuleCard* card)
{
    return card ? fieldOf(card->subItems, &CacheSubItem::url) : std::vector<std::string>{};
}
std::vector<std::string> itemNames(const SafeCacheRuleCard* card)
{
    return card ? fieldOf(card->subItems, &CacheSubItem::name) : std::vector<std::string>{};
}

// The catalogue's rules with the card each belongs to (1-based, in catalogue order).
std::vector<std::pair<int, safecache::Rule>> catalogueRules()
{
    std::vector<std::pair<int, safecache::Rule>> rules;
    int card = 0;
    for (auto table : {safecache::browserRules(), safecache::officeSocialRules(), safecache::aiDevRules(),
                       safecache::systemRules()}) {
        ++card;
        for (const auto& rule : table)
            rules.emplace_back(card, rule);
    }
    return rules;
}

} // namespace

TEST(SafeCacheCatalogue, EveryRuleBecomesOneItemOfItsCardWithItsOwnTexts)
{
    TempHome home;
    home.mkdir("var/folders/ab/cd/T");
    const auto tmp = temporaryDirectory(home.at("var/folders/ab/cd/T/"));
    const std::optional<Path> tempParent = home.at("var/folders/ab/cd");
    const auto rules = catalogueRules();
    std::int64_t size = 6 * MiB;
    std::set<Path> locations;
    for (const auto& [card, rule] : rules) {
        const auto location = safecache::locationOf(rule, home.path(), tempParent);
        ASSERT_TRUE(location.has_value()) << rule.relative;
        EXPECT_TRUE(locations.insert(*location).second) << "two rules share " << *location;
        // Library/Caches holds the Google rule's folder already.
        if (std::filesystem::exists(*location) && !std::filesystem::is_empty(*location))
            continue;
        if (location->ends_with(".sqlite"))
            home.allocatedFile(location->substr(home.path().size() + 1), size);
        else
            folderOf(home, location->substr(home.path().size() + 1), size);
        size += kBlock;
    }

    const auto cards = scan(home);
    ASSERT_EQ(cards.size(), 4u);
    std::map<std::string, std::pair<std::string, CacheSubItem>> byUrl;
    std::set<std::string> badgesOfCards[4];
    for (const auto& card : cards) {
        EXPECT_FALSE(card.isExpanded);
        for (const auto& item : card.subItems)
            byUrl.emplace(item.url, std::make_pair(card.id, item));
    }
    EXPECT_EQ(byUrl.size(), rules.size());
    for (const auto& [card, rule] : rules) {
        const auto location = *safecache::locationOf(rule, home.path(), tempParent);
        SCOPED_TRACE(location);
        const auto found = byUrl.find(location);
        ASSERT_NE(found, byUrl.end());
        const auto& [cardId, item] = found->second;
        EXPECT_EQ(cardId, safecache::cardShell(std::size_t(card - 1)).id);
        EXPECT_EQ(item.name, rule.name.text);
        EXPECT_EQ(item.note, rule.note.text);
        EXPECT_EQ(item.verificationDetail, rule.verificationDetail.text);
        EXPECT_FALSE(item.name.empty() || item.note.empty() || item.verificationDetail.empty());
        EXPECT_EQ(item.id, item.url);
        EXPECT_EQ(item.sizeBytes, directorySize(item.url, 12));
        EXPECT_EQ(item.contentPreview, buildTopContentPreview(item.url));
        // Only what is safe by default is preselected, and a protected rule says so in its badge.
        EXPECT_EQ(SelectionState::offeredSelected(item), rule.isSafeDefault);
        EXPECT_EQ(item.isSafeDefault, rule.isSafeDefault);
        EXPECT_EQ(item.safetyLevel == safecache::kProtectedByDefaultBadge.text, !rule.isSafeDefault);
        if (rule.isSafeDefault)
            badgesOfCards[card - 1].insert(item.safetyLevel);
    }
    for (const auto& badges : badgesOfCards)
        EXPECT_EQ(badges.size(), 1u) << "a card's preselected items share one badge";
}

TEST(SafeCacheCatalogue, EachCardKeepsLocationsAboveItsOwnThreshold)
{
    TempHome home;
    // Card 1 keeps more than 1 MiB.
    folderOf(home, "Library/WebKit", 1 * MiB);
    folderOf(home, "Library/Application Support/Google/GoogleUpdater", 1 * MiB + kBlock);
    // Card 3 keeps more than 3 MiB, for ~/.cache entries and fixed rules alike.
    folderOf(home, ".cache/pip", 3 * MiB);
    folderOf(home, ".cache/whisper", 3 * MiB + kBlock);
    folderOf(home, ".claude/projects", 3 * MiB);
    folderOf(home, ".wine", 3 * MiB + kBlock);
    // Card 4 keeps more than 2 MiB; its Trash is the home trash's files folder.
    folderOf(home, ".local/share/Trash/files", 2 * MiB);
    folderOf(home, "Library/Containers/com.apple.geod/Data/tmp", 2 * MiB + kBlock);

    auto cards = scan(home);
    EXPECT_THAT(itemUrls(cardWithId(cards, "card-browsers")),
                testing::ElementsAre(home.at("Library/Application Support/Google/GoogleUpdater")));
    EXPECT_THAT(itemUrls(cardWithId(cards, "card-ai-dev")),
                testing::ElementsAre(home.at(".cache/whisper"), home.at(".wine")));
    EXPECT_THAT(itemUrls(cardWithId(cards, "card-macos-system")),
                testing::ElementsAre(home.at("Library/Containers/com.apple.geod/Data/tmp")));

    home.allocatedFile(".local/share/Trash/files/more", kBlock);
    cards = scan(home);
    EXPECT_THAT(itemNames(cardWithId(cards, "card-macos-system")), testing::Contains("系统废纸篓滞留文件"));
}

TEST(SafeCacheCatalogue, DotCacheEntriesIncludeHiddenOnesAndComeBeforeFixedRules)
{
    TempHome home;
    folderOf(home, ".cache/.hidden-models", 4 * MiB);
    folderOf(home, ".codex/packages", 4 * MiB);
    home.allocatedFile(".cache/big.bin", 4 * MiB);

    const auto cards = scan(home);
    const auto* card = cardWithId(cards, "card-ai-dev");
    ASSERT_NE(card, nullptr);
    EXPECT_THAT(itemNames(card), testing::ElementsAre("AI 与工具链全局缓存 (.hidden-models)",
                                                      "AI 与工具链全局缓存 (big.bin)", "Codex 插件与临时生成图缓存"));
    EXPECT_TRUE(SelectionState::offeredSelected(card->subItems.front()));
}

TEST(SafeCacheCatalogue, ChromeProfilesOfferOnlyTheirNamedCacheFolders)
{
    TempHome home;
    const std::string chrome = "Library/Application Support/Google/Chrome/";
    folderOf(home, chrome + "Default/Code Cache", 3 * MiB);        // exactly 3 MiB: not offered
    folderOf(home, chrome + "Default/GPUCache", 3 * MiB + kBlock); // one block more: offered
    folderOf(home, chrome + "Profile 3/Service Worker/CacheStorage", 4 * MiB);
    folderOf(home, chrome + "Profile 3/Cache", 4 * MiB);
    folderOf(home, chrome + "Profile 3/Local Storage", 40 * MiB); // never a cache folder
    folderOf(home, chrome + "System Profile/Cache", 40 * MiB);
    folderOf(home, chrome + "Guest Profile/Cache", 40 * MiB);
    folderOf(home, chrome + "profile 2/Cache", 40 * MiB);

    const auto cards = scan(home);
    const auto* card = cardWithId(cards, "card-browsers");
    ASSERT_NE(card, nullptr);
    EXPECT_THAT(itemNames(card), testing::ElementsAre("Chrome 账号 [Profile 3] 网页缓存 (Service Worker/CacheStorage)",
                                                      "Chrome 账号 [Profile 3] 网页缓存 (Cache)",
                                                      "Chrome 账号 [Default] 网页缓存 (GPUCache)"));
    const auto& item = card->subItems.back();
    EXPECT_EQ(item.url, home.at(chrome + "Default/GPUCache"));
    EXPECT_TRUE(SelectionState::offeredSelected(item));
}

TEST(SafeCacheCatalogue, SmallContainerCacheFallsBackToTheContainerData)
{
    TempHome home;
    const std::string wechat = "Library/Containers/com.tencent.xinWeChat/Data";
    folderOf(home, wechat + "/Library/Application Support/com.tencent.xinWeChat", 1 * MiB);
    folderOf(home, wechat + "/Documents", 400 * MiB);
    // Exactly 5 MiB is more than 5,242,879 bytes: the rule's own folder is kept.
    folderOf(home, "Library/Containers/com.tencent.wwmapp/Data/Documents", 5 * MiB);
    // Just under: the whole container data is offered instead.
    folderOf(home, "Library/Containers/com.tencent.QQMusicMac/Data/Library/Application Support/com.tencent.QQMusicMac",
             5 * MiB - kBlock);
    // A container data folder of exactly 3 MiB is too small to offer.
    folderOf(home, "Library/Containers/com.kingsoft.wpsoffice.mac/Data/Library/Application Support/Kingsoft", 1 * MiB);
    home.allocatedFile("Library/Containers/com.kingsoft.wpsoffice.mac/Data/other", 2 * MiB);
    // Outside a container a small cache keeps its own folder from 3 MiB up.
    folderOf(home, "Library/Application Support/Sogou", 4 * MiB);

    const auto cards = scan(home);
    const auto* card = cardWithId(cards, "card-office-social");
    ASSERT_NE(card, nullptr);
    EXPECT_THAT(itemUrls(card),
                testing::ElementsAre(home.at(wechat), home.at("Library/Containers/com.tencent.wwmapp/Data/Documents"),
                                     home.at("Library/Containers/com.tencent.QQMusicMac/Data"),
                                     home.at("Library/Application Support/Sogou")));
    const auto& fallback = card->subItems.front();
    EXPECT_FALSE(SelectionState::offeredSelected(fallback));
    EXPECT_EQ(fallback.sizeBytes, 401 * MiB);
    EXPECT_EQ(fallback.contentPreview, (std::vector<std::string>{"Documents (400.0 MB)", "Library (1.0 MB)"}));
}

TEST(SafeCacheCatalogue, ContainerFallbackNeverReachesAboveTheContainer)
{
    // A home whose own path holds "/Data/": cutting the path at its first "/Data/" would
    // offer a folder that contains the whole home.
    TempHome root;
    const std::string home = root.mkdir("Data/person");
    const std::string wechat = "Data/person/Library/Containers/com.tencent.xinWeChat/Data";
    folderOf(root, wechat + "/Library/Application Support/com.tencent.xinWeChat", 1 * MiB);
    folderOf(root, wechat + "/Documents", 8 * MiB);
    folderOf(root, "Data/person/Documents/thesis", 50 * MiB);

    const auto cards = scanCacheCatalogue(home);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_THAT(itemUrls(&cards.front()), testing::ElementsAre(root.at(wechat)));
    EXPECT_EQ(cards.front().subItems.front().sizeBytes, 9 * MiB);
}

TEST(SafeCacheCatalogue, TemporaryParentRulesExistOnlyWithThePerUserLayout)
{
    TempHome home;
    for (const char* name : {"X", "C"})
        folderOf(home, std::string("shared/") + name, 10 * MiB);
    folderOf(home, "shared/T/leftover", 10 * MiB);
    folderOf(home, "var/folders/ab/cd/X", 10 * MiB);
    folderOf(home, "var/folders/ab/cd/C", 9 * MiB);
    folderOf(home, "var/folders/ab/cd/T/leftover", 8 * MiB);

    {
        // A shared temporary folder: its parent and siblings are not the user's caches.
        const auto tmp = temporaryDirectory(home.at("shared/T"));
        EXPECT_TRUE(scan(home).empty());
    }
    const auto tmp = temporaryDirectory(home.at("var/folders/ab/cd/T"));
    const auto cards = scan(home);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_THAT(itemUrls(&cards.front()),
                testing::ElementsAre(home.at("var/folders/ab/cd/X"), home.at("var/folders/ab/cd/C"),
                                     home.at("var/folders/ab/cd/T")));
}

TEST(SafeCacheCatalogue, NestedLocationsCountInBothCards)
{
    TempHome home;
    folderOf(home, "Library/Caches/Google/Chrome/Default/Cache", 300 * MiB);
    home.allocatedFile("Library/Caches/Google/Chrome/Default/Cache/Cache_Data/f1", 4 * MiB);

    const auto cards = scan(home);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].id, "card-browsers"); // equal totals keep catalogue order
    EXPECT_EQ(cards[1].id, "card-macos-system");
    for (const auto& card : cards) {
        ASSERT_EQ(card.subItems.size(), 1u);
        EXPECT_EQ(card.subItems[0].sizeBytes, 304 * MiB);
        EXPECT_EQ(card.totalScannedBytes(), 304 * MiB);
    }
    // The preview looks four levels into each child: Cache_Data/f1 lies one level deeper.
    EXPECT_EQ(cards[1].subItems[0].contentPreview, std::vector<std::string>{"Google (300.0 MB)"});
    EXPECT_EQ(cards[0].subItems[0].contentPreview, std::vector<std::string>{"Chrome (304.0 MB)"});
}

TEST(SafeCacheCatalogue, ItemsAndCardsSortLargestFirstKeepingTiesInOrder)
{
    TempHome home;
    // Card 3: two fixed rules of equal size keep table order behind a larger ~/.cache entry.
    folderOf(home, ".wine", 5 * MiB);
    folderOf(home, ".local/share/uv", 5 * MiB);
    folderOf(home, ".cache/zeta", 7 * MiB);
    // Card 1 is larger in total than card 3 and comes first.
    folderOf(home, "Library/WebKit", 20 * MiB);

    const auto cards = scan(home);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].id, "card-browsers");
    EXPECT_THAT(itemUrls(&cards[1]),
                testing::ElementsAre(home.at(".cache/zeta"), home.at(".local/share/uv"), home.at(".wine")));
}

TEST(SafeCacheCatalogue, LinksAreNeverOfferedAndAMissingHomeGivesNothing)
{
    TempHome home;
    EXPECT_TRUE(scanCacheCatalogue(home.at("missing")).empty());
    folderOf(home, "elsewhere/big", 50 * MiB);
    home.symlink("Library/Caches", home.at("elsewhere"));
    home.symlink(".cache/models", home.at("elsewhere"));
    home.symlink(".wine", home.at("elsewhere"));
    home.symlink("Library/Application Support/Google/Chrome/Default/Cache", home.at("elsewhere"));

    EXPECT_TRUE(scan(home).empty());
}
