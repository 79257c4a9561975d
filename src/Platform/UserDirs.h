#pragma once
// The person's named folders (Desktop, Downloads, Videos, ...) as the desktop records
// them in user-dirs.dirs, whose names follow the language the account was set up in.
//
// The file is written to be sourced by a shell, so sourcing it would run whatever it
// holds; it is parsed instead, accepting only the documented form
//     XDG_<NAME>_DIR="$HOME/relative"   or   XDG_<NAME>_DIR="/absolute"
// with backslash escapes. Values stay bytes. A value of "$HOME" alone means the folder
// is switched off, and a folder outside the home is beyond what a clean may touch;
// both are left out, as are values with ".." components.

#include <map>
#include <string>
#include <string_view>

namespace userdirs {

// NAME ("DESKTOP", "DOWNLOAD", "VIDEOS", ...) → absolute path inside home. A later line
// for the same name wins, as it does for the desktop.
std::map<std::string, std::string> parse(std::string_view content, const std::string& home);

// Reads configHome/user-dirs.dirs; empty when it is missing or unreadable. The file and
// each folder it names are reached from the home without meeting a link: a folder that
// cannot be is left out, as one that does not exist.
std::map<std::string, std::string> load(const std::string& configHome, const std::string& home);

} // namespace userdirs
