#include "Platform/OwnedPath.h"

#include "Models/Paths.h"
#include "Platform/FaultInjection.h"

#include <cstring>
#include <grp.h>
#include <unistd.h>
#include <vector>

namespace owned {

namespace {

// Where each account has a group of its own (the usual umask 002 set-up), a group-writable
// folder is writable by its owner alone: only a group with other members counts.
bool isPrivateGroup(gid_t gid)
{
    if (gid != ::getegid())
        return false;
    std::vector<char> buffer(16384);
    struct group entry {};
    struct group* found = nullptr;
    if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return false;
    return found->gr_mem == nullptr || found->gr_mem[0] == nullptr;
}

bool isWritableByOthers(const struct stat& st)
{
    if (st.st_mode & S_IWOTH)
        return true;
    return (st.st_mode & S_IWGRP) != 0 && !isPrivateGroup(st.st_gid);
}

} // namespace

Status checkPrivate(const struct stat& st)
{
    if (st.st_uid != ::geteuid())
        return Failure{kOtherOwner};
    if (isWritableByOthers(st))
        return Failure{kWritableByOthers};
    return {};
}

Result<struct stat> checkPrivateFile(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return lastError();
    if (!S_ISREG(st.st_mode))
        return Failure{EINVAL};
    if (const Status mine = checkPrivate(st); !mine)
        return mine;
    return st;
}

Status checkFoldersAbove(const Path& path)
{
    for (Path current = paths::standardized(path);; current = paths::parent(current)) {
        if (const int err = fault::check(fault::Op::stat, current))
            return Failure{err};
        struct stat st;
        // A link on the way is judged by the folder it leads to: the folders holding the
        // link are checked on their own turn.
        if (::stat(current.c_str(), &st) != 0)
            return lastError();
        if (!S_ISDIR(st.st_mode))
            return Failure{ENOTDIR};
        if (st.st_uid != ::geteuid() && st.st_uid != 0)
            return Failure{kUnsafeParent};
        if (isWritableByOthers(st) && (st.st_mode & S_ISVTX) == 0)
            return Failure{kUnsafeParent};
        if (current == "/")
            return {};
    }
}

std::string refusalText(int error)
{
    switch (error) {
    case kOtherOwner:
        return "it belongs to another user";
    case kWritableByOthers:
        return "other users may write it (remove their write permission: chmod go-w)";
    case kUnsafeParent:
        return "a folder above it belongs to another user or other users may write it";
    default:
        return std::strerror(error);
    }
}

} // namespace owned
