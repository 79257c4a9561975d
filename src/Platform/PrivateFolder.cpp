#include "Platform/PrivateFolder.h"

#include "Models/Paths.h"
#include "Platform/Beneath.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

Result<UniqueFd> PrivateFolder::open() const
{
    const auto rootFolder = beneath::openRoot(root);
    if (!rootFolder)
        return rootFolder.status();
    auto folder = beneath::makeFolders(rootFolder->get(), below, path(), 0700);
    if (!folder || below.empty())
        return folder;
    struct stat st;
    if (::fstat(folder->get(), &st) != 0)
        return lastError();
    if (st.st_uid == ::getuid() && (st.st_mode & 077) != 0 && ::fchmod(folder->get(), 0700) != 0)
        return lastError();
    return folder;
}

std::string PrivateFolder::path() const { return below.empty() ? root : paths::join(root, below); }

PrivateFolder userStateFolder(const URL& accountHome)
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (!state || state[0] != '/')
        return stateFolderInside(accountHome);
    // The nearest folder that exists is the root; what is missing below it gets made.
    URL root = paths::standardized(state);
    std::string below = "quillmere";
    struct stat st;
    while (root != "/" && (::stat(root.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))) {
        below = paths::join(paths::lastComponent(root), below);
        root = paths::parent(root);
    }
    return {root, below};
}

PrivateFolder stateFolderInside(const URL& home) { return {home, ".local/state/quillmere"}; }
