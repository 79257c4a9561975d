#pragma once
// A small file system of a chosen kind (btrfs, XFS with reflink) made by the test: a
// sparse image under /var/tmp, loop-mounted on a folder made for it, unmounted and
// removed with the object even when the test fails. Mounting needs root (CI runs as
// root); where it cannot be done, `skipReason` says why and the test skips.

#include <cstdint>
#include <string>
#include <vector>

class LoopVolume {
  public:
    enum class Kind { btrfs, xfs, ext4 };
    explicit LoopVolume(Kind kind, std::int64_t imageBytes = 300LL << 20);
    ~LoopVolume();
    LoopVolume(const LoopVolume&) = delete;
    LoopVolume& operator=(const LoopVolume&) = delete;

    bool mounted() const { return skipReason_.empty(); }
    const std::string& skipReason() const { return skipReason_; }
    // The mounted top folder.
    const std::string& path() const { return mountPoint_; }

    // Writes everything out and lets the file system settle what it freed, so statvfs
    // tells the truth (btrfs frees extents when its transaction commits).
    void settle() const;
    std::int64_t availableBytes() const;
    std::int64_t blockSize() const;

    // Runs a tool (found in the usual system folders); its exit status.
    static int run(const std::vector<std::string>& argv);
    // The tool's full path, empty when it is not installed.
    static std::string tool(const std::string& name);

  private:
    std::string folder_;
    std::string image_;
    std::string mountPoint_;
    std::string skipReason_;
};

// Files on such a volume, written out to the disk. Random bytes do not compress (btrfs may
// compress); the same seed writes the same bytes, a plain copy.
void writeRandomFile(const std::string& path, std::int64_t bytes, unsigned seed);
// `to` becomes a reflinked copy of `from` (what cp --reflink=always does).
void reflinkFile(const std::string& from, const std::string& to);
// Allocated bytes (st_blocks × 512) of a path, not following links; -1 when it is missing.
std::int64_t allocatedBytes(const std::string& path);
