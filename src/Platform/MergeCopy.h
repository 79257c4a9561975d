#pragma once
// Merges a byte-identical copy with its original in place (FIDEDUPERANGE): the copy's
// extents become the original's, both paths stay, and the copy's space is freed. The
// kernel compares the bytes itself under its own locks, so a copy that differs, or was
// edited meanwhile, is left as it is. The copy's owner, mode, times and extended
// attributes are the same afterwards (times are put back where the kernel touched them).

#include "Platform/Result.h"

#include <cstdint>
#include <string_view>

namespace mergecopy {

enum class Outcome {
    merged,
    differs,     // the kernel found bytes that differ: the copy keeps its own extents
    unsupported, // this file system (or this pair) cannot share extents
    failed,      // see error
};

struct Report {
    Outcome outcome = Outcome::failed;
    int error = 0;
    std::int64_t bytesMerged = 0;
};

// Both are open regular files of the same size on one file system; `copy` may be open
// read-only (the kernel lets the owner, or an administrator, dedupe into it).
// `copyPath` names the copy for the fault-injection seam.
Report merge(int originalFd, int copyFd, std::int64_t length, std::string_view copyPath);

} // namespace mergecopy
