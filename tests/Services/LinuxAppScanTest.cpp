// Applications installed the Linux ways, read from generated deploy trees: what each
// kind is called, what it occupies, which caches it left, and how it can be removed.
#include "Services/LinuxAppScan.h"
#include "Platform/DpkgDatabase.h"
#include "Platform/FileOperations.h"
#include "Platform/HomeLayout.h"
#include "Services/SelectionState.h"
#include "support/HomeFixtures.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <map>
#include <unistd.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

const std::string kAppImageHead = std::string("\x7f"
                                              "ELF\x02\x01\x01\x00"
                                              "AI\x02",
                                              11);

// A Flatpak deploy: app/<id>/x86_64/stable/<commit> with metadata, files and its launcher.
void deployFlatpak(const TempHome& home, const std::string& installation, const std::string& id,
                   const std::string& name, std::int64_t bytes)
{
    const std::string branch = installation + "/app/" + id + "/x86_64/stable";
    const std::string deploy = branch + "/0a1b2c";
    home.fileWithContent(deploy + "/metadata", "[Application]\nname=" + id + "\n");
    home.allocatedFile(deploy + "/files/bin/app", bytes);
    home.fileWithContent(deploy + "/export/share/applications/" + id + ".desktop",
                         "[Desktop Entry]\nName=" + name + "\nExec=app\n");
    home.symlink(branch + "/active", "0a1b2c");
}

struct Roots {
    TempHome& home;
    LinuxAppRoots paths() const
    {
        return {home.at("sys/flatpak"), home.at("sys/installations.d"),
                home.at("sys/snap"),    home.at("sys/snapd"),
                home.at("sys/dpkg"),    {home.at("sys/applications"), home.at("sys/local-applications")},
                home.at("sys/log"),     {home.at("sys/bin")},
                {home.at("sys/icons")}, home.at("sys/packagekit.service")};
    }
};

// An AppImage of `bytes` allocated bytes: the signature, then zeros.
void appImage(const TempHome& home, const std::string& relative, std::int64_t bytes)
{
    home.allocatedFile(relative, bytes);
    const int fd = ::open(home.at(relative).c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, kAppImageHead.data(), kAppImageHead.size(), 0), ssize_t(kAppImageHead.size()));
    ::close(fd);
}

std::map<std::string, InstalledAppItem> byPath(const TempHome& home, const std::vector<InstalledAppItem>& apps)
{
    std::map<std::string, InstalledAppItem> out;
    for (const auto& app : apps)
        out.emplace(app.appPath.substr(home.path().size() + 1), app);
    return out;
}

} // namespace

