#pragma once
// What removing a file or folder would really free on a file system whose files can
// share extents (btrfs, XFS with reflink, bcachefs). Elsewhere nothing is asked and the
// allocated size is the answer. Within one item, a file with several names counts once,
// as directorySize counts it.

#include "Models/Basics.h"
#include "Platform/SharedExtents.h"

#include <optional>
#include <string_view>
#include <sys/stat.h>

// The bytes of the files down to maxDepth levels below url (or of url itself) that no
// other file shares; nullopt where the file system cannot share extents. With `within`,
// url is reached as a walk's root is (DirectoryWalker::Options::within).
std::optional<Int64> reclaimableSize(const Path& url, int maxDepth, std::string_view within = {});

// directorySize(url, maxDepth, within) and, from the same walk, what removing it would free
// (nullopt where its file system cannot share extents).
struct SizeAndReclaimable {
    Int64 bytes = 0;
    std::optional<Int64> reclaimable;
};
SizeAndReclaimable sizeWithReclaimable(const Path& url, int maxDepth, std::string_view within);

// Whether a regular file is big enough for its extents to be read: smaller ones are
// taken at their allocated size.
bool worthAskingExtents(const struct stat& st);
// What removing the regular file `name` in the open folder, as the walk saw it (`st`),
// would free; on a volume that shares extents.
Int64 reclaimableOfEntry(int folderFd, const char* name, const struct stat& st);

// A regular file's extents and allocated bytes; nullopt where its file system cannot
// share extents, or it cannot be read.
struct SizedExtents {
    extents::FileExtents extents;
    Int64 allocatedBytes = 0;
};
std::optional<SizedExtents> fileExtents(const Path& url);
