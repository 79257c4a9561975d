#pragma once
// A folder of the program's own (its lock, its restore history), private to the user:
// `root` is taken as it stands, the folders `below` it are made when missing, 0700, one
// at a time and never through a link. Every folder above the root must be ours or the
// administrator's and closed to others (owned.h); the root's descendants down to the
// folder must be ours and writable by nobody else. Anything else is refused.

#include "Models/Basics.h"
#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <string>

struct PrivateFolder {
    std::string root;
    std::string below; // "" for the root itself

    // Opens the folder, making what is missing when `create`. A folder of ours found
    // readable by others is made private again; one others may write is refused.
    Result<UniqueFd> open(bool create = true) const;
    std::string path() const;
};

// Where the program keeps state that outlives it: $XDG_STATE_HOME/quillmere when that is
// an absolute path, else accountHome/.local/state/quillmere.
PrivateFolder userStateFolder(const Path& accountHome);
// The same for a home folder given on the command line (tests, --home): inside it.
PrivateFolder stateFolderInside(const Path& home);
