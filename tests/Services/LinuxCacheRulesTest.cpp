// The Linux places of the catalogue on generated homes: which folders each rule finds,
// and that what sits beside them (logins, environments, history, settings) never is.
#include "Services/LinuxCacheRules.h"
#include "L10n/MessageRenderer.h"
#include "Services/FreeableSize.h"
#include "Services/SafeCacheRules.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;

namespace {

linuxcache::Places placesOf(const TempHome& home)
{
    return {home.path(), home.at(".cache"), home.at(".config"), home.at(".local/share")};
}

// Every path the rules find in this home, relative to it, with the item's name.
std::map<std::string, std::string> found(const TempHome& home)
{
    std::map<std::string, std::string> out;
    for (const auto& rule : linuxcache::rules())
        for (const auto& location : linuxcache::expand(rule, placesOf(home)))
            out.emplace(location.path.substr(home.path().size() + 1), linuxcache::itemName(rule, location));
    return out;
}

std::vector<std::string> paths(const std::map<std::string, std::string>& items)
{
    std::vector<std::string> out;
    for (const auto& [path, name] : items)
        out.push_back(path);
    return out;
}

} // namespace

TEST(LinuxCacheRules, BrowserProfilesOfferCachesNeverTheirLoginsOrHistory)
{
    TempHome home;
    for (const char* profile : {"Default", "Profile 2", "System Profile", "Guest Profile"}) {
        const std::string p(profile);
        home.file(".cache/google-chrome/" + p + "/Cache/Cache_Data/a", 10);
        home.file(".config/google-chrome/" + p + "/GPUCache/a", 10);
        home.file(".config/google-chrome/" + p + "/Service Worker/CacheStorage/a", 10);
        for (const char* keep : {"Cookies", "Login Data", "History", "FolderGrants", "Preferences", "Web Data"})
            home.file(".config/google-chrome/" + p + "/" + keep, 10);
        for (const char* keep : {"Local Storage/leveldb", "IndexedDB", "Extensions", "Service Worker/Database"})
            home.file(".config/google-chrome/" + p + "/" + keep + "/a", 10);
    }
    home.file(".config/google-chrome/GrShaderCache/a", 10);
    home.file(".config/google-chrome/OptGuideOnDeviceModel/weights.bin", 10);
    home.file(".config/BraveSoftware/Brave-Browser/Default/GPUCache/a", 10);
    home.file(".cache/mozilla/firefox/ab12.default-release/cache2/entries/a", 10);
    for (const char* keep : {"cookies.sqlite", "logins.json", "key4.db", "places.sqlite"})
        home.file(std::string(".mozilla/firefox/ab12.default-release/") + keep, 10);

    const auto items = found(home);
    EXPECT_THAT(
        paths(items),
        ElementsAre(".cache/google-chrome/Default/Cache", ".cache/google-chrome/Profile 2/Cache",
                    ".cache/mozilla/firefox/ab12.default-release/cache2",
                    ".config/BraveSoftware/Brave-Browser/Default/GPUCache", ".config/google-chrome/Default/GPUCache",
                    ".config/google-chrome/Default/Service Worker/CacheStorage", ".config/google-chrome/GrShaderCache",
                    ".config/google-chrome/OptGuideOnDeviceModel", ".config/google-chrome/Profile 2/GPUCache",
                    ".config/google-chrome/Profile 2/Service Worker/CacheStorage"));
    EXPECT_EQ(items.at(".cache/google-chrome/Profile 2/Cache"), "谷歌浏览器 账号 [Profile 2] 网页缓存 (Cache)");
    EXPECT_EQ(items.at(".cache/mozilla/firefox/ab12.default-release/cache2"),
              "Firefox 网页缓存 (ab12.default-release · cache2)");

    // Offline web apps lose their content with the service worker caches: offered, unselected.
    for (const auto& rule : linuxcache::rules())
        EXPECT_TRUE(rule.pattern.find("Service Worker") == std::string::npos || !rule.isSafeDefault) << rule.pattern;
}

