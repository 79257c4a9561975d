#include "Platform/FileOperations.h"

#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FaultInjection.h"
#include "Platform/FileIdentity.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace fileops {

namespace {

// Deeper trees are left (and reported) rather than risk running out of descriptors:
// each level holds its folder open.
constexpr int kMaxRemovalDepth = 512;

int noReplaceRename(const Place& from, const Place& to)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 28))
    return ::renameat2(from.folder, from.name.c_str(), to.folder, to.name.c_str(), RENAME_NOREPLACE);
#else
    return int(::syscall(SYS_renameat2, from.folder, from.name.c_str(), to.folder, to.name.c_str(), RENAME_NOREPLACE));
#endif
}

// The flag is missing (old kernel) or the file system does not support it.
bool flagUnsupported(int err) { return err == EINVAL || err == ENOSYS || err == EOPNOTSUPP; }

// The file system cannot give a file a second name.
bool linksUnsupported(int err) { return err == EPERM || err == EOPNOTSUPP || err == EMLINK; }

// A move for file systems without the no-replace flag. A placeholder made with an
// exclusive create reserves the target, so the rename can only replace our own empty
// placeholder, never someone's data.
Status moveWithoutFlag(const Place& from, const Place& to)
{
    const auto st = stat(from);
    if (!st)
        return st.status();
    if (S_ISDIR(st->st_mode)) {
        if (const Status made = makeFolder(to, 0700); !made)
            return made;
        const Status moved = statusOf(::renameat(from.folder, from.name.c_str(), to.folder, to.name.c_str()));
        if (!moved)
            ::unlinkat(to.folder, to.name.c_str(), AT_REMOVEDIR);
        return moved;
    }

    int err = fault::check(fault::Op::link, to.path);
    if (err == 0) // links are not followed
        err = ::linkat(from.folder, from.name.c_str(), to.folder, to.name.c_str(), 0) == 0 ? 0 : errno;
    if (err == 0) {
        if (const Status unlinked = removeFile(from); !unlinked) {
            ::unlinkat(to.folder, to.name.c_str(), 0); // the data still lives under its old name
            return unlinked;
        }
        return {};
    }
    if (!linksUnsupported(err))
        return Failure{err};

    const int fd = ::openat(to.folder, to.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    ::close(fd);
    const Status moved = statusOf(::renameat(from.folder, from.name.c_str(), to.folder, to.name.c_str()));
    if (!moved)
        ::unlinkat(to.folder, to.name.c_str(), 0);
    return moved;
}

// The root of a mount, even of the same file system mounted a second time (a bind
// mount), which shows the same device as its parent. False where the kernel does not tell.
bool isMountRoot(int dirFd, const char* name, int flags)
{
    struct statx stx;
    if (::statx(dirFd, name, flags | AT_NO_AUTOMOUNT, 0, &stx) != 0)
        return false;
    return (stx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (stx.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

// `device` is the file system of the folder that holds the item: a folder on another
// one is a mount (a share, a disk) and no part of what is being removed.
Removal removeAt(const Place& place, dev_t device, int depth, const std::optional<FileStamp>& expected)
{
    if (depth > kMaxRemovalDepth)
        return {Failure{ELOOP}};
    const auto st = stat(place);
    if (!st)
        return {st.error() == ENOENT ? Status() : st.status()};
    if (expected && !expected->isSameObject(stampOf(*st)))
        return {Failure{ESTALE}};
    if (!S_ISDIR(st->st_mode)) {
        const Status removed = removeFile(place);
        if (!removed)
            return {removed.error() == ENOENT ? Status() : removed};
        // A file with another name left frees nothing yet.
        return {{}, 1, st->st_nlink == 1 ? allocatedBytes(*st) : 0};
    }
    if (st->st_dev != device)
        return {Failure{EXDEV}};

    auto folder = openFolder(place);
    if (!folder) {
        // Replaced by a link or a file since the stat: remove that, as what it is now.
        if (folder.error() == ELOOP || folder.error() == ENOTDIR)
            return removeAt(place, device, depth + 1, expected);
        return {folder.error() == ENOENT ? Status() : folder.status()};
    }
    // Checked on what was opened, so a mount swapped in after the stat is seen too.
    struct stat opened;
    if (::fstat(folder->get(), &opened) != 0)
        return {lastError()};
    if (opened.st_dev != device || isMountRoot(folder->get(), "", AT_EMPTY_PATH))
        return {Failure{EXDEV}};
    if (expected && !expected->isSameObject(stampOf(opened)))
        return {Failure{ESTALE}};

    Removal removal;
    const auto children = listChildren(folder->get(), place.path);
    if (!children)
        return {children.status()};
    for (const auto& name : *children) {
        const Removal child = removeAt(childOf(folder->get(), place.path, name), device, depth + 1, std::nullopt);
        removal.removedEntries += child.removedEntries;
        removal.freedBytes += child.freedBytes;
        if (!child.status && removal.status)
            removal.status = child.status;
    }
    folder->reset();
    if (!removal.status)
        return removal;
    if (const Status removed = removeEmptyFolder(place); !removed && removed.error() != ENOENT) {
        removal.status = removed;
    } else {
        ++removal.removedEntries;
        removal.freedBytes += allocatedBytes(opened); // a folder's own blocks go with it
    }
    return removal;
}

} // namespace

Place childOf(int folder, const std::string& folderPath, const std::string& name)
{
    return {folder, name, paths::join(folderPath, name)};
}

Result<struct stat> stat(const Place& place)
{
    if (const int err = fault::check(fault::Op::stat, place.path))
        return Failure{err};
    struct stat st;
    if (::fstatat(place.folder, place.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return lastError();
    return st;
}

Result<UniqueFd> openFolder(const Place& place)
{
    if (const int err = fault::check(fault::Op::openDirectory, place.path))
        return Failure{err};
    const int fd = ::openat(place.folder, place.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        struct stat st;
        // O_NOFOLLOW with O_DIRECTORY may word a link as ENOTDIR.
        if (err == ENOTDIR && ::fstatat(place.folder, place.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(st.st_mode))
            return Failure{ELOOP};
        return Failure{err};
    }
    return UniqueFd(fd);
}

Result<std::vector<std::string>> listChildren(int folder, const std::string& folderPath)
{
    auto children = DirectoryWalker::listOpened(folder, folderPath);
    if (!children)
        return children.status();
    std::vector<std::string> names;
    names.reserve(children->size());
    for (auto& child : *children)
        names.push_back(std::move(child.name));
    return names;
}

Status moveNoReplace(const Place& from, const Place& to)
{
    if (const int err = fault::check(fault::Op::rename, from.path))
        return Failure{err};
    if (const int err = fault::check(fault::Op::rename, to.path))
        return Failure{err};
    int err = fault::check(fault::Op::renameNoReplace, to.path);
    if (err == 0)
        err = noReplaceRename(from, to) == 0 ? 0 : errno;
    if (err == 0)
        return {};
    if (!flagUnsupported(err))
        return Failure{err};
    // EINVAL also means "a folder into itself"; the fallback then fails the same way.
    return moveWithoutFlag(from, to);
}

Status makeFolder(const Place& place, mode_t mode)
{
    if (const int err = fault::check(fault::Op::makeDirectory, place.path))
        return Failure{err};
    return statusOf(::mkdirat(place.folder, place.name.c_str(), mode));
}

Status createFileExclusive(const Place& place, const std::string& content, mode_t mode)
{
    if (const int err = fault::check(fault::Op::writeFile, place.path))
        return Failure{err};
    const int fd =
        ::openat(place.folder, place.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return lastError();
    std::size_t written = 0;
    int err = 0;
    while (written < content.size() && err == 0) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            err = n < 0 ? errno : EIO;
        else
            written += std::size_t(n);
    }
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        ::unlinkat(place.folder, place.name.c_str(), 0); // half a file is no reservation
        return Failure{err};
    }
    return {};
}

Status removeFile(const Place& place)
{
    if (const int err = fault::check(fault::Op::remove, place.path))
        return Failure{err};
    return statusOf(::unlinkat(place.folder, place.name.c_str(), 0));
}

Status removeEmptyFolder(const Place& place)
{
    if (const int err = fault::check(fault::Op::remove, place.path))
        return Failure{err};
    return statusOf(::unlinkat(place.folder, place.name.c_str(), AT_REMOVEDIR));
}

Removal removeTree(const Place& place, const std::optional<FileStamp>& expected)
{
    if (place.name.empty() || place.name == "." || place.name == ".." || place.name.find('/') != std::string::npos)
        return {Failure{EINVAL}};
    struct stat parent;
    if (::fstat(place.folder, &parent) != 0)
        return {lastError()};
    return removeAt(place, parent.st_dev, 0, expected);
}

bool isMountPoint(const Place& place)
{
    struct stat parent;
    struct stat st;
    if (::fstat(place.folder, &parent) != 0 ||
        ::fstatat(place.folder, place.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        return false;
    return st.st_dev != parent.st_dev || isMountRoot(place.folder, place.name.c_str(), AT_SYMLINK_NOFOLLOW);
}

Result<struct stat> statNoFollow(const std::string& path)
{
    if (const int err = fault::check(fault::Op::stat, path))
        return Failure{err};
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return lastError();
    return st;
}

bool exists(const std::string& path) { return statNoFollow(path).ok(); }

bool isFolder(const std::string& path)
{
    const auto st = statNoFollow(path);
    return st && S_ISDIR(st->st_mode);
}

Result<std::vector<std::string>> listChildren(const std::string& folder)
{
    if (const int err = fault::check(fault::Op::openDirectory, folder))
        return Failure{err};
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    const UniqueFd opened(fd);
    return listChildren(opened.get(), folder);
}

} // namespace fileops