TEST(LinuxAppScan, FlatpaksOfEveryInstallationWithTheirCachesAndTheirLeftovers)
{
    TempHome home;
    deployFlatpak(home, ".local/share/flatpak", "org.gimp.GIMP", "GNU Image Manipulation Program", 6 * MiB);
    deployFlatpak(home, "sys/flatpak", "org.mozilla.firefox", "Firefox", 7 * MiB);
    deployFlatpak(home, "sys/flatpak", "org.example.Tiny", "Tiny", 1 * MiB); // too small to list
    deployFlatpak(home, "sys/extra", "com.example.Tool", "Tool", 6 * MiB);
    home.fileWithContent("sys/installations.d/extra.conf",
                         "[Installation \"extra\"]\nPath=" + home.at("sys/extra") + "\nDisplayName=Extra\n");
    // A deploy whose active link leaves its branch folder is not followed.
    home.allocatedFile("elsewhere/files/bin/app", 8 * MiB);
    home.symlink(".local/share/flatpak/app/org.evil.App/x86_64/stable/active", "../../../../../../../elsewhere");

    home.allocatedFile(".var/app/org.gimp.GIMP/cache/fontconfig/a", 1 * MiB);
    home.allocatedFile(".var/app/org.gimp.GIMP/config/GIMP/gimprc", 1 * MiB);
    home.allocatedFile(".var/app/org.example.Tiny/cache/a", 1 * MiB);
    home.allocatedFile(".var/app/org.signal.Signal/cache/a", 2 * MiB);
    home.allocatedFile(".var/app/org.signal.Signal/config/Signal/sql/db.sqlite", 3 * MiB);

    const auto apps = byPath(home, scanLinuxApps(HomeLayout::of(home.path(), false), Roots{home}.paths()));
    EXPECT_THAT(apps,
                ElementsAre(testing::Key(".local/share/flatpak/app/org.gimp.GIMP"),
                            testing::Key(".var/app/org.signal.Signal"), testing::Key("sys/extra/app/com.example.Tool"),
                            testing::Key("sys/flatpak/app/org.mozilla.firefox")));

    const auto& gimp = apps.at(".local/share/flatpak/app/org.gimp.GIMP");
    EXPECT_EQ(gimp.kind, InstalledAppKind::flatpakUser);
    EXPECT_EQ(gimp.name, "GNU Image Manipulation Program");
    EXPECT_EQ(gimp.appId, "org.gimp.GIMP");
    EXPECT_GE(gimp.appSizeBytes, 6 * MiB);
    EXPECT_THAT(relative(home, gimp.orphanPaths), ElementsAre(".var/app/org.gimp.GIMP/cache"));
    EXPECT_EQ(gimp.uninstallCommand, "flatpak uninstall --user org.gimp.GIMP");
    EXPECT_FALSE(SelectionState::offeredSelected(gimp));

    EXPECT_EQ(apps.at("sys/flatpak/app/org.mozilla.firefox").kind, InstalledAppKind::flatpakSystem);
    EXPECT_EQ(apps.at("sys/flatpak/app/org.mozilla.firefox").uninstallCommand,
              "flatpak uninstall --system org.mozilla.firefox");
    EXPECT_EQ(apps.at("sys/extra/app/com.example.Tool").uninstallCommand,
              "flatpak uninstall --installation=extra com.example.Tool");

    // No installation holds Signal any more: its cache is a selected leftover, its chats stay
    // unselected inside the folder as a whole.
    const auto& signal = apps.at(".var/app/org.signal.Signal");
    EXPECT_EQ(signal.kind, InstalledAppKind::flatpakLeftover);
    EXPECT_THAT(relative(home, signal.orphanPaths), ElementsAre(".var/app/org.signal.Signal/cache"));
    EXPECT_EQ(signal.orphanSizeBytes, 2 * MiB);
    EXPECT_EQ(signal.appSizeBytes, 3 * MiB);
    EXPECT_TRUE(SelectionState::offeredSelected(signal));
    EXPECT_TRUE(signal.uninstallCommand.empty());

    // Without the machine's installations an app's data cannot be called left behind.
    for (const auto& app : scanLinuxApps(HomeLayout::of(home.path(), false), LinuxAppRoots::none()))
        EXPECT_NE(app.kind, InstalledAppKind::flatpakLeftover) << app.appPath;
}

