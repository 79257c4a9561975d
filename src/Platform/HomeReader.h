#pragma once
// Looking at a home the way a clean later acts on it: a path inside the home is reached
// from the home folder one component at a time, never through a symbolic link, so a
// folder of the home swapped for a link sends no listing, size or read elsewhere. A path
// outside the home (the machine's own installations under /var/lib, /snap) is reached as
// given, only its last component never followed.

#include "Platform/Beneath.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

class HomeReader {
  public:
    explicit HomeReader(std::string home);

    // The folder at `path`; ELOOP when a link is met on the way.
    Result<UniqueFd> openFolder(const std::string& path);
    // The attributes of what is at `path`, not following it.
    Result<struct stat> stat(const std::string& path);
    // What is at `path`, not following it; nullopt when it cannot be reached.
    std::optional<DirectoryWalker::Kind> kindOf(const std::string& path);
    bool isFolder(const std::string& path) { return kindOf(path) == DirectoryWalker::Kind::directory; }
    // Children of the folder at `path`, in byte-wise order.
    Result<std::vector<DirectoryWalker::Child>> list(const std::string& path);
    // A whole regular file of at most maxBytes.
    Result<std::string> readSmallFile(const std::string& path, std::size_t maxBytes);
    // The first `bytes` bytes of a regular file (fewer when it is shorter).
    Result<std::string> readHead(const std::string& path, std::size_t bytes);
    // The text of the link at `path`.
    Result<std::string> readLink(const std::string& path);

  private:
    // The opened folder holding `path`, and its name there.
    Result<beneath::Location> locate(const std::string& path);

    std::string home_;
    beneath::Roots roots_;
};