TEST(LinuxCacheRules, MixedDeveloperFoldersOfferOnlyTheirCacheParts)
{
    TempHome home;
    home.file(".cache/huggingface/hub/models--bert/blobs/a", 10);
    home.file(".cache/huggingface/hub/datasets--squad/a", 10);
    home.file(".cache/huggingface/hub/version.txt", 1);
    home.file(".cache/huggingface/token", 10);
    home.file(".cache/huggingface/stored_tokens", 10);
    home.file(".cache/huggingface/xet/a", 10);
    home.file(".cache/pypoetry/cache/a", 10);
    home.file(".cache/pypoetry/artifacts/a", 10);
    home.file(".cache/pypoetry/virtualenvs/app-py3.12/bin/python", 10);
    // Two versions of one IDE and one of another: only the older one is old.
    for (const char* version : {"PyCharm2023.3", "PyCharm2024.1", "PyCharm2024.1.2", "CLion2024.1"})
        for (const char* part : {"caches", "index", "log", "LocalHistory", "jcef_cache"})
            home.file(std::string(".cache/JetBrains/") + version + "/" + part + "/a", 10);
    home.file(".cache/JetBrains/Toolbox/a", 10);
    home.file(".local/share/pipx/venvs/black/bin/black", 10);
    home.file(".local/share/pipx/.cache/a", 10);
    home.file(".cargo/registry/cache/a", 10);
    home.file(".cargo/bin/cargo-watch", 10);
    home.file(".cargo/credentials.toml", 10);
    home.file(".cache/ccache/ccache.conf", 10);
    home.file(".cache/ccache/a/b", 10);
    home.file(".npm/_cacache/a", 10);
    home.file(".npmrc", 10);

    const auto items = found(home);
    EXPECT_THAT(paths(items),
                ElementsAre(".cache/JetBrains/CLion2024.1/caches", ".cache/JetBrains/CLion2024.1/index",
                            ".cache/JetBrains/CLion2024.1/log", ".cache/JetBrains/PyCharm2023.3",
                            ".cache/JetBrains/PyCharm2024.1", ".cache/JetBrains/PyCharm2024.1.2/caches",
                            ".cache/JetBrains/PyCharm2024.1.2/index", ".cache/JetBrains/PyCharm2024.1.2/log",
                            ".cache/ccache/a", ".cache/huggingface/hub/datasets--squad",
                            ".cache/huggingface/hub/models--bert", ".cache/huggingface/xet",
                            ".cache/pypoetry/artifacts", ".cache/pypoetry/cache", ".cargo/registry/cache",
                            ".local/share/pipx/.cache", ".npm/_cacache"));
    const auto selected = [](std::string_view label) {
        for (const auto& rule : linuxcache::rules())
            if (rule.label.text == label)
                return rule.isSafeDefault;
        ADD_FAILURE() << label;
        return true;
    };
    EXPECT_TRUE(selected("JetBrains 旧版本 IDE 缓存"));
    EXPECT_FALSE(selected("JetBrains 当前版本 IDE 缓存"));
    EXPECT_FALSE(selected("Hugging Face 模型缓存"));
    EXPECT_TRUE(selected("Poetry 软件包缓存"));
}

TEST(LinuxCacheRules, FlatpakAppsOfferTheirCacheHomesNeverThroughALink)
{
    TempHome home;
    home.file(".var/app/org.mozilla.firefox/cache/a", 10);
    home.file(".var/app/org.mozilla.firefox/config/a", 10);
    home.file(".var/app/org.mozilla.firefox/data/a", 10);
    home.file(".var/app/org.signal.Signal/config/Signal/Cache/a", 10);
    home.file(".var/app/org.signal.Signal/config/Signal/sql/db.sqlite", 10);
    home.file(".var/app/org.signal.Signal/config/Signal/config.json", 10);
    home.file("snap/firefox/common/.cache/a", 10);
    home.file("snap/firefox/4173/.cache/a", 10);
    home.file("snap/firefox/4173/.mozilla/firefox/cookies.sqlite", 10);
    home.symlink("snap/firefox/current", "4173");
    home.file("snap/discord/x2/.config/discord/GPUCache/a", 10);
    home.file(".local/share/Steam/steamapps/shadercache/570/a", 10);
    home.file(".local/share/Steam/steamapps/common/Dota/a", 10);
    home.file(".local/share/Steam/userdata/1/a", 10);
    home.file(".local/share/TelegramDesktop/tdata/user_data/media_cache/a", 10);
    home.file(".local/share/TelegramDesktop/tdata/key_datas", 10);
    home.file(".local/share/xorg/Xorg.0.log", 10);
    home.file(".local/share/xorg/Xorg.0.log.old", 10);
    home.file(".local/share/xorg/notes.txt", 10);
    home.file(".xsession-errors", 10);
    // A cache home that is a link, and an app whose folder is a link, are never offered.
    home.file("elsewhere/cache/a", 10);
    home.symlink(".var/app/com.example.Linked", home.at("elsewhere"));
    home.mkdir(".var/app/com.example.Inner");
    home.symlink(".var/app/com.example.Inner/cache", home.at("elsewhere/cache"));

    EXPECT_THAT(paths(found(home)),
                ElementsAre(".local/share/Steam/steamapps/shadercache",
                            ".local/share/TelegramDesktop/tdata/user_data/media_cache", ".local/share/xorg/Xorg.0.log",
                            ".local/share/xorg/Xorg.0.log.old", ".var/app/org.mozilla.firefox/cache",
                            ".var/app/org.signal.Signal/config/Signal/Cache", ".xsession-errors",
                            "snap/discord/x2/.config/discord/GPUCache", "snap/firefox/4173/.cache",
                            "snap/firefox/common/.cache"));
}

