#pragma once
// The duplicate pipeline behind the large-file walk: candidates bucketed by logical and
// allocated size, then a fingerprint of head and tail, then a SHA-256 based digest of
// the whole content that passes holes unread (ContentDigest). Each stage reads only the
// files that survived the one before. Open to tests, which count what the stages read.

#include "Models/StorageModels.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace duplicates {

// What the stages read, for tests and benchmarks.
struct ReadStats {
    Int64 bytesRead = 0;
    int fingerprintsTaken = 0;
    int fullHashesStarted = 0;
};

// Candidates of one logical and one allocated size, in discovery order. Copies that
// occupy different amounts of disk are not offered as one group: what removing one
// frees is the group's figure. Two paths of one file (hard links, or one folder mounted
// twice) are one file: only the first path found takes part, because removing the
// other would free nothing, or remove the only copy.
class Candidates {
  public:
    struct Bucket {
        Int64 size = 0;      // logical
        Int64 allocated = 0; // st_blocks × 512
        std::vector<Path> urls;
    };

    // The bucket the file went to; nullptr for another name of a file already added.
    const Bucket* add(const Path& url, const struct stat& st);
    // Buckets in the order their first file was found.
    const std::vector<Bucket>& buckets() const { return buckets_; }

  private:
    std::vector<Bucket> buckets_;
    std::map<std::pair<Int64, Int64>, std::size_t> bucketOfSizes_;
    std::set<std::pair<dev_t, ino_t>> filesSeen_;
};

// Groups of byte-identical files, sorted by reclaimable bytes (stable) and capped at 30.
std::vector<DuplicateFileGroup> findGroups(const Candidates& candidates, const Path& home, ReadStats* stats = nullptr);

} // namespace duplicates

// "<size>-<16 hex digits>" over the first 32 KiB and, above 64 KiB, the last 32 KiB.
std::optional<std::string> fastFileFingerprint(const Path& url, Int64 fileSize, duplicates::ReadStats* stats = nullptr);
