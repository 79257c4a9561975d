#include "Services/ReclaimableSize.h"

#include "Models/Paths.h"
#include "Platform/Beneath.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FileIdentity.h"
#include "Platform/FileOperations.h"
#include "Platform/UniqueFd.h"

#include <algorithm>
#include <fcntl.h>
#include <unordered_set>

namespace {

constexpr int kReadFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Opens a regular file for reading its extents: never through a link, and without
// touching its access time where the kernel lets us.
UniqueFd openFileAt(int folder, const char* name)
{
    int fd = openat(folder, name, kReadFlags | O_NOATIME);
    if (fd < 0 && errno == EPERM)
        fd = openat(folder, name, kReadFlags);
    return UniqueFd(fd);
}

// What the open file frees: its unshared extents, or all it occupies when they cannot be read.
Int64 reclaimableOf(int fd, const struct stat& st)
{
    const Int64 allocated = allocatedBytes(st);
    const auto read = extents::read(fd);
    return read ? extents::reclaimableBytes(*read, allocated) : allocated;
}

} // namespace

bool worthAskingExtents(const struct stat& st)
{
    // A file within one block is off by at most that block, which is as close as any
    // figure gets (frees are counted in blocks). On btrfs such files mostly live inline in
    // the metadata, where no extent is ever reported shared anyway. Homes hold tens of
    // thousands of them: not opening each one is most of what reading extents costs.
    return allocatedBytes(st) > std::max<Int64>(st.st_blksize, 4096);
}

Int64 reclaimableOfEntry(int folderFd, const char* name, const struct stat& st)
{
    if (!worthAskingExtents(st))
        return allocatedBytes(st);
    const UniqueFd file = openFileAt(folderFd, name);
    struct stat opened;
    // Only the object the walk saw: a swap in between counts what the walk measured.
    if (!file.valid() || fstat(file.get(), &opened) != 0 || FileIdentity::of(opened) != FileIdentity::of(st))
        return allocatedBytes(st);
    return reclaimableOf(file.get(), opened);
}

std::optional<Int64> reclaimableSize(const Path& url, int maxDepth, std::string_view within)
{
    const UniqueFd item(open(url.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (!item.valid() || fstat(item.get(), &st) != 0 || S_ISLNK(st.st_mode) || !extents::mayShare(item.get()))
        return std::nullopt;
    if (S_ISREG(st.st_mode)) {
        const UniqueFd parent(open(paths::parent(url).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!parent.valid())
            return allocatedBytes(st);
        return reclaimableOfEntry(parent.get(), paths::lastComponent(url).c_str(), st);
    }
    if (!S_ISDIR(st.st_mode))
        return allocatedBytes(st);

    Int64 total = 0;
    std::unordered_set<FileIdentity, FileIdentityHash> multiplyLinked;
    DirectoryWalker::walkRegularFiles(
        url, {.within = within}, maxDepth, [&](const DirectoryWalker::Entry& entry, const struct stat& fileStat) {
            if (fileStat.st_nlink > 1 && !multiplyLinked.insert(FileIdentity::of(fileStat)).second)
                return;
            total += reclaimableOfEntry(entry.folderFd(), std::string(entry.name()).c_str(), fileStat);
        });
    return total;
}

SizeAndReclaimable sizeWithReclaimable(const Path& url, int maxDepth, std::string_view within)
{
    const auto st = within.empty() ? fileops::statNoFollow(url) : beneath::statInside(std::string(within), url);
    if (!st || S_ISLNK(st->st_mode))
        return {};
    if (!S_ISDIR(st->st_mode))
        return {allocatedBytes(*st), reclaimableSize(url, 0)};

    SizeAndReclaimable out;
    std::optional<bool> mayShare; // asked once: the walk never leaves the folder's file system
    std::unordered_set<FileIdentity, FileIdentityHash> multiplyLinked;
    DirectoryWalker::walkRegularFiles(
        url, {.within = within}, maxDepth, [&](const DirectoryWalker::Entry& entry, const struct stat& fileStat) {
            if (fileStat.st_nlink > 1 && !multiplyLinked.insert(FileIdentity::of(fileStat)).second)
                return;
            out.bytes += allocatedBytes(fileStat);
            if (!mayShare)
                mayShare = extents::mayShare(entry.folderFd());
            if (*mayShare)
                out.reclaimable = out.reclaimable.value_or(0) +
                                  reclaimableOfEntry(entry.folderFd(), std::string(entry.name()).c_str(), fileStat);
        });
    return out;
}

std::optional<SizedExtents> fileExtents(const Path& url)
{
    const UniqueFd parent(open(paths::parent(url).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!parent.valid())
        return std::nullopt;
    const UniqueFd file = openFileAt(parent.get(), paths::lastComponent(url).c_str());
    struct stat st;
    if (!file.valid() || fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || !extents::mayShare(file.get()))
        return std::nullopt;
    auto read = extents::read(file.get());
    if (!read)
        return std::nullopt;
    return SizedExtents{*std::move(read), allocatedBytes(st)};
}
