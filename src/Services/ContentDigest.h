#pragma once
// SHA-256 of a file's logical bytes in which a run of zeros costs nothing to hash, so a
// hole of a terabyte is digested as fast as its length can be added. The content is cut
// into 4 KiB blocks at fixed offsets; a block of zeros is counted instead of hashed, and
// every run of such blocks enters the digest as its offset and length, after the rest.
//
// The digest depends on the logical bytes only: a hole and the same length of written
// zeros give the same digest, whatever the hole layout. Content without a zero block
// hashes exactly as plain SHA-256 would. Two contents of one length differ in their
// digests unless SHA-256 collides; digests are compared only between files of one size.

#include "Platform/Sha256.h"

#include <array>
#include <cstddef>
#include <cstdint>

class ContentDigest {
  public:
    static constexpr std::size_t kBlock = 4096;

    // The next `size` logical bytes.
    void update(const char* data, std::size_t size);
    // The next `count` logical bytes, all zero (a hole).
    void updateZeros(std::uint64_t count);
    Sha256::Digest finalize();

  private:
    void takeBlocks(const char* data, std::size_t blocks);
    void extendRun(std::uint64_t bytes);
    void endRun();

    Sha256 content_;          // every byte outside the runs of zero blocks, in order
    Sha256 runs_;             // (offset, length) of each run
    std::uint64_t taken_ = 0; // whole blocks' bytes handed on so far
    std::uint64_t runStart_ = 0;
    std::uint64_t runLength_ = 0;
    std::uint64_t runCount_ = 0;
    std::array<char, kBlock> partial_{};
    std::size_t partialLength_ = 0;
};
