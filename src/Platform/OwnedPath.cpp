#include "Platform/OwnedPath.h"

#include "Models/Paths.h"
#include "Platform/FaultInjection.h"

#include <cstring>
#include <unistd.h>

namespace owned {

namespace {

bool isWritableByOthers(mode_t mode) { return (mode & (S_IWGRP | S_IWOTH)) != 0; }

} // namespace

Status checkPrivate(const struct stat& st)
{
    if (st.st_uid != ::geteuid())
        return Failure{kOtherOwner};
    if (isWritableByOthers(st.st_mode))
        return Failure{kWritableByOthers};
    return {};
}

Status checkFoldersAbove(const URL& path)
{
    for (URL current = paths::standardized(path);; current = paths::parent(current)) {
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
        if (isWritableByOthers(st.st_mode) && (st.st_mode & S_ISVTX) == 0)
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
