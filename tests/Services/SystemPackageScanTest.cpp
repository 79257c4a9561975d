// The system package manager's applications and what removed packages left, read from a
// generated dpkg database, launchers and logs: which folders belong to whom, and by what rule.
#include "Services/SystemPackageScan.h"
#include "L10n/LocalizedAppName.h"
#include "Platform/HomeLayout.h"
#include "Platform/PackageLogs.h"
#include "Services/LinuxAppScan.h"
#include "support/HomeFixtures.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <zlib.h>

using testing::ElementsAre;
using testing::IsEmpty;
using testing::Pair;

namespace {

// A machine of the test's own: dpkg's database, launchers, program folder and logs under sys/.
struct Machine {
    TempHome& home;
    std::string status;

    void installed(const std::string& package, const std::vector<std::string>& launchers,
                   const std::vector<std::string>& programs = {})
    {
        status +=
            "Package: " + package + "\nStatus: install ok installed\nPriority: optional\nInstalled-Size: 9000\n\n";
        std::string list = "/.\n/usr\n";
        for (const auto& launcher : launchers) {
            const auto equals = launcher.find('=');
            const std::string id = launcher.substr(0, launcher.find(':'));
            home.fileWithContent("sys/applications/" + id + ".desktop",
                                 "[Desktop Entry]\nType=Application\nName=" + id + "\n" +
                                     launcher.substr(id.size() + 1) + "\n");
            list += home.at("sys/applications/" + id + ".desktop") + "\n";
            (void)equals;
        }
        for (const auto& program : programs) {
            home.fileWithContent("sys/bin/" + program, "#!/bin/sh\n");
            list += home.at("sys/bin/" + program) + "\n";
        }
        home.fileWithContent("sys/dpkg/info/" + package + ":amd64.list", list);
    }
    void leftConfigFiles(const std::string& package)
    {
        status += "Package: " + package + "\nStatus: deinstall ok config-files\n\n";
    }
    LinuxAppRoots roots()
    {
        home.fileWithContent("sys/dpkg/status", status);
        LinuxAppRoots roots = LinuxAppRoots::none();
        roots.dpkgAdmin = home.at("sys/dpkg");
        roots.desktopEntries = {home.at("sys/applications")};
        roots.packageLogs = home.at("sys/log");
        roots.programFolders = {home.at("sys/bin")};
        roots.packageKitService = home.at("sys/packagekit.service");
        roots.iconFolders = {home.at("sys/icons/48"), home.at("sys/pixmaps")};
        return roots;
    }
};

std::string gzipped(const std::string& text)
{
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(text.size() + 128, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = uInt(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

std::map<std::string, InstalledAppItem> byName(const std::vector<InstalledAppItem>& apps)
{
    std::map<std::string, InstalledAppItem> out;
    for (const auto& app : apps)
        out.emplace(app.appId, app);
    return out;
}

std::vector<std::pair<std::string, std::string>> dataOf(const TempHome& home, const InstalledAppItem& app)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& folder : app.dataFolders)
        out.emplace_back(folder.path.substr(home.path().size() + 1), folder.rule);
    return out;
}

} // namespace

TEST(SystemPackageScan, SettingsAndDataAreAnAppsOwnOnlyWhenNoOtherProgramGoesByTheirName)
{
    TempHome home;
    Machine machine{home, {}};
    machine.installed("vlc",
                      {"vlc:Exec=vlc %U\nStartupWMClass=vlc\nName[de_DE]=VLC-Medienwiedergabe\n"
                       "Name[zh_CN]=VLC 媒体播放器\nName[zh]=VLC 中文\nName[pt]=Reprodutor VLC\nIcon=vlc"},
                      {"vlc"});
    // Two packages of one suite share the program name, and so its settings.
    machine.installed("libreoffice-writer", {"libreoffice-writer:Exec=libreoffice --writer\nIcon=../../etc/x"});
    machine.installed("libreoffice-calc", {"libreoffice-calc:Exec=libreoffice --calc"});
    machine.installed("libreoffice-common", {}, {"libreoffice"});
    machine.installed("gnome-control-center", {"gnome-control-center:Exec=gnome-control-center"}); // the desktop's own
    home.fileWithContent("sys/packagekit.service", "[D-BUS Service]\n");
    home.fileWithContent("sys/icons/48/vlc.svg", "<svg/>");
    for (const char* folder : {".cache/vlc", ".config/vlc", ".local/share/vlc", ".local/state/vlc", ".vlc",
                               ".cache/libreoffice", ".config/libreoffice", ".config/autostart"})
        home.allocatedFile(std::string(folder) + "/a", 300'000);
    home.allocatedFile(".config/vlc-old/a", 300'000); // a near miss is nobody's

    const auto apps = byName(scanLinuxApps(HomeLayout::of(home.path(), false), machine.roots()));
    ASSERT_EQ(apps.size(), 3u);
    const auto& vlc = apps.at("vlc");
    EXPECT_THAT(relative(home, vlc.orphanPaths), ElementsAre(".cache/vlc"));
    EXPECT_THAT(vlc.orphanRules, ElementsAre("Package: vlc"));
    EXPECT_THAT(dataOf(home, vlc),
                ElementsAre(Pair(".config/vlc", "Package: vlc"), Pair(".local/share/vlc", "Package: vlc"),
                            Pair(".local/state/vlc", "Package: vlc"), Pair(".vlc", "Package: vlc")));
    EXPECT_TRUE(vlc.removedThroughPackageKit);
    EXPECT_EQ(vlc.iconPath, home.at("sys/icons/48/vlc.svg"));
    EXPECT_EQ(apps.at("libreoffice-writer").iconPath, ""); // a name that would climb out is no name
    // Its name in the window's language, by the launcher's translations.
    EXPECT_EQ(localizedAppName(vlc, AppLanguage::de), "VLC-Medienwiedergabe");
    EXPECT_EQ(localizedAppName(vlc, AppLanguage::zhHans), "VLC 媒体播放器");
    EXPECT_EQ(localizedAppName(vlc, AppLanguage::zhHant), "vlc"); // never Simplified for Traditional
    EXPECT_EQ(localizedAppName(vlc, AppLanguage::pt), "Reprodutor VLC");
    EXPECT_EQ(localizedAppName(vlc, AppLanguage::ja), "vlc");
    EXPECT_EQ(vlc.fullUninstallBytes(), vlc.appSizeBytes + vlc.orphanSizeBytes + vlc.dataBytes());

    // The suite's shared cache is each one's leftover; its shared settings are neither's.
    for (const char* package : {"libreoffice-writer", "libreoffice-calc"}) {
        const auto& app = apps.at(package);
        EXPECT_THAT(relative(home, app.orphanPaths), ElementsAre(".cache/libreoffice")) << package;
        EXPECT_THAT(app.orphanRules, ElementsAre("Exec: libreoffice")) << package;
        EXPECT_THAT(app.dataFolders, IsEmpty()) << package;
    }
}

TEST(SystemPackageScan, RemovedPackagesLeaveFoldersOfTheirExactNameWithTheDayTheyWent)
{
    TempHome home;
    Machine machine{home, {}};
    machine.installed("gimp", {"gimp:Exec=gimp"}, {"gimp"});
    machine.leftConfigFiles("kdenlive");
    home.fileWithContent("sys/log/dpkg.log", "2026-02-01 09:00:00 install audacity:amd64 <none> 3.2\n"
                                             "2026-03-04 10:23:45 remove audacity:amd64 3.2 <none>\n"
                                             "2026-03-05 08:00:00 purge htop:amd64 3.2 <none>\n"
                                             "2026-03-06 08:00:00 remove gnome-tweaks:amd64 42 <none>\n"
                                             "2026-03-07 08:00:00 remove gimp:amd64 2.10 <none>\n"
                                             "garbage line\n");
    home.fileWithContent("sys/log/apt/history.log.1.gz",
                         gzipped("Start-Date: 2025-11-20  10:23:40\nCommandline: apt remove obs-studio\n"
                                 "Remove: obs-studio:amd64 (29.0, automatic), libobs0:amd64 (29.0)\n"
                                 "End-Date: 2025-11-20  10:23:50\n"));
    home.fileWithContent("sys/bin/htop", "#!/bin/sh\n"); // another package still answers to the name
    for (const char* folder :
         {".cache/audacity", ".config/audacity", ".config/Audacity", ".config/audacity-old", ".config/obs-studio",
          ".local/share/kdenlive", ".config/htop", ".config/gnome-tweaks", ".config/gimp"})
        home.allocatedFile(std::string(folder) + "/a", 300'000);
    home.allocatedFile(".config/libobs0/a", 1000); // too small to matter

    const auto apps = byName(scanLinuxApps(HomeLayout::of(home.path(), false), machine.roots()));
    EXPECT_THAT(apps, ElementsAre(testing::Key("audacity"), testing::Key("gimp"), testing::Key("kdenlive"),
                                  testing::Key("obs-studio")));
    const auto& audacity = apps.at("audacity");
    EXPECT_EQ(audacity.kind, InstalledAppKind::removedPackage);
    EXPECT_EQ(audacity.removedOn, "2026-03-04");
    EXPECT_THAT(relative(home, audacity.orphanPaths), ElementsAre(".cache/audacity"));
    EXPECT_THAT(dataOf(home, audacity), ElementsAre(Pair(".config/audacity", "Package: audacity")));
    EXPECT_EQ(audacity.appPath, home.at(".cache/audacity"));
    EXPECT_EQ(audacity.fullUninstallBytes(), audacity.orphanSizeBytes + audacity.dataBytes());
    EXPECT_EQ(apps.at("obs-studio").removedOn, "2025-11-20");
    EXPECT_EQ(apps.at("kdenlive").removedOn, "");
    EXPECT_EQ(apps.at("gimp").kind, InstalledAppKind::systemPackage); // installed again since
    EXPECT_FALSE(apps.at("gimp").removedThroughPackageKit);           // no PackageKit here
}

TEST(SystemPackageScan, LogsOfEitherFormatAndBrokenGzipNeverThrowOrInvent)
{
    RemovalDays days;
    addAptHistoryRemovals("Start-Date: 2026-01-02  10:00:00\nPurge: a:amd64 (1), b (2, automatic)\nRemove: c\n"
                          "Start-Date: not a day\nRemove: d:amd64 (1)\n",
                          days);
    addDpkgLogRemovals("2026-01-03 10:00:00 remove a:amd64 1 <none>\n2025-01-01 10:00:00 remove a:amd64 1 <none>\n"
                       "2026-01-03 10:00:00 remove\n\n 2026",
                       days);
    EXPECT_THAT(days, ElementsAre(Pair("a", "2026-01-03"), Pair("b", "2026-01-02"), Pair("c", "2026-01-02")));
    EXPECT_EQ(gunzip(gzipped("hello"), 100), "hello");
    EXPECT_EQ(gunzip(gzipped(std::string(1000, 'x')), 100), std::nullopt);
    EXPECT_EQ(gunzip(gzipped("hello").substr(0, 10), 100), std::nullopt);
    EXPECT_EQ(gunzip("not gzip", 100), std::nullopt);
    EXPECT_TRUE(isDesktopOwnFolderName("gnome-shell"));
    EXPECT_TRUE(isDesktopOwnFolderName("dconf"));
    EXPECT_FALSE(isDesktopOwnFolderName("audacity"));
}
