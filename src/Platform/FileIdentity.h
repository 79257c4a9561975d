#pragma once
// What identifies a file on disk whatever its names, and what it occupies there.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <sys/stat.h>

struct FileIdentity {
    dev_t dev;
    ino_t ino;

    static FileIdentity of(const struct stat& st) { return {st.st_dev, st.st_ino}; }
    bool operator==(const FileIdentity&) const = default;
};

struct FileIdentityHash {
    std::size_t operator()(const FileIdentity& k) const
    {
        return std::hash<ino_t>()(k.ino) * 31 + std::hash<dev_t>()(k.dev);
    }
};

// Bytes the file occupies on disk (allocated blocks), which is what freeing it returns.
inline std::int64_t allocatedBytes(const struct stat& st) { return std::int64_t(st.st_blocks) * 512; }
