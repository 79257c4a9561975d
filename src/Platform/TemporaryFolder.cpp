#include "Platform/TemporaryFolder.h"

#include "Models/Paths.h"

#include <cstdlib>
#include <vector>

namespace tempfolder {

std::optional<std::string> perUserParentOf(std::string_view temporaryDirectory)
{
    if (!temporaryDirectory.starts_with('/'))
        return std::nullopt;
    const std::string folder = paths::standardized(temporaryDirectory);
    // Walk up five components: T, <b>, <a>, folders, var.
    std::vector<std::string> tail;
    std::string cursor = folder;
    for (int i = 0; i < 5 && cursor != "/"; ++i) {
        tail.push_back(paths::lastComponent(cursor));
        cursor = paths::parent(cursor);
    }
    if (tail.size() != 5 || tail[0] != "T" || tail[3] != "folders" || tail[4] != "var")
        return std::nullopt;
    if (tail[1].empty() || tail[2].empty())
        return std::nullopt;
    return paths::parent(folder);
}

std::optional<std::string> perUserTemporaryParent()
{
    const char* fromEnvironment = std::getenv("TMPDIR");
    return perUserParentOf(fromEnvironment && *fromEnvironment ? fromEnvironment : "/tmp");
}

} // namespace tempfolder
