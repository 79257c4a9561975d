#pragma once
// Whether a file or folder of the program's own state (its restore history, its lock) can
// be trusted: another user who could write it, or could swap the folder holding it, could
// forge the history or hold the lock for us. What belongs to someone else, or can be
// written by others, is refused, never repaired: its content may already be forged.

#include "Models/Basics.h"
#include "Platform/Result.h"

#include <string>
#include <sys/stat.h>

namespace owned {

// The errors a refusal carries, so that callers can say why.
constexpr int kOtherOwner = EPERM;             // belongs to another user
constexpr int kWritableByOthers = EACCES;      // group or others may write it
constexpr int kUnsafeParent = ENOTRECOVERABLE; // a folder above it is open to others

// Ours, and writable by nobody else.
Status checkPrivate(const struct stat& st);
// The open file is a regular file, ours, and writable by nobody else; its status on success.
Result<struct stat> checkPrivateFile(int fd);
// Every folder from `path` up to "/" belongs to us or to the administrator, and nobody
// else may rename entries in it (not writable by others, or sticky like /tmp).
Status checkFoldersAbove(const Path& path);
// Words for a refusal above, or for any other error.
std::string refusalText(int error);

} // namespace owned
