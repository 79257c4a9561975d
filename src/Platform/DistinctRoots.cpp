#include "Platform/DistinctRoots.h"

#include "Models/Paths.h"
#include "Platform/FileIdentity.h"

#include <algorithm>
#include <optional>

namespace {

std::optional<FileIdentity> folderIdentity(const std::string& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return FileIdentity::of(st);
}

// True when `path` or one of its ancestors is one of `kept`: a folder mounted a second
// time inside a kept root has a path of its own but the same identity.
bool isWithinKept(const std::string& path, const std::vector<FileIdentity>& kept)
{
    std::string current = path;
    for (;;) {
        struct stat st;
        if (lstat(current.c_str(), &st) == 0 && std::find(kept.begin(), kept.end(), FileIdentity::of(st)) != kept.end())
            return true;
        if (current == "/" || current == ".")
            return false;
        current = paths::parent(current);
    }
}

} // namespace

std::vector<WalkRoot> distinctRoots(const std::vector<WalkRoot>& candidates)
{
    std::vector<WalkRoot> roots;
    std::vector<FileIdentity> identities;
    for (const auto& candidate : candidates) {
        // Compared in clean form; kept as given, so the paths found below it read as before.
        const std::string path = paths::standardized(candidate.path);
        const auto identity = folderIdentity(path);
        if (!identity)
            continue;
        const bool insideByPath = std::any_of(roots.begin(), roots.end(), [&](const WalkRoot& kept) {
            return paths::isSameOrInside(path, paths::standardized(kept.path));
        });
        if (insideByPath || isWithinKept(path, identities))
            continue;
        roots.push_back(candidate);
        identities.push_back(*identity);
    }
    return roots;
}

std::vector<std::string> nestedRoots(const std::vector<WalkRoot>& roots, const std::string& root)
{
    std::vector<std::string> nested;
    const std::string cleanRoot = paths::standardized(root);
    for (const auto& other : roots) {
        const std::string cleanOther = paths::standardized(other.path);
        if (cleanOther != cleanRoot && paths::isSameOrInside(cleanOther, cleanRoot))
            nested.push_back(other.path);
    }
    return nested;
}
