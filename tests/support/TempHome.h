#pragma once
// A temporary folder tree that tests build and scan, removed afterwards. Homes that a
// clean runs in are made under /var/tmp: the executor deletes whatever lies under /tmp/
// instead of trashing it, and the build tree may itself lie under /tmp.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

constexpr std::int64_t MiB = 1 << 20;

class TempHome {
  public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::string& path() const { return root_; }
    // Absolute path of a path relative to the home.
    std::string at(const std::string& relative) const;

    // Creates the folder and its parents; returns its absolute path.
    std::string mkdir(const std::string& relative) const;
    // A file with `logicalSize` bytes of content; parents are created. The content is
    // `fill` repeated, or a pattern derived from `seed` when fill is 0.
    std::string file(const std::string& relative, std::int64_t logicalSize = 0, char fill = 'x') const;
    // A file whose content is exactly `content`.
    std::string fileWithContent(const std::string& relative, const std::string& content) const;
    // A file of `logicalSize` bytes that has all of them allocated (fallocate), so its
    // allocated size is at least logicalSize, rounded up to whole blocks.
    std::string allocatedFile(const std::string& relative, std::int64_t logicalSize) const;
    // Fills a folder with files that together occupy exactly `bytes` (a multiple of 4096)
    // on disk. One large preallocated file may be given an extent index block that the
    // file system counts in its allocated size; pieces of at most 8 MiB need none.
    // Returns the bytes the pieces really occupy, for the caller to check.
    std::int64_t occupy(const std::string& folder, std::int64_t bytes) const;
    // A sparse file: logical size without allocated blocks.
    std::string sparseFile(const std::string& relative, std::int64_t logicalSize) const;
    std::string symlink(const std::string& relative, const std::string& target) const;
    std::string hardlink(const std::string& relative, const std::string& existingRelative) const;
    // Sets modification (and access) time of a path without following links.
    void setModified(const std::string& relative, std::chrono::system_clock::time_point when) const;
    void setModifiedDaysAgo(const std::string& relative, double days) const;

    // Allocated bytes (st_blocks × 512) of one path, not following links.
    std::int64_t allocated(const std::string& relative) const;

    // A chain of `depth` nested folders named "d" below `relative` (deeper than a path
    // can name, so it is made one folder at a time); removed with the home.
    void deepChain(const std::string& relative, int depth) const;

  private:
    std::string root_;
    mutable bool hasDeepChains_ = false;
};

// Reads a whole file (for assertions); empty when it cannot be read.
std::string readFileBytes(const std::string& path);

// Runs `body` in the given locale's LC_ALL and restores the previous one. Returns false
// when the locale is not installed.
bool withLocale(const char* name, const std::function<void()>& body);
