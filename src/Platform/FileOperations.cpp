#include "Platform/FileOperations.h"

#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FaultInjection.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace fileops {

namespace {

int noReplaceRename(const char* from, const char* to)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 28))
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
#else
    return int(::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
#endif
}

// The flag is missing (old kernel) or the file system does not support it.
bool flagUnsupported(int err) { return err == EINVAL || err == ENOSYS || err == EOPNOTSUPP; }

// The file system cannot give a file a second name.
bool linksUnsupported(int err) { return err == EPERM || err == EOPNOTSUPP || err == EMLINK; }

// A move for file systems without the no-replace flag. A placeholder made with an
// exclusive create reserves the target, so the rename can only replace our own
// empty placeholder, never someone's data.
int moveWithoutFlag(const std::string& from, const std::string& to)
{
    const auto st = statNoFollow(from);
    if (!st)
        return errno;
    if (S_ISDIR(st->st_mode)) {
        if (const int err = fault::check(fault::Op::makeDirectory, to))
            return err;
        if (::mkdir(to.c_str(), 0700) != 0)
            return errno;
        if (::rename(from.c_str(), to.c_str()) == 0)
            return 0;
        const int err = errno;
        ::rmdir(to.c_str());
        return err;
    }

    int err = fault::check(fault::Op::link, to);
    if (err == 0)
        err = ::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) == 0 ? 0 : errno; // links are not followed
    if (err == 0) {
        if (const int unlinkErr = removeFile(from)) {
            ::unlink(to.c_str()); // the data still lives under its old name
            return unlinkErr;
        }
        return 0;
    }
    if (!linksUnsupported(err))
        return err;

    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    ::close(fd);
    if (::rename(from.c_str(), to.c_str()) == 0)
        return 0;
    err = errno;
    ::unlink(to.c_str());
    return err;
}

// The root of a mount, even of the same file system mounted a second time (a bind mount),
// which shows the same device as its parent. False where the kernel does not tell.
bool isMountRoot(int dirFd, const std::string& name)
{
    struct statx stx;
    if (::statx(dirFd, name.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, 0, &stx) != 0)
        return false;
    return (stx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (stx.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

bool isDotOrDotDot(const char* name) { return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)); }

int removeAt(int dirFd, const std::string& name, const std::string& path, int depth, dev_t device);

int removeChildrenOf(int folderFd, const std::string& path, int depth, dev_t device)
{
    const int dupFd = fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (dupFd < 0)
        return errno;
    DIR* dir = fdopendir(dupFd);
    if (!dir) {
        const int err = errno;
        ::close(dupFd);
        return err;
    }
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir))
        if (!isDotOrDotDot(entry->d_name))
            names.emplace_back(entry->d_name);
    closedir(dir);

    int firstError = 0;
    for (const auto& name : names) {
        const int err = removeAt(folderFd, name, paths::join(path, name), depth + 1, device);
        if (err && !firstError)
            firstError = err;
    }
    return firstError;
}

// `device` is the file system of the folder that holds the item: a folder on another
// one is a mount (a share, a disk) and no part of what is being removed.
int removeAt(int dirFd, const std::string& name, const std::string& path, int depth, dev_t device)
{
    if (depth > 4096)
        return ELOOP;
    if (const int err = fault::check(fault::Op::stat, path))
        return err;
    struct stat st;
    if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? 0 : errno;

    if (!S_ISDIR(st.st_mode)) {
        if (const int err = fault::check(fault::Op::remove, path))
            return err;
        return ::unlinkat(dirFd, name.c_str(), 0) == 0 || errno == ENOENT ? 0 : errno;
    }

    if (st.st_dev != device || isMountRoot(dirFd, name))
        return EXDEV;
    if (const int err = fault::check(fault::Op::openDirectory, path))
        return err;
    const int folderFd = ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd < 0) {
        // Replaced by a link or a file since the stat: remove that, as what it is now.
        if (errno == ELOOP || errno == ENOTDIR)
            return removeAt(dirFd, name, path, depth + 1, device);
        return errno;
    }
    int firstError = removeChildrenOf(folderFd, path, depth, device);
    ::close(folderFd);

    if (const int err = fault::check(fault::Op::remove, path))
        return firstError ? firstError : err;
    if (::unlinkat(dirFd, name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT && !firstError)
        firstError = errno;
    return firstError;
}

} // namespace

std::optional<struct stat> statNoFollow(const std::string& path)
{
    if (const int err = fault::check(fault::Op::stat, path)) {
        errno = err;
        return std::nullopt;
    }
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return std::nullopt;
    return st;
}

bool exists(const std::string& path) { return statNoFollow(path).has_value(); }

bool isFolder(const std::string& path)
{
    const auto st = statNoFollow(path);
    return st && S_ISDIR(st->st_mode);
}

int makeDirectories(const std::string& path, mode_t mode)
{
    if (isFolder(path))
        return 0;
    const std::string parent = paths::parent(path);
    if (parent != path && parent != "." && !isFolder(parent))
        if (const int err = makeDirectories(parent, mode))
            return err;
    if (const int err = fault::check(fault::Op::makeDirectory, path))
        return err;
    if (::mkdir(path.c_str(), mode) == 0)
        return 0;
    const int err = errno;
    return err == EEXIST && isFolder(path) ? 0 : err; // another process may have made it meanwhile
}

int moveNoReplace(const std::string& from, const std::string& to)
{
    if (const int err = fault::check(fault::Op::rename, from))
        return err;
    if (const int err = fault::check(fault::Op::rename, to))
        return err;
    int err = fault::check(fault::Op::renameNoReplace, to);
    if (err == 0)
        err = noReplaceRename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
    if (err == 0 || !flagUnsupported(err))
        return err;
    // EINVAL also means "a folder into itself"; the fallback then fails the same way.
    return moveWithoutFlag(from, to);
}

int removeItem(const std::string& path)
{
    const std::string parent = paths::parent(path);
    const std::string name = paths::lastComponent(path);
    if (name.empty() || name == "/" || name == "." || name == "..")
        return EINVAL;
    const int parentFd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0)
        return errno;
    struct stat st;
    struct stat parentSt;
    if (::fstatat(parentFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || ::fstat(parentFd, &parentSt) != 0) {
        const int err = errno;
        ::close(parentFd);
        return err;
    }
    const int err = removeAt(parentFd, name, path, 0, parentSt.st_dev);
    ::close(parentFd);
    return err;
}

int removeEmptyFolder(const std::string& path)
{
    if (const int err = fault::check(fault::Op::remove, path))
        return err;
    return ::rmdir(path.c_str()) == 0 ? 0 : errno;
}

int removeFile(const std::string& path)
{
    if (const int err = fault::check(fault::Op::remove, path))
        return err;
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

bool listChildren(const std::string& folder, std::vector<std::string>& names)
{
    names.clear();
    std::vector<DirectoryWalker::Child> children;
    if (!DirectoryWalker::list(folder, children, true))
        return false;
    for (auto& child : children)
        names.push_back(std::move(child.name));
    return true;
}

int createFileExclusive(const std::string& path, const std::string& content, mode_t mode)
{
    if (const int err = fault::check(fault::Op::writeFile, path))
        return err;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return errno;
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(path.c_str());
            return err;
        }
        written += std::size_t(n);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(path.c_str());
        return err;
    }
    return 0;
}

} // namespace fileops
