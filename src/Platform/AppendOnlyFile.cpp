#include "Platform/AppendOnlyFile.h"

#include "Models/Paths.h"
#include "Platform/FaultInjection.h"
#include "Platform/OwnedPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFlags = O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

Status writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return lastError();
        bytes.remove_prefix(std::size_t(n));
    }
    return {};
}

} // namespace

Result<AppendOnlyFile> AppendOnlyFile::open(const PrivateFolder& folder, const std::string& name, bool create)
{
    const std::string path = paths::join(folder.path(), name);
    if (const int err = fault::check(fault::Op::openFile, path))
        return Failure{err};
    // Only our own folder is ever made: reading a history that is not there makes nothing.
    auto opened = folder.open(create);
    if (!opened)
        return opened.status();
    bool isNew = false;
    int fd = ::openat(opened->get(), name.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT && create) {
        fd = ::openat(opened->get(), name.c_str(), kFlags | O_CREAT | O_EXCL, 0600);
        isNew = fd >= 0;
        if (fd < 0 && errno == EEXIST) // made by another writer just now
            fd = ::openat(opened->get(), name.c_str(), kFlags);
    }
    if (fd < 0)
        return lastError();
    UniqueFd file(fd);
    // Another user's file, or one others may write, may hold forged lines: not ours to use.
    const auto st = owned::checkPrivateFile(fd);
    if (!st)
        return st.status();
    if ((st->st_mode & 077) != 0 && ::fchmod(fd, 0600) != 0)
        return lastError();
    return AppendOnlyFile(std::move(file), std::move(*opened), path, isNew);
}

Status AppendOnlyFile::append(std::string_view lines)
{
    if (const int err = fault::check(fault::Op::writeFile, path_))
        return Failure{err};
    struct stat st;
    if (::fstat(file_.get(), &st) != 0)
        return lastError();
    std::string batch;
    char last = '\n';
    if (st.st_size > 0 && ::pread(file_.get(), &last, 1, st.st_size - 1) != 1)
        return lastError();
    if (last != '\n')
        batch.push_back('\n');
    batch.append(lines);
    return writeAll(file_.get(), batch);
}

Status AppendOnlyFile::sync()
{
    if (::fsync(file_.get()) != 0)
        return lastError();
    if (isNew_ && ::fsync(folder_.get()) != 0)
        return lastError();
    isNew_ = false;
    return {};
}

Result<std::string> AppendOnlyFile::contents() const
{
    std::string text;
    char buffer[65536];
    for (off_t offset = 0;;) {
        const ssize_t n = ::pread(file_.get(), buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return lastError();
        if (n == 0)
            return text;
        text.append(buffer, std::size_t(n));
        offset += n;
    }
}

Result<std::vector<std::string>> AppendOnlyFile::finishedLines() const
{
    const auto text = contents();
    if (!text)
        return text.status();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text->find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text->substr(start, end - start));
    return lines;
}
