#include "Services/FreeableSize.h"

#include "Platform/DirectoryWalker.h"
#include "Platform/FileIdentity.h"

#include <unordered_map>

Int64 freeableSize(const Path& url, int maxDepth)
{
    const auto kind = kindAtPath(url);
    if (!kind || *kind == DirectoryWalker::Kind::symlink)
        return 0;
    if (*kind != DirectoryWalker::Kind::directory) {
        struct stat st;
        return lstat(url.c_str(), &st) == 0 && st.st_nlink <= 1 ? allocatedBytes(st) : 0;
    }
    struct Shared {
        nlink_t namesInside = 0;
        nlink_t names = 0;
        Int64 bytes = 0;
    };
    Int64 total = 0;
    std::unordered_map<FileIdentity, Shared, FileIdentityHash> shared;
    DirectoryWalker::walkRegularFiles(url, {}, maxDepth, [&](const DirectoryWalker::Entry&, const struct stat& st) {
        if (st.st_nlink <= 1) {
            total += allocatedBytes(st);
            return;
        }
        Shared& file = shared[FileIdentity::of(st)];
        ++file.namesInside;
        file.names = st.st_nlink;
        file.bytes = allocatedBytes(st);
    });
    for (const auto& [identity, file] : shared)
        if (file.namesInside >= file.names)
            total += file.bytes;
    return total;
}
