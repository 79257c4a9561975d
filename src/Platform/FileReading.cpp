#include "Platform/FileReading.h"

#include "Platform/FaultInjection.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

Result<ReadOnlyFile> ReadOnlyFile::open(const std::string& path) { return openIn(AT_FDCWD, path, path); }

Result<ReadOnlyFile> ReadOnlyFile::openIn(int folder, const std::string& name, const std::string& path)
{
    if (const int err = fault::check(fault::Op::openFile, path))
        return Failure{err};
    // O_NONBLOCK: a fifo put in place of the file must not stall the scan; it has no
    // effect on regular files.
    const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return lastError();
    UniqueFd file(fd); // nothing is written, so a failing close loses nothing
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return lastError();
    if (!S_ISREG(st.st_mode))
        return Failure{EINVAL};
    return ReadOnlyFile(path, std::move(file), st.st_size);
}

namespace {

// Repeats `readOnce(buffer, count, done)` until count bytes, end of file or an error.
template <typename ReadOnce>
Result<std::size_t> readFully(const std::string& path, void* buffer, std::size_t count, ReadOnce readOnce)
{
    std::size_t done = 0;
    while (done < count) {
        if (const int err = fault::check(fault::Op::readFile, path))
            return Failure{err};
        const ssize_t n = readOnce(static_cast<char*>(buffer) + done, count - done, done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return done;
}

} // namespace

Result<std::size_t> ReadOnlyFile::readAt(void* buffer, std::size_t count, off_t offset) const
{
    return readFully(path_, buffer, count, [&](char* to, std::size_t n, std::size_t done) {
        return ::pread(fd_.get(), to, n, offset + off_t(done));
    });
}

Result<std::size_t> ReadOnlyFile::readNext(void* buffer, std::size_t count) const
{
    return readFully(path_, buffer, count,
                     [&](char* to, std::size_t n, std::size_t) { return ::read(fd_.get(), to, n); });
}

ReadOnlyFile::Region ReadOnlyFile::regionAt(off_t offset) const
{
    constexpr off_t kUnbounded = std::numeric_limits<off_t>::max();
    const off_t data = ::lseek(fd_.get(), offset, SEEK_DATA);
    if (data < 0) {
        struct stat st;
        // ENXIO: no data from here on, only a trailing hole or the end itself.
        if (errno != ENXIO || ::fstat(fd_.get(), &st) != 0)
            return {Region::Kind::data, kUnbounded}; // reads will tell
        return st.st_size > offset ? Region{Region::Kind::hole, st.st_size} : Region{Region::Kind::end, offset};
    }
    if (data > offset)
        return {Region::Kind::hole, data};
    const off_t hole = ::lseek(fd_.get(), offset, SEEK_HOLE);
    return {Region::Kind::data, hole > offset ? hole : kUnbounded};
}

void ReadOnlyFile::adviseSequential() const { posix_fadvise(fd_.get(), 0, 0, POSIX_FADV_SEQUENTIAL); }

void ReadOnlyFile::adviseWillNeed() const { posix_fadvise(fd_.get(), 0, 0, POSIX_FADV_WILLNEED); }

Result<std::string> readSmallRegularFile(const std::string& path, std::size_t maxBytes)
{
    return readSmallRegularFileIn(AT_FDCWD, path, path, maxBytes);
}

Result<std::string> readSmallRegularFileIn(int folder, const std::string& name, const std::string& path,
                                           std::size_t maxBytes)
{
    const auto file = ReadOnlyFile::openIn(folder, name, path);
    if (!file)
        return file.status();
    if (file->currentSize() < 0 || std::size_t(file->currentSize()) > maxBytes)
        return Failure{EFBIG};
    std::string out(std::size_t(file->currentSize()), '\0');
    const auto n = file->readAt(out.data(), out.size(), 0);
    if (!n)
        return n.status();
    out.resize(*n);
    return out;
}
