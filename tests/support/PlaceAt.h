#pragma once
// A test's own path as the file operations take it: the parent folder opened by its
// whole path (the test made it), the name inside it.

#include "Models/Paths.h"
#include "Platform/FileOperations.h"

#include <fcntl.h>

class PlaceAt {
  public:
    explicit PlaceAt(const std::string& path)
        : parent_(::open(paths::parent(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
          place_{parent_.get(), paths::lastComponent(path), path}
    {
    }
    operator const fileops::Place&() const { return place_; }
    const fileops::Place& place() const { return place_; }

  private:
    UniqueFd parent_;
    fileops::Place place_;
};
