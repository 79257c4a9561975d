#include "Platform/PrivateFolder.h"

#include "Models/Paths.h"
#include "Models/TextLines.h"
#include "Platform/Beneath.h"
#include "Platform/OwnedPath.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

Result<UniqueFd> PrivateFolder::open(bool create) const
{
    if (const Status above = owned::checkFoldersAbove(root); !above)
        return above;
    auto rootFolder = beneath::openRoot(root);
    if (!rootFolder)
        return rootFolder.status();
    if (below.empty()) {
        struct stat st;
        if (::fstat(rootFolder->get(), &st) != 0)
            return lastError();
        if (const Status mine = owned::checkPrivate(st); !mine)
            return mine;
        return std::move(*rootFolder);
    }
    // Each folder from the root down is ours alone: one another user could write would
    // let them swap what lies below it.
    std::vector<std::string> parts;
    for (const auto& part : text::split(below, '/'))
        if (!part.empty())
            parts.emplace_back(part);
    std::string reached;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        reached = i == 0 ? parts[i] : paths::join(reached, parts[i]);
        const Path at = paths::join(root, reached);
        auto folder = create ? beneath::makeFolders(rootFolder->get(), reached, at, 0700)
                             : beneath::openFolder(rootFolder->get(), reached, at);
        if (!folder)
            return folder.status();
        struct stat st;
        if (::fstat(folder->get(), &st) != 0)
            return lastError();
        if (const Status mine = owned::checkPrivate(st); !mine)
            return mine;
        if (i + 1 < parts.size())
            continue;
        if ((st.st_mode & 077) != 0 && ::fchmod(folder->get(), 0700) != 0)
            return lastError();
        return folder;
    }
    return Failure{EINVAL};
}

std::string PrivateFolder::path() const { return below.empty() ? root : paths::join(root, below); }

PrivateFolder userStateFolder(const Path& accountHome)
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (!state || state[0] != '/')
        return stateFolderInside(accountHome);
    // The nearest folder that exists is the root; what is missing below it gets made.
    Path root = paths::standardized(state);
    std::string below = "quillmere";
    struct stat st;
    while (root != "/" && (::stat(root.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))) {
        below = paths::join(paths::lastComponent(root), below);
        root = paths::parent(root);
    }
    return {root, below};
}

PrivateFolder stateFolderInside(const Path& home) { return {home, ".local/state/quillmere"}; }