TEST(LinuxCacheRules, ALinkedBaseFolderOffersNothingBelowIt)
{
    TempHome home;
    home.file("elsewhere/google-chrome/Default/Cache/a", 10);
    home.file("elsewhere/uv/a", 10);
    home.symlink(".cache", home.at("elsewhere"));
    EXPECT_THAT(found(home), IsEmpty());
}

TEST(LinuxCacheRules, TheGeneralCacheRuleLeavesSessionCachesAndNamedEntriesAlone)
{
    // Whole names and the families of generated ones; a longer name is another program's.
    for (const char* kept :
         {"kwin", "plasma_theme_breeze.kcache", "qtshadercache-x86_64-little_endian-lp64", "mesa_shader_cache_db"})
        EXPECT_TRUE(linuxcache::isKeptCacheEntry(kept)) << kept;
    for (const char* plain : {"pip", "documents", "kwin2"})
        EXPECT_FALSE(linuxcache::isKeptCacheEntry(plain) || linuxcache::isNamedCacheEntry(plain)) << plain;
    for (const char* named : {"google-chrome", "qtshadercache-x", "mesa_shader_cache"})
        EXPECT_TRUE(linuxcache::isNamedCacheEntry(named)) << named;
    // A named entry is decided by its rules alone, in one card.
    const auto chrome = linuxcache::rulesForCacheEntry("google-chrome");
    ASSERT_FALSE(chrome.empty());
    for (const auto* rule : chrome)
        EXPECT_EQ(rule->card, 0u);
}

TEST(FreeableSize, CountsHardLinkedFilesOnlyWhenEveryNameGoesWithTheFolder)
{
    TempHome home;
    home.allocatedFile(".cache/uv/archive/own.whl", 64 * 1024);
    home.allocatedFile(".cache/uv/archive/shared.so", 128 * 1024);
    home.hardlink("project/.venv/lib/shared.so", ".cache/uv/archive/shared.so");
    home.allocatedFile(".cache/uv/archive/twice.py", 32 * 1024);
    home.hardlink(".cache/uv/wheels/twice.py", ".cache/uv/archive/twice.py");

    const std::int64_t own = home.allocated(".cache/uv/archive/own.whl");
    const std::int64_t twice = home.allocated(".cache/uv/archive/twice.py");
    EXPECT_EQ(freeableSize(home.at(".cache/uv"), 12), own + twice);
    EXPECT_EQ(freeableSize(home.at(".cache/uv/archive/shared.so"), 12), 0);
    EXPECT_EQ(freeableSize(home.at(".cache/uv/archive/own.whl"), 12), own);
    home.symlink("linked", home.at(".cache/uv"));
    EXPECT_EQ(freeableSize(home.at("linked"), 12), 0);
}

TEST(LinuxCacheRules, EveryItemNameReadsInTheLanguageOfItsTexts)
{
    // Sample varying parts stand in for what the disk would give.
    const linuxcache::Location sample{"/x", {"Default", "Cache"}, "Cache"};
    const auto hasCjk = [](const std::string& text) {
        for (unsigned char c : text)
            if (c >= 0xE3 && c <= 0xE9)
                return true;
        return false;
    };
    for (const auto& rule : linuxcache::rules()) {
        const std::string name = linuxcache::itemName(rule, sample);
        const TextRef ref = linuxcache::itemNameRef(rule, sample);
        SCOPED_TRACE(name);
        const auto in = [&](AppLanguage language) { return renderMessageOr(ref, "", language); };
        EXPECT_EQ(in(AppLanguage::zhHans), name);
        EXPECT_FALSE(hasCjk(in(AppLanguage::en))) << in(AppLanguage::en);
        EXPECT_NE(in(AppLanguage::ja), name);
        EXPECT_NE(in(AppLanguage::zhHant), name);
        for (auto language : {AppLanguage::fr, AppLanguage::ru, AppLanguage::ar})
            EXPECT_FALSE(hasCjk(in(language))) << rawValue(language);
    }
}
