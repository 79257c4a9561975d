#pragma once
// What the scanners need to know about a home beyond its path: where its programs keep
// caches, settings and data, and where the person's named folders are (Desktop,
// Downloads, Videos, ... under the names of the account's language).

#include "Models/Basics.h"
#include "Platform/XdgBaseDirs.h"

#include <map>
#include <string>

struct HomeLayout {
    Path home;
    XdgBaseDirs base;
    std::map<std::string, Path> userDirs; // "DESKTOP", "DOWNLOAD", ... → folder inside home

    // isAccountHome: `home` is the account's own home folder, so its environment
    // ($XDG_*) describes it. For any other home the defaults below it are used.
    static HomeLayout of(const Path& home, bool isAccountHome);

    // The named folder, when the home's settings name one.
    const Path* userDir(const std::string& name) const;
};
