#pragma once
// What a file or folder occupies on disk.

#include "Models/Basics.h"

#include <string_view>

// Allocated bytes of the files down to maxDepth levels below url (1 = its direct
// children). A link is measured as nothing and never followed; a file with several
// names counts once, as du counts it. With `within`, url is reached from that folder
// as a walk's root is (see DirectoryWalker::Options::within): met links or mounts
// measure nothing.
Int64 directorySize(const Path& url, int maxDepth, std::string_view within = {});
