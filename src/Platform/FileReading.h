#pragma once
// Reading files for fingerprints, digests and small metadata files: the descriptor is
// owned by one object and closed on every path, reads go into the caller's buffer, and
// only regular files are opened (a path swapped for a link, a pipe or a device between
// a walk and the read is refused rather than followed or waited on).

#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <cstddef>
#include <string>
#include <sys/types.h>

class ReadOnlyFile {
  public:
    // Opens path for reading without following a final symbolic link; EINVAL when it is
    // not a regular file.
    static Result<ReadOnlyFile> open(const std::string& path);
    // The same for `name` inside an opened folder; `path` names it for reports and checks.
    static Result<ReadOnlyFile> openIn(int folder, const std::string& name, const std::string& path);

    // Size as the open file reports it now.
    off_t currentSize() const { return size_; }

    // Up to `count` bytes at `offset`, fewer only at end of file.
    Result<std::size_t> readAt(void* buffer, std::size_t count, off_t offset) const;
    // The next `count` bytes from the current position, fewer only at end of file; 0 at
    // end of file.
    Result<std::size_t> readNext(void* buffer, std::size_t count) const;
    // What the file system keeps from `offset` on: written data up to the next hole, or a
    // hole (reads as zeros, costs no reads) up to the next data. `end` at or past the end
    // of the file. Where holes cannot be asked for, everything is data. Moves the
    // descriptor's position: pair it with readAt, not readNext.
    struct Region {
        enum class Kind { data, hole, end } kind = Kind::end;
        off_t until = 0;
    };
    Region regionAt(off_t offset) const;
    // Tells the kernel the file will be read front to back once.
    void adviseSequential() const;
    // Asks the kernel to start reading the file into memory now, without waiting for it.
    void adviseWillNeed() const;

  private:
    ReadOnlyFile(std::string path, UniqueFd fd, off_t size) : path_(std::move(path)), fd_(std::move(fd)), size_(size) {}

    std::string path_;
    UniqueFd fd_;
    off_t size_ = 0;
};

// A whole regular file of at most maxBytes; EFBIG when it is larger.
Result<std::string> readSmallRegularFile(const std::string& path, std::size_t maxBytes);
// The same for `name` inside an opened folder.
Result<std::string> readSmallRegularFileIn(int folder, const std::string& name, const std::string& path,
                                           std::size_t maxBytes);
