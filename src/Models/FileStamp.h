#pragma once
// What a scan saw of a path it offered for cleaning: which object it was (device, inode,
// kind) and, for a file, its size and modification time. A clean compares it with what
// stands at the path just before it acts, so an object replaced or edited since the
// scan is left alone.

#include <cstdint>
#include <string>

struct FileStamp {
    enum class Kind : unsigned char { file, folder, link, other };

    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    Kind kind = Kind::other;
    std::int64_t sizeBytes = 0;           // files only
    std::int64_t modifiedNanoseconds = 0; // files only, since 1970
    // Inode change time: only for a Trash entry, where nothing should touch the object
    // between the scan and the clean.
    std::int64_t changedNanoseconds = 0;

    bool isSameObject(const FileStamp& other) const
    {
        return device == other.device && inode == other.inode && kind == other.kind;
    }
    // The same object and, for a file, the same content as far as size and time tell. A
    // folder's contents may change (a cache keeps working): only its identity counts.
    bool isUnchangedIn(const FileStamp& now) const
    {
        return isSameObject(now) &&
               (kind != Kind::file || (sizeBytes == now.sizeBytes && modifiedNanoseconds == now.modifiedNanoseconds));
    }

    bool operator==(const FileStamp&) const = default;
};

// An entry of a folder as a scan recorded it (the Trash's entries), with the bytes it held.
struct FolderEntryStamp {
    std::string name;
    FileStamp stamp;
    std::int64_t bytes = 0;

    bool operator==(const FolderEntryStamp&) const = default;
};
