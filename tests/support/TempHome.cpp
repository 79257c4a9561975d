#include "support/TempHome.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {
void check(bool ok, const std::string& what)
{
    if (!ok)
        throw std::runtime_error(what + ": " + std::strerror(errno));
}
} // namespace

TempHome::TempHome()
{
    std::string pattern = "/var/tmp/quillmere-test-XXXXXX";
    check(mkdtemp(pattern.data()) != nullptr, "mkdtemp");
    root_ = pattern;
}

namespace {

// Removes a tree of any depth holding one descriptor at a time: down into the first
// folder found, back up through ".." once a folder is empty. Gives up at the first
// entry it cannot remove (the caller's remove_all then reports it).
void removeTreeOfAnyDepth(const std::string& root)
{
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    std::vector<std::string> names; // of the folders entered below root
    while (fd >= 0) {
        DIR* dir = fdopendir(::dup(fd));
        std::string child;
        bool childIsFolder = false;
        while (dirent* entry = dir ? readdir(dir) : nullptr) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            struct stat st;
            child = name;
            childIsFolder = ::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
            break;
        }
        if (dir)
            closedir(dir);
        if (!child.empty() && childIsFolder) {
            const int sub = ::openat(fd, child.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            ::close(fd);
            fd = sub;
            names.push_back(child);
        } else if (!child.empty()) {
            if (::unlinkat(fd, child.c_str(), 0) != 0)
                break;
        } else {
            if (names.empty())
                break;
            const int parent = ::openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ::close(fd);
            fd = parent;
            if (fd < 0 || ::unlinkat(fd, names.back().c_str(), AT_REMOVEDIR) != 0)
                break;
            names.pop_back();
        }
    }
    if (fd >= 0)
        ::close(fd);
}

} // namespace

TempHome::~TempHome()
{
    if (hasDeepChains_)
        removeTreeOfAnyDepth(root_);
    std::error_code ec;
    fs::remove_all(root_, ec); // remove_all never follows links
}

void TempHome::deepChain(const std::string& relative, int depth) const
{
    hasDeepChains_ = true;
    int fd = ::open(mkdir(relative).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < depth && fd >= 0; ++level) {
        check(::mkdirat(fd, "d", 0755) == 0, "mkdirat");
        const int sub = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = sub;
    }
    check(fd >= 0, "deep chain");
    ::close(fd);
}

std::string TempHome::at(const std::string& relative) const
{
    return relative.empty() ? root_ : root_ + "/" + relative;
}

std::string TempHome::mkdir(const std::string& relative) const
{
    fs::create_directories(at(relative));
    return at(relative);
}

static void makeParent(const std::string& path) { fs::create_directories(fs::path(path).parent_path()); }

std::string TempHome::file(const std::string& relative, std::int64_t logicalSize, char fill) const
{
    const std::string path = at(relative);
    makeParent(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    check(fd >= 0, "open " + path);
    std::string chunk(1 << 16, fill);
    std::int64_t left = logicalSize;
    while (left > 0) {
        const auto n = std::min<std::int64_t>(left, std::int64_t(chunk.size()));
        check(::write(fd, chunk.data(), std::size_t(n)) == n, "write " + path);
        left -= n;
    }
    ::close(fd);
    return path;
}

std::string TempHome::fileWithContent(const std::string& relative, const std::string& content) const
{
    const std::string path = at(relative);
    makeParent(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    return path;
}

std::string TempHome::allocatedFile(const std::string& relative, std::int64_t logicalSize) const
{
    const std::string path = at(relative);
    makeParent(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    check(fd >= 0, "open " + path);
    if (logicalSize > 0)
        check(::posix_fallocate(fd, 0, logicalSize) == 0, "fallocate " + path);
    ::close(fd);
    return path;
}

std::int64_t TempHome::occupy(const std::string& folder, std::int64_t bytes) const
{
    constexpr std::int64_t kPiece = 8 << 20;
    mkdir(folder);
    std::int64_t occupied = 0;
    for (int index = 0; bytes > 0; ++index) {
        const std::int64_t piece = std::min(bytes, kPiece);
        char name[32];
        std::snprintf(name, sizeof name, "/blob-%03d", index);
        allocatedFile(folder + name, piece);
        occupied += allocated(folder + name);
        bytes -= piece;
    }
    return occupied;
}

std::string TempHome::sparseFile(const std::string& relative, std::int64_t logicalSize) const
{
    const std::string path = at(relative);
    makeParent(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    check(fd >= 0, "open " + path);
    check(::ftruncate(fd, logicalSize) == 0, "ftruncate " + path);
    ::close(fd);
    return path;
}

std::string TempHome::symlink(const std::string& relative, const std::string& target) const
{
    const std::string path = at(relative);
    makeParent(path);
    check(::symlink(target.c_str(), path.c_str()) == 0, "symlink " + path);
    return path;
}

std::string TempHome::hardlink(const std::string& relative, const std::string& existingRelative) const
{
    const std::string path = at(relative);
    makeParent(path);
    check(::link(at(existingRelative).c_str(), path.c_str()) == 0, "link " + path);
    return path;
}

void TempHome::setModified(const std::string& relative, std::chrono::system_clock::time_point when) const
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
    timespec times[2];
    times[0].tv_sec = times[1].tv_sec = ns / 1'000'000'000;
    times[0].tv_nsec = times[1].tv_nsec = ns % 1'000'000'000;
    check(::utimensat(AT_FDCWD, at(relative).c_str(), times, AT_SYMLINK_NOFOLLOW) == 0, "utimensat");
}

void TempHome::setModifiedDaysAgo(const std::string& relative, double days) const
{
    const auto offset =
        std::chrono::duration_cast<std::chrono::system_clock::duration>(std::chrono::duration<double>(days * 86400.0));
    setModified(relative, std::chrono::system_clock::now() - offset);
}

std::int64_t TempHome::allocated(const std::string& relative) const
{
    struct stat st;
    check(::lstat(at(relative).c_str(), &st) == 0, "lstat");
    return std::int64_t(st.st_blocks) * 512;
}

std::string readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool withLocale(const char* name, const std::function<void()>& body)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, name))
        return false;
    body();
    std::setlocale(LC_ALL, previous.c_str());
    return true;
}
