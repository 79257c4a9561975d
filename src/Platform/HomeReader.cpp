#include "Platform/HomeReader.h"

#include "Models/Paths.h"
#include "Platform/FileOperations.h"
#include "Platform/FileReading.h"

#include <fcntl.h>
#include <unistd.h>

HomeReader::HomeReader(std::string home) : home_(std::move(home)), roots_({home_}) {}

Result<beneath::Location> HomeReader::locate(const std::string& path)
{
    if (paths::isSameOrInside(path, home_) && path != home_)
        return roots_.locate(path);
    const std::string parent = paths::parent(path);
    const int fd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    return beneath::Location{UniqueFd(fd), paths::lastComponent(path), path};
}

Result<UniqueFd> HomeReader::openFolder(const std::string& path)
{
    if (path == home_)
        return beneath::openRoot(home_);
    const auto location = locate(path);
    return location ? fileops::openFolder(fileops::placeOf(*location)) : Result<UniqueFd>(location.status());
}

Result<struct stat> HomeReader::stat(const std::string& path)
{
    if (path == home_) {
        const auto folder = openFolder(path);
        struct stat st;
        if (!folder)
            return folder.status();
        return ::fstat(folder->get(), &st) == 0 ? Result<struct stat>(st) : Result<struct stat>(lastError());
    }
    const auto location = locate(path);
    return location ? fileops::stat(fileops::placeOf(*location)) : Result<struct stat>(location.status());
}

std::optional<DirectoryWalker::Kind> HomeReader::kindOf(const std::string& path)
{
    const auto st = stat(path);
    if (!st)
        return std::nullopt;
    if (S_ISREG(st->st_mode))
        return DirectoryWalker::Kind::regular;
    if (S_ISDIR(st->st_mode))
        return DirectoryWalker::Kind::directory;
    return S_ISLNK(st->st_mode) ? DirectoryWalker::Kind::symlink : DirectoryWalker::Kind::other;
}

Result<std::vector<DirectoryWalker::Child>> HomeReader::list(const std::string& path)
{
    const auto folder = openFolder(path);
    return folder ? DirectoryWalker::listOpened(folder->get(), path)
                  : Result<std::vector<DirectoryWalker::Child>>(folder.status());
}

Result<std::string> HomeReader::readSmallFile(const std::string& path, std::size_t maxBytes)
{
    const auto location = locate(path);
    if (!location)
        return location.status();
    return readSmallRegularFileIn(location->parent.get(), location->name, path, maxBytes);
}

Result<std::string> HomeReader::readHead(const std::string& path, std::size_t bytes)
{
    const auto location = locate(path);
    const auto file = location ? ReadOnlyFile::openIn(location->parent.get(), location->name, path)
                               : Result<ReadOnlyFile>(location.status());
    if (!file)
        return file.status();
    std::string head(bytes, '\0');
    const auto read = file->readAt(head.data(), head.size(), 0);
    if (!read)
        return read.status();
    head.resize(*read);
    return head;
}

Result<std::string> HomeReader::readLink(const std::string& path)
{
    const auto location = locate(path);
    if (!location)
        return location.status();
    char target[4096];
    const ssize_t n = ::readlinkat(location->parent.get(), location->name.c_str(), target, sizeof target);
    if (n < 0)
        return lastError();
    if (std::size_t(n) == sizeof target)
        return Failure{ENAMETOOLONG}; // cut short
    return std::string(target, std::size_t(n));
}
