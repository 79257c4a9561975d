// The zero-risk catalogue on generated Linux homes: what Linux programs leave is found,
// each place once, and what sits beside it (logins, environments, history, the running
// session's own caches) is never offered.
#include "Models/Paths.h"
#include "Platform/HomeLayout.h"
#include "Platform/RunningPrograms.h"
#include "Services/SafeCacheCatalogue.h"
#include "Services/SafeCacheRules.h"
#include "Services/SelectionState.h"
#include "support/HomeFixtures.h"
#include "support/NamedProcess.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// Every offered item by its path relative to the home.
std::map<std::string, CacheSubItem> offered(const TempHome& home, const std::vector<SafeCacheRuleCard>& cards)
{
    std::map<std::string, CacheSubItem> items;
    for (const auto& card : cards)
        for (const auto& item : card.subItems)
            EXPECT_TRUE(items.emplace(item.url.substr(home.path().size() + 1), item).second)
                << "offered twice: " << item.url;
    return items;
}

std::vector<SafeCacheRuleCard> scanLinuxHome(const TempHome& home)
{
    return scanCacheCatalogue(HomeLayout::of(home.path(), false), RunningPrograms());
}

// No offered item is the neighbour itself or a folder holding it.
void expectNeverOffered(const TempHome& home, const std::map<std::string, CacheSubItem>& items,
                        const std::vector<std::string>& neighbours)
{
    for (const auto& neighbour : neighbours)
        for (const auto& [path, item] : items)
            EXPECT_FALSE(paths::isSameOrInside(home.at(neighbour), item.url)) << neighbour << " inside " << path;
}

} // namespace

TEST(LinuxCatalogue, SessionCachesAreNeverOfferedAndMixedEntriesOnlyInPart)
{
    TempHome home;
    const std::vector<std::string> sessionCaches{".cache/doc",
                                                 ".cache/ibus",
                                                 ".cache/kwin",
                                                 ".cache/plasmashell",
                                                 ".cache/plasma_theme_x.kcache",
                                                 ".cache/drkonqi",
                                                 ".cache/gnome-control-center"};
    for (const auto& folder : sessionCaches)
        folderOf(home, folder, 4 * MiB);
    folderOf(home, ".cache/pip", 4 * MiB);
    folderOf(home, ".cache/huggingface/hub/models--org--bert", 6 * MiB);
    home.fileWithContent(".cache/huggingface/token", "hf_secret");
    home.fileWithContent(".cache/huggingface/stored_tokens", "[work]\nhf_token = hf_other\n");
    folderOf(home, ".cache/pypoetry/cache", 4 * MiB);
    folderOf(home, ".cache/pypoetry/virtualenvs/app-Xq1-py3.12", 20 * MiB);
    folderOf(home, ".cache/JetBrains/PyCharm2023.3", 5 * MiB);
    folderOf(home, ".cache/JetBrains/PyCharm2024.1/caches", 4 * MiB);
    folderOf(home, ".cache/JetBrains/PyCharm2024.1/LocalHistory", 9 * MiB);
    folderOf(home, ".cache/mesa_shader_cache", 4 * MiB);

    const auto items = offered(home, scanLinuxHome(home));
    std::map<std::string, bool> selection;
    for (const auto& [path, item] : items)
        selection[path] = SelectionState::offeredSelected(item);
    EXPECT_EQ(selection, (std::map<std::string, bool>{{".cache/JetBrains/PyCharm2023.3", true},
                                                      {".cache/JetBrains/PyCharm2024.1/caches", false},
                                                      {".cache/huggingface/hub/models--org--bert", false},
                                                      {".cache/mesa_shader_cache", false},
                                                      {".cache/pip", true},
                                                      {".cache/pypoetry/cache", true}}));
    expectNeverOffered(home, items, sessionCaches);
    expectNeverOffered(home, items,
                       {".cache/huggingface/token", ".cache/huggingface/stored_tokens", ".cache/pypoetry/virtualenvs",
                        ".cache/JetBrains/PyCharm2024.1/LocalHistory"});
    // The graphics cache is offered by the system card's own rule, unselected, not by the general one.
    EXPECT_EQ(items.at(".cache/mesa_shader_cache").name, "显卡着色器缓存 (mesa_shader_cache)");
    EXPECT_EQ(items.at(".cache/pip").name, "AI 与工具链全局缓存 (pip)");
    EXPECT_EQ(items.at(".cache/JetBrains/PyCharm2024.1/caches").safetyLevel, "默认保护 · 按需选清");
}

