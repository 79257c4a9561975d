#pragma once
// A stored grant to one folder: enough to find the folder again in a later run and to
// tell whether the path still names the same folder. The blob is versioned so that an
// old or foreign value is rejected instead of misread.

#include "Models/Basics.h"

#include <optional>
#include <string>

namespace folderGrant {

struct Resolved {
    Path url;
    bool isStale = false; // the path now names another folder than the one granted
};

// The blob for an existing folder; none when the path is not a folder.
std::optional<std::string> create(const Path& folder);

// The folder a blob points to. None when the blob is malformed or the folder is gone or
// no longer a folder.
std::optional<Resolved> resolve(const std::string& data);

} // namespace folderGrant
