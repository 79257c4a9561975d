#pragma once
// Which of a file's bytes it shares with other files (a reflinked copy, a snapshot, a
// deduplicated store). Removing a file frees only the extents nobody else references.
//
// Asked only where the file system can share extents (btrfs, XFS, bcachefs): elsewhere
// nothing is read and the caller keeps the allocated size.

#include "Platform/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace extents {

// Whether files on the file system holding `fd` can share extents. False when the
// QUILLMERE_NO_EXTENTS environment variable is set (the bench compares both ways).
bool mayShare(int fd);
// The same for the volume holding the folder at `path`.
bool mayShareAt(const std::string& path);

struct Range {
    std::uint64_t physical = 0;
    std::uint64_t length = 0;
    bool operator==(const Range&) const = default;
};

struct FileExtents {
    std::int64_t sharedBytes = 0;   // logical bytes in extents flagged shared
    std::int64_t unsharedBytes = 0; // logical bytes in extents this file alone references
    std::vector<Range> shared;      // where the shared extents lie on the device, in file order
    bool operator==(const FileExtents&) const = default;
};

// The extents of an open regular file (FS_IOC_FIEMAP, without syncing first: data not yet
// written has no place on disk and nobody shares it).
Result<FileExtents> read(int fd);

// What removing a file of `allocatedBytes` (st_blocks * 512) would free, as its extents
// tell: its unshared bytes, never more than it occupies. Nobody outside can be proven
// absent from a shared extent without privileges, so shared extents free nothing here.
std::int64_t reclaimableBytes(const FileExtents& extents, std::int64_t allocatedBytes);

// Bytes of `ranges` that also lie in `other` (the physical extents two files have in common).
std::int64_t overlapBytes(std::vector<Range> ranges, std::vector<Range> other);

} // namespace extents