TEST(LinuxCatalogue, ANamedCacheEntryReplacesTheGeneralItemInItsOwnCard)
{
    TempHome home;
    folderOf(home, ".cache/thumbnails/large", 4 * MiB);
    folderOf(home, ".cache/uv/archive-v0", 5 * MiB);
    folderOf(home, ".cache/zzz-tool", 6 * MiB);

    const auto cards = scanLinuxHome(home);
    std::map<std::string, std::vector<std::string>> namesByCard;
    for (const auto& card : cards)
        for (const auto& item : card.subItems)
            namesByCard[card.id].push_back(item.name);
    EXPECT_EQ(namesByCard, (std::map<std::string, std::vector<std::string>>{
                               {"card-browsers", {"缩略图缓存"}},
                               // In-place of the general item, so entries keep their listing order among equals.
                               {"card-ai-dev", {"AI 与工具链全局缓存 (zzz-tool)", "uv 下载与构建缓存"}}}));
}

TEST(LinuxCatalogue, ACacheOfARunningProgramIsOfferedUnselectedWithANote)
{
    TempHome home;
    folderOf(home, ".config/Slack/Cache", 4 * MiB);
    folderOf(home, ".config/Slack/Local Storage/leveldb", 4 * MiB);
    folderOf(home, ".cache/qm-probe-tool", 4 * MiB);
    folderOf(home, ".cache/idle-tool", 4 * MiB);

    std::map<std::string, CacheSubItem> items;
    {
        const NamedProcess slack("slack");
        const NamedProcess tool("qm-probe-tool");
        items = offered(home, scanCacheCatalogue(home.path()));
    }
    for (const char* running : {".config/Slack/Cache", ".cache/qm-probe-tool"}) {
        const CacheSubItem& item = items.at(running);
        EXPECT_FALSE(SelectionState::offeredSelected(item)) << running;
        EXPECT_EQ(item.note, safecache::kRunningNote.text);
        EXPECT_EQ(item.safetyLevel, safecache::kRunningBadge.text);
    }
    EXPECT_TRUE(SelectionState::offeredSelected(items.at(".cache/idle-tool")));
    expectNeverOffered(home, items, {".config/Slack/Local Storage"});

    // Once the programs have ended, the same caches are preselected again.
    const auto later = offered(home, scanCacheCatalogue(home.path()));
    EXPECT_TRUE(SelectionState::offeredSelected(later.at(".config/Slack/Cache")));
    EXPECT_TRUE(SelectionState::offeredSelected(later.at(".cache/qm-probe-tool")));
}

TEST(LinuxCatalogue, BaseFolderVariablesCountForTheOwnHomeOnly)
{
    TempHome home;
    folderOf(home, "alt-cache/pip", 4 * MiB);
    folderOf(home, ".cache/go-build", 4 * MiB);
    const ScopedEnvironment cache("XDG_CACHE_HOME", home.at("alt-cache"));

    const auto own = offered(home, scanCacheCatalogue(HomeLayout::of(home.path(), true), {}));
    EXPECT_THAT(own, ElementsAre(testing::Key("alt-cache/pip")));
    const auto given = offered(home, scanLinuxHome(home));
    EXPECT_THAT(given, ElementsAre(testing::Key(".cache/go-build")));

    // A variable naming the home itself would make every folder of it "a cache".
    const ScopedEnvironment whole("XDG_CACHE_HOME", home.path());
    const auto refused = offered(home, scanCacheCatalogue(HomeLayout::of(home.path(), true), {}));
    EXPECT_THAT(refused, ElementsAre(testing::Key(".cache/go-build")));
}

TEST(LinuxCatalogue, AHardLinkedStoreShowsWhatACleanFrees)
{
    TempHome home;
    folderOf(home, ".cache/uv/wheels", 4 * MiB);
    folderOf(home, ".cache/uv/archive-v0", 8 * MiB);
    // Environments share the archive's files: removing the cache frees none of them.
    home.hardlink("project/.venv/lib/blob-000", ".cache/uv/archive-v0/blob-000");

    const auto items = offered(home, scanLinuxHome(home));
    EXPECT_EQ(items.at(".cache/uv").sizeBytes, 4 * MiB);
    EXPECT_TRUE(SelectionState::offeredSelected(items.at(".cache/uv")));
}
