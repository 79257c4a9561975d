#pragma once
// Reading files for fingerprints, digests and small metadata files: the descriptor is
// owned by one object and closed on every path, reads go into the caller's buffer, and
// only regular files are opened (a path swapped for a link, a pipe or a device between
// a walk and the read is refused rather than followed or waited on).

#include <cstddef>
#include <string>
#include <sys/types.h>

class ReadOnlyFile {
  public:
    // Opens path for reading without following a final symbolic link; the object is
    // invalid when that fails or the path is not a regular file.
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Size as the open file reports it now.
    off_t currentSize() const { return size_; }

    // Up to `count` bytes at `offset`, fewer only at end of file; -1 on a read error.
    ssize_t readAt(void* buffer, std::size_t count, off_t offset) const;
    // The next `count` bytes from the current position, fewer only at end of file;
    // 0 at end of file, -1 on a read error.
    ssize_t readNext(void* buffer, std::size_t count) const;
    // Tells the kernel the file will be read front to back once.
    void adviseSequential() const;
    // Asks the kernel to start reading the file into memory now, without waiting for it.
    void adviseWillNeed() const;

  private:
    std::string path_;
    int fd_ = -1;
    off_t size_ = 0;
};

// Reads a whole regular file of at most maxBytes into out; false otherwise.
bool readSmallRegularFile(const std::string& path, std::size_t maxBytes, std::string& out);
