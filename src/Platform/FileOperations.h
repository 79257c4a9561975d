#pragma once
// The file operations a clean and a restore are built from. Each one is careful in
// the same two ways: it never replaces anything that exists, and it never follows a
// symbolic link (a link is moved or removed as the link itself). Every step passes
// through the fault-injection seam so tests can make it fail.
//
// Operations return 0 on success, otherwise the errno of the step that failed.

#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fileops {

// lstat of a path; nullopt when it cannot be read (errno is set).
std::optional<struct stat> statNoFollow(const std::string& path);
// Something is at the path; a dangling link counts.
bool exists(const std::string& path);
// A real folder, not a link to one.
bool isFolder(const std::string& path);

// Creates the folder and its missing parents. Succeeds when a real folder stands at
// the path afterwards.
int makeDirectories(const std::string& path, mode_t mode = 0755);

// Moves `from` to `to`, failing with EEXIST when anything is at `to`. Uses the
// kernel's no-replace rename; where a file system lacks that flag, files get a second
// name and lose the first, and folders replace an empty placeholder made for them.
// Never copies: another file system fails with EXDEV and leaves the item in place.
int moveNoReplace(const std::string& from, const std::string& to);

// Removes a file, a link or a whole folder tree, relative to opened folders and
// without following links. Never enters a mount (another file system inside it, a
// folder mounted a second time, or the item being a mount point): EXDEV. Goes
// on past what it cannot remove and reports the first failure, so a failed removal
// may have removed part of a tree.
int removeItem(const std::string& path);
// Removes a folder only when it is empty.
int removeEmptyFolder(const std::string& path);
// Unlinks a file or link (never a folder).
int removeFile(const std::string& path);

// Names of a folder's direct children (hidden ones included), byte-wise ordered.
// False when the path is not a folder that can be listed; a link is never listed.
bool listChildren(const std::string& folder, std::vector<std::string>& names);

// Creates a new file with this content; fails with EEXIST when the name is taken.
int createFileExclusive(const std::string& path, const std::string& content, mode_t mode = 0600);

} // namespace fileops
