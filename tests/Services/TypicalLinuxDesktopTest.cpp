// A generated "typical Linux desktop" home, scanned by the engine as a whole: every safe
// cache shows once and selected, and nothing that holds logins, history, environments
// or documents is ever offered, in any workspace.
#include "Models/Paths.h"
#include "Services/StorageEngine.h"
#include "support/EngineTestAccess.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <map>
#include <span>
#include <unistd.h>

namespace {

// Safe caches, each expected exactly once and selected.
const char* const kSafeCaches[] = {
    ".cache/google-chrome/Default/Cache",
    ".cache/google-chrome/Default/Code Cache",
    ".config/google-chrome/Default/GPUCache",
    ".config/google-chrome/GrShaderCache",
    ".cache/mozilla/firefox/x1y2.default-release/cache2",
    ".cache/thumbnails",
    ".config/Slack/Cache",
    ".config/discord/Cache",
    ".config/Signal/Code Cache",
    ".npm/_cacache",
    ".cache/pip",
    ".cargo/registry/cache",
    ".cache/uv",
    ".cache/pypoetry/cache",
    ".config/Code/CachedData",
    ".local/share/Steam/steamapps/shadercache",
};

// Offered once in the cache list and unselected: the applications list offers them too, as
// installed apps' leftovers, and a path two lists offer is selected only when both would.
const char* const kInstalledAppCaches[] = {".var/app/org.mozilla.firefox/cache",
                                           ".var/app/com.discordapp.Discord/cache"};

// What must never be offered: logins, history, environments, documents, the session's caches.
const char* const kNeighbourFolders[] = {
    ".config/google-chrome/Default/Local Storage",
    ".config/Slack/Local Storage",
    ".config/Signal/sql",
    ".config/discord/0.0.40/modules",
    ".cargo/bin",
    ".cache/pypoetry/virtualenvs",
    ".config/Code/User",
    ".var/app/org.mozilla.firefox/data",
    ".var/app/com.discordapp.Discord/config/discord/Local Storage",
    ".cache/kwin",
    ".cache/ibus",
    ".cache/doc",
    ".local/share/Steam/userdata",
    ".local/share/Steam/steamapps/compatdata",
};
const char* const kNeighbourFiles[] = {
    ".config/google-chrome/Default/Cookies",
    ".config/google-chrome/Default/Login Data",
    ".config/google-chrome/Default/History",
    ".mozilla/firefox/x1y2.default-release/logins.json",
    ".mozilla/firefox/x1y2.default-release/key4.db",
    ".config/Signal/config.json",
    ".npmrc",
    ".cargo/credentials.toml",
    ".cache/huggingface/token",
    "Documents/Thèse/thèse.odt",
    "Vidéos/vacances.mkv",
};

// Offered, unselected: a place that also holds what the person installed.
const char* const kProtected[] = {".local/share/uv/python"};

void deployFlatpak(const TempHome& root, const std::string& installation, const std::string& id,
                   const std::string& name)
{
    const std::string branch = installation + "/app/" + id + "/x86_64/stable";
    root.allocatedFile(branch + "/c0ffee/files/bin/app", 6 * MiB);
    root.fileWithContent(branch + "/c0ffee/export/share/applications/" + id + ".desktop",
                         "[Desktop Entry]\nName=" + name + "\n");
    root.symlink(branch + "/active", "c0ffee");
}

} // namespace

TEST(TypicalLinuxDesktop, ShowsEachSafeCacheOnceSelectedAndNeverItsNeighbours)
{
    TempHome home;
    for (const char* cache : kSafeCaches)
        ASSERT_EQ(home.occupy(cache, 4 * MiB), 4 * MiB);
    for (const char* cache : kInstalledAppCaches)
        ASSERT_EQ(home.occupy(cache, 4 * MiB), 4 * MiB);
    for (const char* neighbour : kNeighbourFolders)
        ASSERT_EQ(home.occupy(neighbour, 4 * MiB), 4 * MiB);
    for (const char* neighbour : kNeighbourFiles)
        home.allocatedFile(neighbour, 4 * MiB);
    for (const char* place : kProtected)
        ASSERT_EQ(home.occupy(place, 4 * MiB), 4 * MiB);
    home.allocatedFile("Vidéos/vacances.mkv", 80 * MiB); // a large file now
    home.fileWithContent(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                                                   "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n"
                                                   "XDG_VIDEOS_DIR=\"$HOME/Vidéos\"\n"
                                                   "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
    home.allocatedFile("Téléchargements/debian.iso", 30 * MiB);
    deployFlatpak(home, ".local/share/flatpak", "org.mozilla.firefox", "Firefox");
    deployFlatpak(home, ".local/share/flatpak", "com.discordapp.Discord", "Discord");
    // The machine's installation lies outside the home, as /var/lib/flatpak does.
    TempHome machine;
    deployFlatpak(machine, "flatpak", "org.gimp.GIMP", "GIMP");

    StorageEngine::Options options = testOptions(home.path());
    options.linuxApps =
        LinuxAppRoots{machine.at("flatpak"), machine.at("installations.d"),   machine.at("snap"), machine.at("snapd"),
                      machine.at("dpkg"),    {machine.at("applications")},    machine.at("log"),  {machine.at("bin")},
                      {machine.at("icons")}, machine.at("packagekit.service")};
    StorageEngine engine(options);
    engine.startInstantScan();
    ASSERT_TRUE(waitForScan(engine));

    std::map<std::string, std::vector<bool>> offeredAs; // path → selection of each item offering it
    std::vector<std::string> everything;                // every path any workspace offers
    for (const auto& card : engine.results().ruleCards())
        for (const auto& item : card.subItems) {
            offeredAs[item.url.substr(home.path().size() + 1)].push_back(engine.selection().isSelected(item));
            everything.push_back(item.url);
        }
    for (const char* cache : kSafeCaches)
        EXPECT_EQ(offeredAs[cache], std::vector<bool>{true}) << cache;
    for (const char* cache : kInstalledAppCaches)
        EXPECT_EQ(offeredAs[cache], std::vector<bool>{false}) << cache;
    // uv's own Pythons and tools: offered, never preselected.
    EXPECT_EQ(offeredAs[".local/share/uv"], std::vector<bool>{false});
    for (const auto& file : engine.results().largeFiles())
        if (engine.selection().isSelected(file))
            everything.push_back(file.url);
    for (const auto& app : engine.results().installedApps())
        for (const auto& leftover : app.orphanPaths)
            everything.push_back(leftover);
    for (const auto& neighbours :
         {std::span<const char* const>(kNeighbourFolders), std::span<const char* const>(kNeighbourFiles)})
        for (const char* neighbour : neighbours)
            for (const auto& offered : everything)
                EXPECT_FALSE(paths::isSameOrInside(home.at(neighbour), offered)) << neighbour << " inside " << offered;

    // The localized folders are walked: the video is listed (unselected), the disc image preselected.
    std::vector<std::string> largeFiles;
    for (const auto& file : engine.results().largeFiles())
        largeFiles.push_back(file.displayPath + (engine.selection().isSelected(file) ? " selected" : ""));
    EXPECT_THAT(largeFiles, testing::ElementsAre("影片 · Vidéos", "下载 · Téléchargements selected"));
    std::vector<std::string> apps;
    for (const auto& app : engine.results().installedApps())
        apps.push_back(app.name + " " + std::string(rawValue(app.kind)));
    EXPECT_THAT(apps,
                testing::UnorderedElementsAre("Firefox flatpak-user", "Discord flatpak-user", "GIMP flatpak-system"));
}