TEST(LinuxAppScan, SnapsAppImagesAndSteamGames)
{
    TempHome home;
    home.fileWithContent("sys/snap/firefox/4173/meta/snap.yaml", "name: firefox\ntitle: Firefox\nversion: '128'\n");
    home.symlink("sys/snap/firefox/current", "4173");
    home.allocatedFile("sys/snapd/snaps/firefox_4173.snap", 7 * MiB);
    home.fileWithContent("sys/snap/core22/1380/meta/snap.yaml", "name: core22\ntype: base\n");
    home.symlink("sys/snap/core22/current", "1380");
    home.allocatedFile("sys/snapd/snaps/core22_1380.snap", 70 * MiB);
    home.allocatedFile("snap/firefox/common/.cache/a", 1 * MiB);
    home.allocatedFile("snap/firefox/4173/.cache/a", 1 * MiB);
    home.allocatedFile("snap/firefox/4173/.mozilla/firefox/cookies.sqlite", 1 * MiB);
    home.symlink("snap/firefox/current", "4173");

    home.fileWithContent(".config/user-dirs.dirs", "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n");
    appImage(home, "Applications/Krita-5.2.AppImage", 6 * MiB);
    appImage(home, "Téléchargements/Tool.AppImage", 6 * MiB);
    home.allocatedFile("Applications/not-an-appimage.bin", 6 * MiB);
    home.fileWithContent(".local/share/applications/appimagekit_abc123-Krita.desktop",
                         "[Desktop Entry]\nName=Krita\nExec=\"" + home.at("Applications/Krita-5.2.AppImage") +
                             "\" %F\n");
    home.fileWithContent(".local/share/applications/appimagekit_def456-Other.desktop",
                         "[Desktop Entry]\nExec=/opt/other/Other.AppImage\n");
    home.fileWithContent(".local/share/applications/org.kde.krita.desktop",
                         "[Desktop Entry]\nExec=\"" + home.at("Applications/Krita-5.2.AppImage") + "\"\n");
    home.fileWithContent(".local/share/icons/hicolor/256x256/apps/appimagekit_abc123_krita.png", "png");
    home.fileWithContent(".local/share/icons/default/48x48/apps/appimagekit_abc123_krita.svg", "svg");
    home.fileWithContent(".local/share/icons/hicolor/256x256/apps/appimagekit_def456_other.png", "png");
    home.allocatedFile(".cache/krita/a", 1 * MiB);

    home.fileWithContent(".local/share/Steam/steamapps/appmanifest_570.acf",
                         "\"AppState\"\n{\n\"appid\" \"570\"\n\"name\" \"Dota 2\"\n\"installdir\" \"dota 2 beta\"\n"
                         "\"SizeOnDisk\" \"35321453198\"\n}\n");
    home.mkdir(".local/share/Steam/steamapps/common/dota 2 beta");
    home.allocatedFile(".local/share/Steam/steamapps/shadercache/570/a", 1 * MiB);
    home.fileWithContent(".local/share/Steam/steamapps/appmanifest_1.acf",
                         "\"AppState\" { \"appid\" \"1\" \"installdir\" \"..\" }");

    const auto apps = byPath(home, scanLinuxApps(HomeLayout::of(home.path(), false), Roots{home}.paths()));
    EXPECT_THAT(apps, ElementsAre(testing::Key(".local/share/Steam/steamapps/common/dota 2 beta"),
                                  testing::Key("Applications/Krita-5.2.AppImage"),
                                  testing::Key("Téléchargements/Tool.AppImage"), testing::Key("sys/snap/firefox")));

    const auto& firefox = apps.at("sys/snap/firefox");
    EXPECT_EQ(firefox.kind, InstalledAppKind::snap);
    EXPECT_EQ(firefox.name, "Firefox");
    EXPECT_EQ(firefox.appSizeBytes, 7 * MiB);
    EXPECT_THAT(relative(home, firefox.orphanPaths),
                ElementsAre("snap/firefox/common/.cache", "snap/firefox/4173/.cache"));
    EXPECT_EQ(firefox.uninstallCommand, "sudo snap remove firefox");

    // An AppImage goes with its launcher and the icons the desktop integration made for it.
    const auto& krita = apps.at("Applications/Krita-5.2.AppImage");
    EXPECT_EQ(krita.kind, InstalledAppKind::appImage);
    EXPECT_EQ(krita.name, "Krita-5.2");
    EXPECT_TRUE(krita.uninstallCommand.empty());
    EXPECT_THAT(relative(home, krita.uninstallPaths),
                ElementsAre(".local/share/applications/appimagekit_abc123-Krita.desktop",
                            ".local/share/icons/hicolor/256x256/apps/appimagekit_abc123_krita.png",
                            ".local/share/icons/default/48x48/apps/appimagekit_abc123_krita.svg"));
    EXPECT_THAT(relative(home, krita.orphanPaths), ElementsAre(".cache/krita"));

    const auto& dota = apps.at(".local/share/Steam/steamapps/common/dota 2 beta");
    EXPECT_EQ(dota.kind, InstalledAppKind::steamGame);
    EXPECT_EQ(dota.name, "Dota 2");
    EXPECT_EQ(dota.appSizeBytes, 35321453198);
    EXPECT_EQ(dota.uninstallCommand, "steam steam://uninstall/570");
    EXPECT_THAT(relative(home, dota.orphanPaths), ElementsAre(".local/share/Steam/steamapps/shadercache/570"));
}

