#include "Platform/SharedExtents.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace extents {

namespace {

// Magic numbers of the file systems that share extents (linux/magic.h lacks bcachefs on
// older headers).
constexpr unsigned long kBtrfs = 0x9123683e;
constexpr unsigned long kXfs = 0x58465342;
constexpr unsigned long kBcachefs = 0xca451a4e;

// Extents asked for per call: a large file may have thousands.
constexpr unsigned kBatch = 256;

} // namespace

bool mayShare(int fd)
{
    static const bool disabled = std::getenv("QUILLMERE_NO_EXTENTS") != nullptr;
    if (disabled)
        return false;
    struct statfs fs;
    if (fstatfs(fd, &fs) != 0)
        return false;
    const auto type = static_cast<unsigned long>(fs.f_type);
    return type == kBtrfs || type == kXfs || type == kBcachefs;
}

bool mayShareAt(const std::string& path)
{
    const int fd = open(path.c_str(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool answer = mayShare(fd);
    close(fd);
    return answer;
}

Result<FileExtents> read(int fd)
{
    // fiemap ends in a flexible array: keep it in 8-byte words so it is aligned.
    std::vector<std::uint64_t> buffer((sizeof(fiemap) + kBatch * sizeof(fiemap_extent)) / sizeof(std::uint64_t) + 1);
    auto* map = reinterpret_cast<fiemap*>(buffer.data());
    FileExtents out;
    std::uint64_t start = 0;
    for (;;) {
        std::memset(map, 0, sizeof(fiemap));
        map->fm_start = start;
        map->fm_length = FIEMAP_MAX_OFFSET - start;
        map->fm_flags = 0;
        map->fm_extent_count = kBatch;
        if (ioctl(fd, FS_IOC_FIEMAP, map) != 0)
            return lastError();
        bool last = map->fm_mapped_extents == 0;
        for (unsigned i = 0; i < map->fm_mapped_extents; ++i) {
            const fiemap_extent& extent = map->fm_extents[i];
            const auto length = std::int64_t(extent.fe_length);
            if (extent.fe_flags & FIEMAP_EXTENT_SHARED) {
                out.sharedBytes += length;
                out.shared.push_back({extent.fe_physical, extent.fe_length});
            } else {
                out.unsharedBytes += length;
            }
            last = last || (extent.fe_flags & FIEMAP_EXTENT_LAST);
            start = extent.fe_logical + extent.fe_length;
        }
        if (last || map->fm_mapped_extents < kBatch)
            break;
    }
    return out;
}

std::int64_t reclaimableBytes(const FileExtents& extents, std::int64_t allocatedBytes)
{
    if (extents.sharedBytes == 0)
        return allocatedBytes;
    return std::clamp<std::int64_t>(extents.unsharedBytes, 0, allocatedBytes);
}

std::int64_t overlapBytes(std::vector<Range> ranges, std::vector<Range> other)
{
    const auto byStart = [](const Range& a, const Range& b) { return a.physical < b.physical; };
    std::sort(ranges.begin(), ranges.end(), byStart);
    std::sort(other.begin(), other.end(), byStart);
    // Ranges of one file may overlap each other (an extent referenced twice): merge first.
    const auto merged = [](const std::vector<Range>& sorted) {
        std::vector<Range> out;
        for (const Range& range : sorted) {
            if (!out.empty() && range.physical <= out.back().physical + out.back().length)
                out.back().length = std::max(out.back().physical + out.back().length, range.physical + range.length) -
                                    out.back().physical;
            else
                out.push_back(range);
        }
        return out;
    };
    const std::vector<Range> a = merged(ranges);
    const std::vector<Range> b = merged(other);
    std::int64_t total = 0;
    for (std::size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        const std::uint64_t from = std::max(a[i].physical, b[j].physical);
        const std::uint64_t to = std::min(a[i].physical + a[i].length, b[j].physical + b[j].length);
        if (to > from)
            total += std::int64_t(to - from);
        if (a[i].physical + a[i].length < b[j].physical + b[j].length)
            ++i;
        else
            ++j;
    }
    return total;
}

} // namespace extents
