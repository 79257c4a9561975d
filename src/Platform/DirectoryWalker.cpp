#include "Platform/DirectoryWalker.h"

#include "Models/Paths.h"
#include "Platform/FaultInjection.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

using Kind = DirectoryWalker::Kind;

Kind kindFromMode(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::regular;
    if (S_ISDIR(mode))
        return Kind::directory;
    if (S_ISLNK(mode))
        return Kind::symlink;
    return Kind::other;
}

struct RawChild {
    std::string name;
    Kind kind;
};

// Reads every child of an open directory. Takes ownership of fd only through the DIR.
bool readChildren(int dirFd, std::vector<RawChild>& out)
{
    const int dupFd = fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    if (dupFd < 0)
        return false;
    DIR* dir = fdopendir(dupFd);
    if (!dir) {
        close(dupFd);
        return false;
    }
    out.clear();
    while (dirent* ent = readdir(dir)) {
        const char* name = ent->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        Kind kind;
        switch (ent->d_type) {
        case DT_REG:
            kind = Kind::regular;
            break;
        case DT_DIR:
            kind = Kind::directory;
            break;
        case DT_LNK:
            kind = Kind::symlink;
            break;
        case DT_UNKNOWN: {
            // Some file systems do not fill d_type; ask, without following links.
            struct stat st;
            if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            kind = kindFromMode(st.st_mode);
            break;
        }
        default:
            kind = Kind::other;
            break;
        }
        out.push_back({name, kind});
    }
    closedir(dir);
    std::sort(out.begin(), out.end(), [](const RawChild& a, const RawChild& b) { return a.name < b.name; });
    return true;
}

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
    if (!statLoaded_) {
        statLoaded_ = true;
        statOk_ = fault::check(fault::Op::stat, path_) == 0 &&
                  fstatat(dirFd_, std::string(name_).c_str(), &stat_, AT_SYMLINK_NOFOLLOW) == 0;
    }
    return statOk_ ? &stat_ : nullptr;
}

bool DirectoryWalker::isPackageExtension(std::string_view ext)
{
    static constexpr std::array<std::string_view, 19> kPackages{
        "app",           "bundle",       "framework", "plugin",        "kext",   "xpc",       "appex",
        "photoslibrary", "musiclibrary", "fcpbundle", "imovielibrary", "logicx", "xcodeproj", "xcworkspace",
        "playground",    "rtfd",         "pages",     "numbers",       "key"};
    return std::find(kPackages.begin(), kPackages.end(), ext) != kPackages.end();
}

// Walks below `rootFd`, which it owns.
void DirectoryWalker::walkFrom(int rootFd, const std::string& root, const Options& options, const Visitor& visitor)
{
    struct Frame {
        int fd;
        std::vector<RawChild> children;
        std::size_t next = 0;
        std::size_t pathLength; // length of the folder's path inside `path`
    };

    std::string path = root;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    std::vector<Frame> stack;
    stack.push_back({rootFd, {}, 0, path.size()});
    readChildren(rootFd, stack.back().children);

    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next >= frame.children.size()) {
            close(frame.fd);
            stack.pop_back();
            continue;
        }
        const RawChild& child = frame.children[frame.next++];
        if (options.skipHidden && child.name[0] == '.')
            continue;

        path.resize(frame.pathLength);
        if (path != "/")
            path.push_back('/');
        path.append(child.name);

        Entry entry(path);
        entry.dirFd_ = frame.fd;
        entry.name_ = child.name;
        entry.level_ = int(stack.size());
        entry.kind_ = child.kind;

        const Visit visit = visitor(entry);
        if (visit == Visit::stop)
            break;
        if (visit == Visit::skipDescendants || child.kind != Kind::directory)
            continue;
        if (options.skipPackages && isPackageExtension(paths::lowercasedExtension(child.name)))
            continue;

        const int fd = openFolder(frame.fd, child.name.c_str(), path);
        if (fd < 0)
            continue; // unreadable or vanished: the walk goes on past it
        Frame sub{fd, {}, 0, path.size()};
        if (!readChildren(fd, sub.children)) {
            close(fd);
            continue;
        }
        stack.push_back(std::move(sub));
    }
    for (auto& frame : stack)
        close(frame.fd);
}

Status DirectoryWalker::walk(const std::string& root, const Options& options, const Visitor& visitor)
{
    const int rootFd = openFolder(AT_FDCWD, root.c_str(), root);
    if (rootFd < 0)
        return lastError();
    walkFrom(rootFd, root, options, visitor);
    return {};
}

void DirectoryWalker::walkOpened(int folderFd, const std::string& path, const Options& options, const Visitor& visitor)
{
    const int fd = fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (fd >= 0)
        walkFrom(fd, path, options, visitor);
}

Status DirectoryWalker::walkRegularFiles(const std::string& root, const Options& options, int maxLevel,
                                         const FileVisitor& visitor, const Pruner& prune)
{
    return walk(root, options, [&](const Entry& entry) {
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

Result<std::vector<DirectoryWalker::Child>> DirectoryWalker::list(const std::string& folder)
{
    const int fd = openFolder(AT_FDCWD, folder.c_str(), folder);
    if (fd < 0)
        return lastError();
    auto children = listOpened(fd, folder);
    close(fd);
    return children;
}

Result<std::vector<DirectoryWalker::Child>> DirectoryWalker::listOpened(int folderFd, const std::string&)
{
    std::vector<RawChild> raw;
    if (!readChildren(folderFd, raw))
        return lastError();
    std::vector<Child> out;
    out.reserve(raw.size());
    for (auto& child : raw)
        out.push_back({std::move(child.name), child.kind});
    return out;
}

std::optional<DirectoryWalker::Kind> kindAtPath(const std::string& path)
{
    struct stat st;
    if (fault::check(fault::Op::stat, path) != 0 || lstat(path.c_str(), &st) != 0)
        return std::nullopt;
    return kindFromMode(st.st_mode);
}
