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

    // No machine-wide places at all.
    static LinuxAppRoots none() { return {{}, {}, {}, {}, {}, {}}; }
    // The machine's places for the account's own home; none for another home (a copy, a
    // test), which describes no machine.
    static LinuxAppRoots forHome(bool isAccountHome) { return isAccountHome ? LinuxAppRoots{} : none(); }
};

// In discovery order (Flatpaks, Snaps, system packages, AppImages, Steam games, Flatpak leftovers); the
// caller sorts. Applications are unselected; a leftover's cache is selected.
std::vector<InstalledAppItem> scanLinuxApps(const HomeLayout& layout, const LinuxAppRoots& roots);
