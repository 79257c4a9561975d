#pragma once
// A folder of the program's own (its lock, its restore history), private to the user:
// `root` is taken as it stands, the folders `below` it are made when missing, 0700, one
// at a time and never through a link.

#include "Models/Basics.h"
#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <string>

struct PrivateFolder {
    std::string root;
    std::string below; // "" for the root itself

    // Opens the folder, making what is missing. A folder of ours found readable by others
    // is made private again; the root itself is left as it is.
    Result<UniqueFd> open() const;
    std::string path() const;
};

// Where the program keeps state that outlives it: $XDG_STATE_HOME/quillmere when that is
// an absolute path, else accountHome/.local/state/quillmere.
PrivateFolder userStateFolder(const URL& accountHome);
// The same for a home folder given on the command line (tests, --home): inside it.
PrivateFolder stateFolderInside(const URL& home);
