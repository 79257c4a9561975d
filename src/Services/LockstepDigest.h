#pragma once
// Full digests (ContentDigest) of files that are probably identical (same size, same
// fingerprint), read side by side in 1 MiB chunks; holes are passed, never read. Each
// chunk of content is hashed once per distinct content rather than once per file:
// copies that still agree are compared with memcmp, and a copy that departs continues
// from a copy of the digest's state. The digests are exactly those of digesting each file on its own.

#include "Platform/Sha256.h"
#include "Services/ContentDigest.h"
#include "Services/DuplicateFinder.h"

#include <optional>
#include <vector>

namespace duplicates {

// Files read together at most; a longer list is digested in consecutive batches.
inline constexpr std::size_t kLockstepBatch = 8;
inline constexpr std::size_t kFullHashChunk = 1024 * 1024;

class LockstepDigester {
  public:
    // One digest per url, in order; nullopt for a file that could not be opened or read.
    std::vector<std::optional<Sha256::Digest>> digest(const std::vector<Path>& urls, ReadStats* stats);

  private:
    void digestBatch(const Path* urls, std::size_t count, std::optional<Sha256::Digest>* out, ReadStats* stats);

    std::vector<std::vector<char>> buffers_; // one per batch slot, reused for every batch
};

} // namespace duplicates
