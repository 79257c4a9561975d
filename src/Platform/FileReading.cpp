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

ssize_t ReadOnlyFile::readAt(void* buffer, std::size_t count, off_t offset) const
{
    std::size_t done = 0;
    while (done < count) {
        if (fault::check(fault::Op::readFile, path_) != 0)
            return -1;
        const ssize_t n = ::pread(fd_, static_cast<char*>(buffer) + done, count - done, offset + off_t(done));
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

ssize_t ReadOnlyFile::readNext(void* buffer, std::size_t count) const
{
    if (fault::check(fault::Op::readFile, path_) != 0)
        return -1;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, count);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

void ReadOnlyFile::adviseSequential() const { posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL); }

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
