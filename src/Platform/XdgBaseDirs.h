#pragma once
// The freedesktop base folders of a home: where programs keep caches, settings and data.
//
// The variables ($XDG_CACHE_HOME, $XDG_CONFIG_HOME, $XDG_DATA_HOME) describe the account
// that runs us, so they are read only when the home scanned is the account's own; for a
// home given on the command line the defaults under it are used. A value is honoured only
// when it is absolute (a relative one is invalid and must be ignored) and names a folder
// strictly inside the home: the catalogue offers entries of the cache folder, and a value
// of "$HOME" or "/" would turn that into every folder of the home or of the disk.

#include <functional>
#include <optional>
#include <string>

struct XdgBaseDirs {
    std::string cache;  // default home/.cache
    std::string config; // default home/.config
    std::string data;   // default home/.local/share

    using Environment = std::function<std::optional<std::string>(const char* name)>;

    // honourEnvironment: true only when `home` is the account's own home folder.
    static XdgBaseDirs forHome(const std::string& home, bool honourEnvironment);
    static XdgBaseDirs forHome(const std::string& home, bool honourEnvironment, const Environment& environment);
};

// A path inside `home` (not home itself) after lexical clean-up, or nullopt: relative
// paths, ".." components and places outside the home are refused.
std::optional<std::string> pathStrictlyInsideHome(std::string_view path, const std::string& home);
