#pragma once
// Installed applications and what they left in the home folder: macOS-layout bundles with
// the Library folders they left, and the applications installed the Linux ways.

#include "Models/StorageModels.h"

#include <vector>

// The `.app` bundles of a macOS-layout Applications folder, in folder order.
std::vector<InstalledAppItem> scanMacBundles(const Path& home, const Path& applications);

struct HomeLayout;
struct LinuxAppRoots;

// The bundles of `applications` (none when it is empty) and the applications installed the
// Linux ways (Flatpak, Snap, AppImage, Steam), with Flatpak leftovers; largest (app plus
// leftovers) first.
std::vector<InstalledAppItem> scanInstalledApps(const HomeLayout& layout, const Path& applications,
                                                const LinuxAppRoots& linuxRoots);