TEST(LinuxAppScan, SystemPackagesByTheirLaunchersWithExactCachesButNeverTheSystemsOwn)
{
    TempHome home;
    const auto launcher = [&](const std::string& folder, const std::string& id, const std::string& body) {
        home.fileWithContent("sys/" + folder + "/" + id + ".desktop", "[Desktop Entry]\nType=Application\n" + body);
        return home.at("sys/" + folder + "/" + id + ".desktop");
    };
    const auto shipped = [&](const std::string& listFile, const std::vector<std::string>& files) {
        std::string text = "/.\n/usr\n";
        for (const auto& file : files)
            text += file + "\n";
        home.fileWithContent("sys/dpkg/info/" + listFile, text);
    };
    const auto package = [](const std::string& name, int kib, const std::string& extra = "") {
        return "Package: " + name +
               "\nStatus: install ok installed\nPriority: optional\nInstalled-Size: " + std::to_string(kib) + "\n" +
               extra + "Description: x\n continued line: not a field\n\n";
    };
    home.fileWithContent("sys/dpkg/status",
                         package("gimp", 80000) + package("vlc", 9000) + package("gnome-calculator", 9000) +
                             package("gnome-core", 10, "Depends: gnome-calculator (>= 1), nautilus | thunar:any\n") +
                             package("essential-tool", 9000, "Essential: yes\n") + package("tiny", 100) +
                             package("hidden", 9000) +
                             "Package: gone\nStatus: deinstall ok config-files\nInstalled-Size: 9000\n\n");
    shipped("gimp.list", {launcher("applications", "gimp",
                                   "Name=GNU Image Manipulation Program\nExec=gimp-2.10 %U\n"
                                   "StartupWMClass=Gimp-2.10\n")});
    shipped("vlc:amd64.list", {launcher("applications", "vlc", "Name=VLC media player\nExec=/usr/bin/vlc\n"),
                               launcher("applications", "vlc-stream", "Name=VLC streaming\nExec=vlc --x\n")});
    shipped("gnome-calculator.list", {launcher("applications", "calc", "Name=Calculator\nExec=calc\n")});
    shipped("essential-tool.list", {launcher("applications", "tool", "Name=Tool\nExec=tool\n")});
    shipped("tiny.list", {launcher("applications", "tiny", "Name=Tiny\nExec=tiny\n")});
    shipped("hidden.list", {launcher("applications", "hidden", "Name=Hidden\nExec=h\nNoDisplay=true\n")});
    shipped("gone.list", {launcher("applications", "gone", "Name=Gone\nExec=gone\n")});
    launcher("local-applications", "mine", "Name=Mine\nExec=mine\n"); // no package ships it

    // Exact names only: the program's, the window class's and the package's; never a near miss.
    home.allocatedFile(".cache/gimp/a", 300'000);
    home.allocatedFile(".cache/gimp-2.10/a", 300'000);
    home.allocatedFile(".cache/Gimp-2.10/a", 300'000);
    home.allocatedFile(".cache/gimp-old/a", 300'000);
    home.allocatedFile(".cache/GIMP/a", 300'000);
    home.allocatedFile(".config/gimp/gimprc", 300'000); // settings stay

    const auto apps = byPath(home, scanLinuxApps(HomeLayout::of(home.path(), false), Roots{home}.paths()));
    EXPECT_THAT(
        apps, ElementsAre(testing::Key("sys/applications/gimp.desktop"), testing::Key("sys/applications/vlc.desktop")));
    const auto& gimp = apps.at("sys/applications/gimp.desktop");
    EXPECT_EQ(gimp.kind, InstalledAppKind::systemPackage);
    EXPECT_EQ(gimp.name, "GNU Image Manipulation Program");
    EXPECT_EQ(gimp.appId, "gimp");
    EXPECT_EQ(gimp.appSizeBytes, 80000 * 1024);
    EXPECT_EQ(gimp.uninstallCommand, "sudo apt remove gimp");
    EXPECT_THAT(relative(home, gimp.orphanPaths), ElementsAre(".cache/Gimp-2.10", ".cache/gimp", ".cache/gimp-2.10"));
    EXPECT_EQ(apps.at("sys/applications/vlc.desktop").uninstallCommand, "sudo apt remove vlc");

    // This machine's own database reads without error; what it lists can all be removed
    // by the package manager.
    HomeReader reader(home.path());
    if (fileops::exists("/var/lib/dpkg/status")) {
        EXPECT_FALSE(DpkgDatabase::read(reader, "/var/lib/dpkg").empty());
    }
    LinuxAppRoots machine = LinuxAppRoots::none();
    machine.dpkgAdmin = "/var/lib/dpkg";
    machine.desktopEntries = LinuxAppRoots{}.desktopEntries;
    for (const auto& app : scanLinuxApps(HomeLayout::of(home.path(), false), machine))
        EXPECT_TRUE(app.uninstallCommand.starts_with("sudo apt remove ")) << app.appPath;
}
