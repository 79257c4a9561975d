#pragma once
// Reaching a path from the root it belongs to (the home folder, the Applications folder,
// a mount's top folder) one component at a time, without following any symbolic link
// and without leaving the root. What the program reads, moves, removes or restores is
// then acted on relative to the opened folder that holds it, so a folder swapped for a
// link after it was opened cannot send the work elsewhere.
//
// The kernel does the resolution where it can (openat2 with RESOLVE_BENEATH and
// RESOLVE_NO_SYMLINKS); elsewhere each component is opened with O_NOFOLLOW.

#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

namespace beneath {

// The part of `path` below `root` ("" when they are equal); nullopt when path is not
// root or inside it, or when a component is empty, "." or "..".
std::optional<std::string> relativePath(std::string_view root, std::string_view path);

// Opens a root folder. The root's own path was chosen and resolved once; only its last
// component must not be a link.
Result<UniqueFd> openRoot(const std::string& root);

// Opens the folder `relative` below an opened root ("" opens the root again). ELOOP
// when a link is met, ENOTDIR when a component is not a folder.
Result<UniqueFd> openFolder(int rootFd, std::string_view relative, const std::string& pathForChecks);

// Like openFolder, creating the missing folders on the way (one at a time, never
// through a link) with `mode`.
Result<UniqueFd> makeFolders(int rootFd, std::string_view relative, const std::string& pathForChecks, mode_t mode);

// The folder at `path` inside `root`, reached from the root without following a link and
// without entering another file system mounted below the root: the kernel's resolution
// stops at links, the mount table also catches a folder of the same disk mounted a
// second time. EXDEV for a path outside root or beyond such a mount.
Result<UniqueFd> openInside(const std::string& root, const std::string& path);
// The attributes of whatever stands at `path` (not followed), reached the same way.
Result<struct stat> statInside(const std::string& root, const std::string& path);

// An item named inside the opened folder that holds it.
struct Location {
    UniqueFd parent;
    std::string name;
    std::string path; // the whole path, for reports and the fault-injection seam
};

// Opens the folder that holds `path` (strictly inside `root`); the item itself is not
// touched. EXDEV for a path outside the root.
Result<Location> locate(int rootFd, const std::string& root, const std::string& path);

// The folders a piece of work may reach (the home, the Applications folder...), each
// opened once when first needed. A path belongs to the longest root that holds it.
class Roots {
  public:
    explicit Roots(std::vector<std::string> roots) : roots_(std::move(roots)) {}

    // The opened folder that holds `path`; EXDEV when no root holds it.
    Result<Location> locate(const std::string& path);
    // The folder `path` itself, its missing folders made on the way with `mode`.
    Result<UniqueFd> makeFolders(const std::string& path, mode_t mode);

  private:
    // The root holding `path` and its opened folder.
    const std::string* rootOf(const std::string& path);
    Result<UniqueFd>& opened(const std::string& root);

    std::vector<std::string> roots_;
    std::map<std::string, Result<UniqueFd>> folders_;
};

} // namespace beneath
