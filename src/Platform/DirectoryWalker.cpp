#include "Platform/DirectoryWalker.h"

#include "Models/Paths.h"
#include "Platform/Beneath.h"
#include "Platform/FaultInjection.h"
#include "Platform/FolderReadahead.h"
#include "Platform/MountTable.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

using Kind = DirectoryWalker::Kind;

int openFolder(int parentFd, const char* name, const std::string& path)
{
    if (const int err = fault::check(fault::Op::openDirectory, path)) {
        errno = err;
        return -1;
    }
    return openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

const struct stat* DirectoryWalker::Entry::stat() const
{
    if (known_)
        return known_;
    if (!statLoaded_) {
        statLoaded_ = true;
        statOk_ = fault::check(fault::Op::stat, path_) == 0 &&
                  fstatat(dirFd_, std::string(name_).c_str(), &stat_, AT_SYMLINK_NOFOLLOW) == 0;
    }
    return statOk_ ? &stat_ : nullptr;
}

DirectoryWalker::Kind DirectoryWalker::kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::regular;
    if (S_ISDIR(mode))
        return Kind::directory;
    if (S_ISLNK(mode))
        return Kind::symlink;
    return Kind::other;
}

bool DirectoryWalker::isPackageExtension(std::string_view ext)
{
    static constexpr std::array<std::string_view, 19> kPackages{
        "app",           "bundle",       "framework", "plugin",        "kext",   "xpc",       "appex",
        "photoslibrary", "musiclibrary", "fcpbundle", "imovielibrary", "logicx", "xcodeproj", "xcworkspace",
        "playground",    "rtfd",         "pages",     "numbers",       "key"};
    return std::find(kPackages.begin(), kPackages.end(), ext) != kPackages.end();
}

// An opened root the caller closes.
Result<int> DirectoryWalker::openRoot(const std::string& root, std::string_view within)
{
    if (!within.empty()) {
        auto opened = beneath::openInside(std::string(within), root);
        return opened ? Result<int>(opened->release()) : Result<int>(opened.status());
    }
    const int fd = openFolder(AT_FDCWD, root.c_str(), root);
    return fd >= 0 ? Result<int>(fd) : Result<int>(lastError());
}

Status DirectoryWalker::walk(const std::string& root, const Options& options, const Visitor& visitor)
{
    const auto rootFd = openRoot(root, options.within);
    if (!rootFd)
        return rootFd.status();
    walkFrom(*rootFd, root, options, visitor);
    return {};
}

void DirectoryWalker::walkOpened(int folderFd, const std::string& path, const Options& options, const Visitor& visitor)
{
    const int fd = fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (fd >= 0)
        walkFrom(fd, path, options, visitor);
}

// Walks below `rootFd`, which it owns.
void DirectoryWalker::walkFrom(int rootFd, const std::string& root, const Options& options, const Visitor& visitor)
{
    using Listing = FolderReadahead::Listing;
    std::string path = root;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    FolderReadahead readahead(rootFd, path, options);
    std::vector<std::shared_ptr<Listing>> stack{readahead.root()};
    std::vector<std::size_t> next{0};

    while (!stack.empty()) {
        Listing& listing = *stack.back();
        if (next.back() >= listing.children.size()) {
            stack.pop_back();
            next.pop_back();
            continue;
        }
        const std::size_t index = next.back()++;
        readahead.advance(listing, index);
        const FolderReadahead::Child& child = listing.children[index];
        if ((options.skipHidden && child.name[0] == '.') || readahead.isMountPoint(listing, child))
            continue;

        path = listing.path;
        if (path != "/")
            path.push_back('/');
        path.append(child.name);

        Entry entry(path);
        entry.dirFd_ = listing.folder->fd;
        entry.name_ = child.name;
        entry.level_ = listing.level + 1;
        entry.kind_ = child.kind;
        if (child.attributes != FolderReadahead::kUnread) {
            entry.statLoaded_ = true;
            if (child.attributes >= 0)
                entry.known_ = &listing.attributes[std::size_t(child.attributes)];
        }

        const Visit visit = visitor(entry);
        if (visit == Visit::stop)
            break;
        if (child.kind != Kind::directory)
            continue;
        if (visit == Visit::skipDescendants || !readahead.mayEnter(listing, child)) {
            readahead.skip(listing, index);
            continue;
        }
        std::shared_ptr<Listing> sub = readahead.enter(listing, index);
        if (sub->listed) { // unreadable or vanished: the walk goes on past it
            stack.push_back(std::move(sub));
            next.push_back(0);
        }
    }
}

Status DirectoryWalker::walkRegularFiles(const std::string& root, const Options& options, int maxLevel,
                                         const FileVisitor& visitor, const Pruner& prune)
{
    Options withFiles = options;
    withFiles.maxLevel = std::min(options.maxLevel, maxLevel);
    withFiles.readFileAttributes = true;
    return walk(root, withFiles, [&](const Entry& entry) {
        if ((prune && prune(entry)) || entry.level() > maxLevel)
            return Visit::skipDescendants;
        if (entry.isDirectory())
            return entry.level() >= maxLevel ? Visit::skipDescendants : Visit::proceed;
        if (!entry.isRegularFile())
            return Visit::proceed;
        const struct stat* st = entry.stat();
        if (st && S_ISREG(st->st_mode))
            visitor(entry, *st);
        return Visit::proceed;
    });
}

Result<std::vector<DirectoryWalker::Child>> DirectoryWalker::list(const std::string& folder, std::string_view within)
{
    const auto fd = openRoot(folder, within);
    if (!fd)
        return fd.status();
    auto children = listOpened(*fd, folder);
    // A file system mounted here is not part of the folder.
    const std::vector<std::string> mountPoints = children ? mounts::mountPointsBelow(*fd) : std::vector<std::string>{};
    close(*fd);
    if (children && !mountPoints.empty())
        std::erase_if(*children, [&](const Child& child) {
            return std::find(mountPoints.begin(), mountPoints.end(), child.name) != mountPoints.end();
        });
    return children;
}

Result<std::vector<DirectoryWalker::Child>> DirectoryWalker::listOpened(int folderFd, const std::string&, Order order)
{
    std::vector<FolderReadahead::Child> children;
    if (const Status listed = FolderReadahead::list(folderFd, children, order == Order::byName); !listed)
        return listed;
    std::vector<Child> out;
    out.reserve(children.size());
    for (auto& child : children)
        out.push_back({std::move(child.name), child.kind});
    return out;
}

std::optional<DirectoryWalker::Kind> kindAtPath(const std::string& path, std::string_view within)
{
    if (!within.empty()) {
        const auto st = beneath::statInside(std::string(within), path);
        return st ? std::optional(DirectoryWalker::kindOfMode(st->st_mode)) : std::nullopt;
    }
    struct stat st;
    if (fault::check(fault::Op::stat, path) != 0 || lstat(path.c_str(), &st) != 0)
        return std::nullopt;
    return DirectoryWalker::kindOfMode(st.st_mode);
}
