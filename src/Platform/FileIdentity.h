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

#include "Models/FileStamp.h"

// The stamp a scan records and a clean compares, from an lstat record.
inline FileStamp stampOf(const struct stat& st)
{
    FileStamp stamp;
    stamp.device = std::uint64_t(st.st_dev);
    stamp.inode = std::uint64_t(st.st_ino);
    stamp.kind = S_ISREG(st.st_mode)   ? FileStamp::Kind::file
                 : S_ISDIR(st.st_mode) ? FileStamp::Kind::folder
                 : S_ISLNK(st.st_mode) ? FileStamp::Kind::link
                                       : FileStamp::Kind::other;
    if (stamp.kind == FileStamp::Kind::file) {
        stamp.sizeBytes = std::int64_t(st.st_size);
        stamp.modifiedNanoseconds = std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    }
    return stamp;
}

// Everything that tells a Trash entry from another under its name: the type, size and both
// times of whatever kind it is, besides device and inode. An inode number freed by emptying
// may go at once to the next file made there, even under the same name.
inline FileStamp entryStampOf(const struct stat& st)
{
    FileStamp stamp = stampOf(st);
    stamp.sizeBytes = std::int64_t(st.st_size);
    stamp.modifiedNanoseconds = std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    stamp.changedNanoseconds = std::int64_t(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
    return stamp;
}
