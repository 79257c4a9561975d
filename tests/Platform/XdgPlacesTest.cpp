// Where a Linux home keeps its base folders and its named folders, and which of those
// folders a walk may visit: only real folders inside the home, each once.
#include "Platform/DistinctRoots.h"
#include "Platform/UserDirs.h"
#include "Platform/XdgBaseDirs.h"
#include "support/FieldOf.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>

using testing::ElementsAre;
using testing::Pair;

namespace {

XdgBaseDirs baseDirs(const std::string& home, bool ownHome, std::map<std::string, std::string> environment)
{
    return XdgBaseDirs::forHome(home, ownHome, [&](const char* name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        if (found == environment.end())
            return std::nullopt;
        return found->second;
    });
}

} // namespace

TEST(XdgBaseDirs, VariablesCountOnlyForTheOwnHomeAndOnlyInsideIt)
{
    const std::string home = "/home/ann";
    const auto defaults = baseDirs(home, true, {});
    EXPECT_EQ(defaults.cache, "/home/ann/.cache");
    EXPECT_EQ(defaults.config, "/home/ann/.config");
    EXPECT_EQ(defaults.data, "/home/ann/.local/share");

    const std::map<std::string, std::string> moved{{"XDG_CACHE_HOME", "/home/ann/tmp//cache/"},
                                                   {"XDG_CONFIG_HOME", "/home/ann/cfg"},
                                                   {"XDG_DATA_HOME", "/home/ann/d"}};
    const auto own = baseDirs(home, true, moved);
    EXPECT_EQ(own.cache, "/home/ann/tmp/cache");
    EXPECT_EQ(own.config, "/home/ann/cfg");
    EXPECT_EQ(own.data, "/home/ann/d");
    // A home given on the command line is another account's or a copy: its defaults hold.
    EXPECT_EQ(baseDirs(home, false, moved).cache, "/home/ann/.cache");

    // Relative, the home itself, the root, outside, or climbing out: the default is used.
    for (const std::string bad : {"cache", "", "/home/ann", "/home/ann/", "/", "/var/cache/ann", "/home/anna/cache",
                                  "/home/ann/../bob/.cache", "/home/ann/x/../../bob"})
        EXPECT_EQ(baseDirs(home, true, {{"XDG_CACHE_HOME", bad}}).cache, "/home/ann/.cache") << bad;
}

TEST(UserDirs, ParsesTheWrittenFormWithoutEverRunningIt)
{
    const std::string home = "/home/ann";
    const std::string content = "# written by xdg-user-dirs-update\n"
                                "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                                "  XDG_DOWNLOAD_DIR=\"$HOME/T\xc3\xa9l\xc3\xa9\x63hargements/\"\n"
                                "XDG_TEMPLATES_DIR=\"$HOME\"\n"
                                "XDG_PUBLICSHARE_DIR=\"$HOME/\"\n"
                                "XDG_DOCUMENTS_DIR=\"/home/ann/My \\\"Docs\\\\\"\n"
                                "XDG_MUSIC_DIR=\"/mnt/data/music\"\n"
                                "XDG_PICTURES_DIR=\"$HOME/$(rm -rf ~)\"\n"
                                "XDG_VIDEOS_DIR=\"$HOME/V\xff\xfe\"\r\n"
                                "XDG_A_DIR=$HOME/unquoted\n"
                                "XDG_B_DIR=\"relative/path\"\n"
                                "XDG_C_DIR=\"$HOMEWARD/x\"\n"
                                "XDG_D_DIR=\"$HOME/../bob\"\n"
                                "XDG_E_DIR=\"$HOME/no-closing-quote\n"
                                "XDG_F_DIR = \"$HOME/spaced\"\n";
    const auto dirs = userdirs::parse(content, home);
    EXPECT_THAT(dirs, ElementsAre(Pair("DESKTOP", "/home/ann/Bureau"), Pair("DOCUMENTS", "/home/ann/My \"Docs\\"),
                                  Pair("DOWNLOAD", "/home/ann/T\xc3\xa9l\xc3\xa9\x63hargements"),
                                  Pair("F", "/home/ann/spaced"),
                                  // Text that a shell would run is just part of a name here.
                                  Pair("PICTURES", "/home/ann/$(rm -rf ~)"),
                                  // Bytes that are not UTF-8 stay as they are.
                                  Pair("VIDEOS", "/home/ann/V\xff\xfe")));
}

