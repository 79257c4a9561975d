#include "Platform/FileReading.h"

#include "Platform/FaultInjection.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyFile::ReadOnlyFile(const std::string& path) : path_(path)
{
    if (fault::check(fault::Op::openFile, path) != 0)
        return;
    // O_NONBLOCK: a fifo put in place of the file must not stall the scan; it has no
    // effect on regular files.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    size_ = st.st_size;
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (fd_ >= 0)
        ::close(fd_); // nothing was written, so a failing close loses nothing
}

namespace {

// Repeats `readOnce(buffer, count, done)` until count bytes, end of file or an error.
template <typename ReadOnce>
ssize_t readFully(const std::string& path, void* buffer, std::size_t count, ReadOnce readOnce)
{
    std::size_t done = 0;
    while (done < count) {
        if (fault::check(fault::Op::readFile, path) != 0)
            return -1;
        const ssize_t n = readOnce(static_cast<char*>(buffer) + done, count - done, done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return ssize_t(done);
}

} // namespace

ssize_t ReadOnlyFile::readAt(void* buffer, std::size_t count, off_t offset) const
{
    return readFully(path_, buffer, count, [&](char* to, std::size_t n, std::size_t done) {
        return ::pread(fd_, to, n, offset + off_t(done));
    });
}

ssize_t ReadOnlyFile::readNext(void* buffer, std::size_t count) const
{
    return readFully(path_, buffer, count, [&](char* to, std::size_t n, std::size_t) { return ::read(fd_, to, n); });
}

void ReadOnlyFile::adviseSequential() const { posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL); }

void ReadOnlyFile::adviseWillNeed() const { posix_fadvise(fd_, 0, 0, POSIX_FADV_WILLNEED); }

bool readSmallRegularFile(const std::string& path, std::size_t maxBytes, std::string& out)
{
    const ReadOnlyFile file(path);
    if (!file.isOpen() || file.currentSize() < 0 || std::size_t(file.currentSize()) > maxBytes)
        return false;
    out.resize(std::size_t(file.currentSize()));
    const ssize_t n = file.readAt(out.data(), out.size(), 0);
    if (n < 0)
        return false;
    out.resize(std::size_t(n));
    return true;
}
