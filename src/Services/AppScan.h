#pragma once
// Installed applications and the cache, log, state and web-storage folders they left
// in the home folder's Library.

#include "Models/StorageModels.h"

#include <vector>

// Largest (bundle plus leftovers) first.
std::vector<InstalledAppItem> scanMacBundles(const Path& home, const Path& applications);

struct HomeLayout;
struct LinuxAppRoots;

// The bundles of the Applications folder and the applications installed the Linux ways
// (Flatpak, Snap, AppImage, Steam), with Flatpak leftovers; largest first.
std::vector<InstalledAppItem> scanInstalledApps(const HomeLayout& layout, const Path& applications,
                                                const LinuxAppRoots& linuxRoots);
