#include "Platform/Beneath.h"

#include "Models/Paths.h"
#include "Platform/FaultInjection.h"
#include "Platform/MountTable.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace beneath {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::vector<std::string_view> componentsOf(std::string_view relative)
{
    std::vector<std::string_view> components;
    while (!relative.empty()) {
        const auto slash = relative.find('/');
        components.push_back(relative.substr(0, slash));
        relative = slash == std::string_view::npos ? std::string_view() : relative.substr(slash + 1);
    }
    return components;
}

bool isPlainName(std::string_view name) { return !name.empty() && name != "." && name != ".."; }

// A link met where a folder was expected is reported as ELOOP whichever way the kernel
// words it (O_NOFOLLOW with O_DIRECTORY may say ENOTDIR).
int folderOpenError(int dirFd, const std::string& name, int err)
{
    struct stat st;
    if (err == ENOTDIR && ::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
        return ELOOP;
    return err;
}

Result<UniqueFd> openComponent(int dirFd, const std::string& name)
{
    const int fd = ::openat(dirFd, name.c_str(), kFolderFlags);
    if (fd < 0)
        return Failure{folderOpenError(dirFd, name, errno)};
    return UniqueFd(fd);
}

// One component at a time, each opened without following a link.
Result<UniqueFd> walkDown(int rootFd, std::string_view relative, bool create, mode_t mode)
{
    const int first = ::fcntl(rootFd, F_DUPFD_CLOEXEC, 0);
    if (first < 0)
        return lastError();
    UniqueFd current(first);
    for (const std::string_view component : componentsOf(relative)) {
        if (!isPlainName(component))
            return Failure{EXDEV}; // ".." would climb out of the root
        const std::string name(component);
        auto next = openComponent(current.get(), name);
        if (!next && next.error() == ENOENT && create) {
            if (::mkdirat(current.get(), name.c_str(), mode) != 0 && errno != EEXIST)
                return lastError();
            next = openComponent(current.get(), name); // made by us or by someone just now: checked alike
        }
        if (!next)
            return next.status();
        current = std::move(*next);
    }
    return current;
}

// The kernel's own resolution; nullopt where this kernel does not have it.
std::optional<Result<UniqueFd>> kernelOpenBeneath(int rootFd, std::string_view relative, const std::string& path)
{
    if (const int err = fault::check(fault::Op::openBeneath, path))
        return err == ENOSYS ? std::nullopt : std::optional<Result<UniqueFd>>(Failure{err});
#ifdef SYS_openat2
    open_how how{};
    how.flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    const std::string target = relative.empty() ? std::string(".") : std::string(relative);
    const long fd = ::syscall(SYS_openat2, rootFd, target.c_str(), &how, sizeof how);
    if (fd >= 0)
        return Result<UniqueFd>(UniqueFd(int(fd)));
    if (errno == ENOSYS || errno == E2BIG || errno == EPERM) // EPERM: refused by a seccomp filter
        return std::nullopt;
    return Result<UniqueFd>(lastError());
#else
    (void)rootFd;
    (void)relative;
    return std::nullopt;
#endif
}

} // namespace

std::optional<std::string> relativePath(std::string_view root, std::string_view path)
{
    if (!paths::isSameOrInside(path, root))
        return std::nullopt;
    std::string_view rest = path.substr(root.size());
    while (!rest.empty() && rest.front() == '/')
        rest.remove_prefix(1);
    while (!rest.empty() && rest.back() == '/')
        rest.remove_suffix(1);
    for (const std::string_view component : componentsOf(rest))
        if (!isPlainName(component))
            return std::nullopt;
    return std::string(rest);
}

Result<UniqueFd> openRoot(const std::string& root)
{
    if (const int err = fault::check(fault::Op::openDirectory, root))
        return Failure{err};
    const int fd = ::open(root.c_str(), kFolderFlags);
    if (fd < 0)
        return Failure{folderOpenError(AT_FDCWD, root, errno)};
    return UniqueFd(fd);
}