TEST(UserDirs, ALaterLineDecidesAlsoWhenItSwitchesTheFolderOff)
{
    const auto dirs = userdirs::parse("XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DESKTOP_DIR=\"$HOME\"\n"
                                      "XDG_VIDEOS_DIR=\"$HOME/Videos\"\nXDG_VIDEOS_DIR=\"$HOME/Видео\"\n"
                                      "XDG_MUSIC_DIR=\"$HOME/Music\"\nXDG_MUSIC_DIR=\"not a value\"\n",
                                      "/home/ann");
    EXPECT_THAT(dirs, ElementsAre(Pair("MUSIC", "/home/ann/Music"), Pair("VIDEOS", "/home/ann/Видео")));
}

TEST(UserDirs, LoadsFromTheConfigurationFolderAndNeverThroughALink)
{
    TempHome home;
    // A folder reached through a link, or missing, is left out like a switched-off one.
    home.fileWithContent(".config/user-dirs.dirs", "XDG_DOWNLOAD_DIR=\"$HOME/下载\"\n"
                                                   "XDG_VIDEOS_DIR=\"$HOME/media/Videos\"\n"
                                                   "XDG_MUSIC_DIR=\"$HOME/Music\"\n");
    home.mkdir("下载");
    home.mkdir("disk/Videos");
    home.symlink("media", home.at("disk"));
    EXPECT_THAT(userdirs::load(home.at(".config"), home.path()), ElementsAre(Pair("DOWNLOAD", home.at("下载"))));

    // The file itself, or a folder above it, as a link: not read.
    home.fileWithContent("elsewhere/user-dirs.dirs", "XDG_DOWNLOAD_DIR=\"$HOME/下载\"\n");
    home.symlink("linked/user-dirs.dirs", home.at("elsewhere/user-dirs.dirs"));
    home.symlink("linkedAbove", home.at("elsewhere"));
    for (const char* config : {"linked", "linkedAbove", "missing"})
        EXPECT_TRUE(userdirs::load(home.at(config), home.path()).empty()) << config;
}

TEST(DistinctRoots, EachFolderIsWalkedOnce)
{
    TempHome home;
    home.mkdir("Desktop/projects");
    home.mkdir("Documents/Work");
    home.mkdir("Videos");
    home.mkdir("Vidéos");
    home.mkdir("real");
    home.symlink("Linked", home.at("real"));

    const auto roots = distinctRoots({{home.at("Desktop"), "桌面"},
                                      {home.at("Downloads"), "下载"}, // missing
                                      {home.at("Documents/Work"), "文档"},
                                      {home.at("Desktop/projects"), "桌面"}, // inside a kept root
                                      {home.at("Desktop/./"), "桌面"},       // the same folder again
                                      {home.at("Videos"), "影片"},
                                      {home.at("Linked"), "文档"}, // a link is never walked
                                      {home.at("Documents"), "文档"},
                                      {home.at("Vidéos"), "影片"}});
    EXPECT_THAT(fieldOf(roots, &WalkRoot::path),
                ElementsAre(home.at("Desktop"), home.at("Documents/Work"), home.at("Videos"), home.at("Documents"),
                            home.at("Vidéos")));
    // Documents came after Documents/Work: its walk leaves that folder to the root it is.
    EXPECT_THAT(nestedRoots(roots, home.at("Documents")), ElementsAre(home.at("Documents/Work")));
    EXPECT_TRUE(nestedRoots(roots, home.at("Desktop")).empty());
}
