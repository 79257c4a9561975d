#pragma once
// Where other file systems are mounted, from the kernel's mount table. Walks use it to
// stay on the file system they started on without touching what is mounted: a stalled
// network or FUSE mount below the home must neither hang a scan nor be offered for
// cleaning.

#include <string>
#include <vector>

namespace mounts {

// Mount points strictly below an open folder, as paths relative to it ("a/b"), in the
// table's order. Empty when there are none or the table cannot be read.
std::vector<std::string> mountPointsBelow(int folderFd);

// True when `path` lies on a file system mounted strictly below `root`: at such a mount
// point or beneath one. Both are absolute paths without links (the scan resolves its
// home folder once); a path outside root never is.
bool crossesMountBelow(const std::string& root, const std::string& path);

// The octal escapes of the mount table (\040 for a blank) turned back into bytes.
std::string unescapeOctal(const std::string& text);

} // namespace mounts
