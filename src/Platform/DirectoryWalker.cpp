#include "Platform/DirectoryWalker.h"

#include "Models/Paths.h"
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

bool DirectoryWalker::walk(const std::string& root, const Options& options, const Visitor& visitor)
{
    const int rootFd = openFolder(AT_FDCWD, root.c_str(), root);
    if (rootFd < 0)
        return false;
    walkFrom(rootFd, root, options, visitor);
    return true;
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

bool DirectoryWalker::walkRegularFiles(const std::string& root, const Options& options, int maxLevel,
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

bool DirectoryWalker::list(const std::string& folder, std::vector<Child>& out, bool includeHidden)
{
    out.clear();
    const int fd = openFolder(AT_FDCWD, folder.c_str(), folder);
    if (fd < 0)
        return false;
    std::vector<FolderReadahead::Child> children;
    FolderReadahead::list(fd, children);
    // A file system mounted here is not part of the folder.
    const std::vector<std::string> mountPoints = mounts::mountPointsBelow(fd);
    close(fd);
    for (auto& child : children) {
        if (!includeHidden && child.name[0] == '.')
            continue;
        if (std::find(mountPoints.begin(), mountPoints.end(), child.name) != mountPoints.end())
            continue;
        out.push_back({std::move(child.name), child.kind});
    }
    return true;
}

std::optional<DirectoryWalker::Kind> kindAtPath(const std::string& path)
{
    struct stat st;
    if (fault::check(fault::Op::stat, path) != 0 || lstat(path.c_str(), &st) != 0)
        return std::nullopt;
    return DirectoryWalker::kindOfMode(st.st_mode);
}