Result<UniqueFd> openFolder(int rootFd, std::string_view relative, const std::string& pathForChecks)
{
    if (auto opened = kernelOpenBeneath(rootFd, relative, pathForChecks))
        return std::move(*opened);
    return walkDown(rootFd, relative, false, 0);
}

Result<UniqueFd> makeFolders(int rootFd, std::string_view relative, const std::string& pathForChecks, mode_t mode)
{
    if (auto opened = openFolder(rootFd, relative, pathForChecks); opened || opened.error() != ENOENT)
        return opened;
    if (const int err = fault::check(fault::Op::makeDirectory, pathForChecks))
        return Failure{err};
    return walkDown(rootFd, relative, true, mode);
}

Result<Location> locate(int rootFd, const std::string& root, const std::string& path)
{
    const auto relative = relativePath(root, path);
    if (!relative || relative->empty())
        return Failure{EXDEV};
    const auto slash = relative->rfind('/');
    const std::string parentRelative = slash == std::string::npos ? std::string() : relative->substr(0, slash);
    auto parent = openFolder(rootFd, parentRelative, paths::parent(path));
    if (!parent)
        return parent.status();
    return Location{std::move(*parent), slash == std::string::npos ? *relative : relative->substr(slash + 1), path};
}

namespace {

// Where the walk to `path` starts: the root opened, and the part below it. EXDEV when the
// path lies outside the root or on a mount below it.
Result<std::pair<UniqueFd, std::string>> startInside(const std::string& root, const std::string& path)
{
    auto relative = relativePath(root, path);
    if (!relative || mounts::crossesMountBelow(root, path))
        return Failure{EXDEV};
    auto opened = openRoot(root);
    if (!opened)
        return opened.status();
    return std::pair(std::move(*opened), std::move(*relative));
}

} // namespace

Result<UniqueFd> openInside(const std::string& root, const std::string& path)
{
    if (const int err = fault::check(fault::Op::openDirectory, path))
        return Failure{err};
    auto start = startInside(root, path);
    if (!start)
        return start.status();
    return openFolder(start->first.get(), start->second, path);
}

Result<struct stat> statInside(const std::string& root, const std::string& path)
{
    if (const int err = fault::check(fault::Op::stat, path))
        return Failure{err};
    auto start = startInside(root, path);
    if (!start)
        return start.status();
    struct stat st;
    if (start->second.empty())
        return ::fstat(start->first.get(), &st) == 0 ? Result<struct stat>(st) : Result<struct stat>(lastError());
    auto place = locate(start->first.get(), root, path);
    if (!place)
        return place.status();
    if (::fstatat(place->parent.get(), place->name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return lastError();
    return st;
}

const std::string* Roots::rootOf(const std::string& path)
{
    const std::string* root = nullptr;
    for (const std::string& candidate : roots_)
        if (paths::isSameOrInside(path, candidate) && (!root || candidate.size() > root->size()))
            root = &candidate;
    return root;
}

Result<UniqueFd>& Roots::opened(const std::string& root)
{
    auto folder = folders_.find(root);
    if (folder == folders_.end())
        folder = folders_.emplace(root, openRoot(root)).first;
    return folder->second;
}

Result<Location> Roots::locate(const std::string& path)
{
    const std::string* root = rootOf(path);
    if (!root)
        return Failure{EXDEV};
    const auto& folder = opened(*root);
    if (!folder)
        return folder.status();
    return beneath::locate(folder->get(), *root, path);
}

Result<UniqueFd> Roots::makeFolders(const std::string& path, mode_t mode)
{
    const std::string* root = rootOf(path);
    const auto relative = root ? relativePath(*root, path) : std::nullopt;
    if (!relative)
        return Failure{EXDEV};
    const auto& folder = opened(*root);
    if (!folder)
        return folder.status();
    return beneath::makeFolders(folder->get(), *relative, path, mode);
}

} // namespace beneath
