#pragma once
// Applications installed the Linux ways, found without running any package tool:
// Flatpaks of the person's and the system's installations (from their deploy folders),
// Snaps, the system's package manager's desktop applications (dpkg's database), AppImages
// in the usual folders and Steam games, each with the cache folders it keeps in the home;
// and the data a removed Flatpak left in ~/.var/app.

#include "Models/StorageModels.h"

#include <vector>

struct HomeLayout;

// The system-wide places; tests point them at generated trees.
struct LinuxAppRoots {
    Path systemFlatpak = "/var/lib/flatpak";
    Path flatpakInstallations = "/etc/flatpak/installations.d"; // *.conf naming further installations
    Path snapMount = "/snap";
    Path snapd = "/var/lib/snapd";
    Path dpkgAdmin = "/var/lib/dpkg";
    std::vector<Path> desktopEntries = {"/usr/share/applications", "/usr/local/share/applications"};
    Path packageLogs = "/var/log"; // dpkg.log*, apt/history.log*
    // Where programs of the packages' names live: a folder of a name a program still
    // answers to is never called left behind.
    std::vector<Path> programFolders = {"/usr/bin", "/usr/games", "/usr/local/bin", "/usr/sbin"};
    // Where launchers' icons are looked up by name: the fallback theme's sizes, then pixmaps.
    std::vector<Path> iconFolders = {"/usr/share/icons/hicolor/48x48/apps",
                                     "/usr/share/icons/hicolor/scalable/apps",
                                     "/usr/share/icons/hicolor/64x64/apps",
                                     "/usr/share/icons/hicolor/128x128/apps",
                                     "/usr/share/icons/hicolor/256x256/apps",
                                     "/usr/share/icons/hicolor/32x32/apps",
                                     "/usr/share/pixmaps"};
    // Present when PackageKit can be asked over the system bus to remove a package.
    Path packageKitService = "/usr/share/dbus-1/system-services/org.freedesktop.PackageKit.service";

    // No machine-wide places at all.
    static LinuxAppRoots none() { return {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}}; }
    // The machine's places for the account's own home; none for another home (a copy, a
    // test), which describes no machine.
    static LinuxAppRoots forHome(bool isAccountHome) { return isAccountHome ? LinuxAppRoots{} : none(); }
};

// In discovery order (Flatpaks, Snaps, system packages and what removed ones left, AppImages, Steam
// games, Flatpak leftovers); the
// caller sorts. Applications are unselected; a leftover's cache is selected.
std::vector<InstalledAppItem> scanLinuxApps(const HomeLayout& layout, const LinuxAppRoots& roots);
