#pragma once
// The system package manager's side of the applications workspace: desktop applications
// installed by dpkg, with the per-user folders each keeps, and the folders that packages
// removed since left behind. Read from dpkg's database and the package manager's logs;
// nothing is run.

#include "Models/StorageModels.h"

#include <set>
#include <string>
#include <vector>

class HomeReader;
struct HomeLayout;
struct LinuxAppRoots;

// names: every name another kind of application found here goes by (Flatpak ids, Snap
// names): a folder of such a name is never a removed package's.
void scanSystemPackages(HomeReader& reader, const HomeLayout& layout, const LinuxAppRoots& roots,
                        const std::set<std::string>& otherAppNames, std::vector<InstalledAppItem>& apps);

// Folder names the desktop itself keeps in the home (settings of the session, keyrings,
// portals): never an application's leftover, whatever package bore the name.
bool isDesktopOwnFolderName(std::string_view name);
