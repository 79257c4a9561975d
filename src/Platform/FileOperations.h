#pragma once
// The file operations a clean and a restore are built from. Each one is careful in
// the same ways: it works relative to an opened folder (so a folder above it swapped for
// a link changes nothing), it never replaces anything that exists, and it never follows
// a symbolic link (a link is moved or removed as the link itself). Every step passes
// through the fault-injection seam so tests can make it fail.

#include "Models/FileStamp.h"
#include "Platform/Beneath.h"
#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <cstdint>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fileops {

// A name inside an opened folder. `path` is the whole path: the fault-injection seam and
// reports see it, the work itself goes through the folder.
struct Place {
    int folder;
    std::string name;
    std::string path;
};

inline Place placeOf(const beneath::Location& location)
{
    return {location.parent.get(), location.name, location.path};
}
Place childOf(int folder, const std::string& folderPath, const std::string& name);

// ---------------------------------------------------------------- relative to opened folders

Result<struct stat> stat(const Place& place);
// Opens a folder without following a link (ELOOP for a link).
Result<UniqueFd> openFolder(const Place& place);
// Names of an opened folder's children (hidden ones included), byte-wise ordered.
Result<std::vector<std::string>> listChildren(int folder, const std::string& folderPath);

// Moves `from` to `to`, failing with EEXIST when anything is at `to`. Uses the kernel's
// no-replace rename; where a file system lacks that flag, files get a second name and
// lose the first, and folders replace an empty placeholder made for them. Never copies:
// another file system fails with EXDEV and leaves the item in place.
Status moveNoReplace(const Place& from, const Place& to);

// Creates a folder; EEXIST when anything has the name (never joins an existing folder).
Status makeFolder(const Place& place, mode_t mode);
// Creates a new file with this content; EEXIST when the name is taken.
Status createFileExclusive(const Place& place, const std::string& content, mode_t mode = 0600);
// Unlinks a file or link (never a folder).
Status removeFile(const Place& place);
// Removes a folder only when it is empty.
Status removeEmptyFolder(const Place& place);

// Removes a file, a link or a whole folder tree without following links. Never enters a
// mount (another file system inside it, a folder mounted a second time) and never
// removes a mount point: EXDEV. Goes on past what it cannot remove and reports the first
// failure with what did go (entries and bytes), so a failed removal may have taken part
// of a tree. With `expected`, only that object is removed: anything else at the place
// (swapped in since it was checked) fails with ESTALE and stays.
struct Removal {
    Status status;
    std::int64_t removedEntries = 0;
    std::int64_t freedBytes = 0; // allocated bytes of what went: folders, and files whose last name went
};
Removal removeTree(const Place& place, const std::optional<FileStamp>& expected = std::nullopt);

// The place is the root of a mount: another file system, or a folder mounted a second time.
bool isMountPoint(const Place& place);

// ---------------------------------------------------------------- by whole path
// For paths trusted as a whole: a path the user typed, a test's own folders. Links in
// the path's folders are followed; the last component is not.

Result<struct stat> statNoFollow(const std::string& path);
// Something is at the path; a dangling link counts.
bool exists(const std::string& path);
// A real folder, not a link to one.
bool isFolder(const std::string& path);
Result<std::vector<std::string>> listChildren(const std::string& folder);

} // namespace fileops
