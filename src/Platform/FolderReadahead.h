#pragma once
// Reads the folders of one tree ahead of a depth-first walk, as tasks on the walk pool.
//
// The walk itself stays on its own thread and visits entries in the same pre-order as
// a walk without read-ahead, so every result built on the order is unchanged; only the
// waiting moves off that thread. Folders are read (opened, listed, sorted, their files'
// attributes read) by the pool in the order the walk will reach them: a task's key is
// the chain of child indices from the root, and the pool always takes the smallest.
// What was read and not yet reached is bounded, in folders and in entries; the walk
// reads a folder itself when the pool has not started it.
//
// A folder the walk may enter is read ahead only when the rules say the walk would
// enter it (not hidden when hidden entries are skipped, not a package, above the
// deepest level, not a name that is never entered, not a mount point). When the walk
// decides otherwise after all, what was read below it is dropped.

#include "Platform/DirectoryWalker.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <vector>

class FolderReadahead {
  public:
    using Kind = DirectoryWalker::Kind;

    // An open folder, closed with its last user.
    struct OpenFolder {
        int fd;
        explicit OpenFolder(int descriptor) : fd(descriptor) {}
        ~OpenFolder();
        OpenFolder(const OpenFolder&) = delete;
        OpenFolder& operator=(const OpenFolder&) = delete;
    };

    struct Listing;
    static constexpr std::int32_t kUnread = -1;     // attributes not read ahead
    static constexpr std::int32_t kUnreadable = -2; // read ahead, and failed
    struct Child {
        std::string name;
        Kind kind;
        std::int32_t attributes = kUnread; // index into Listing::attributes
        std::shared_ptr<Listing> folder;   // read ahead, or waiting to be
    };

    struct Listing {
        enum class State : unsigned char { queued, reading, read, dropped };
        std::string path; // as the walk names it
        int level = 0;    // the root is 0, its children 1
        std::vector<std::uint32_t> position;
        std::shared_ptr<const OpenFolder> parent; // until this folder is open
        std::shared_ptr<const OpenFolder> folder;
        bool listed = false; // opened (on the root's file system) and read
        int error = 0;       // why it was not
        std::vector<Child> children;
        std::vector<struct stat> attributes;
        State state = State::queued;
        bool counted = false;          // held in the read-ahead bound
        std::size_t scheduledUpTo = 0; // children before this index were looked at for read-ahead
    };

    // Every child of an open folder, byte-wise ordered unless `byName` is false (then in
    // the order the file system lists them, which costs nothing to sort).
    static Status list(int folderFd, std::vector<Child>& out, bool byName = true);

    // Takes ownership of rootFd; rootPath names it in paths.
    FolderReadahead(int rootFd, std::string rootPath, const DirectoryWalker::Options& options);
    ~FolderReadahead();
    FolderReadahead(const FolderReadahead&) = delete;
    FolderReadahead& operator=(const FolderReadahead&) = delete;

    std::shared_ptr<Listing> root();
    // The folder that is child `index` of `parent`, which the walk enters now.
    std::shared_ptr<Listing> enter(Listing& parent, std::size_t index);
    // The walk does not enter child `index` after all.
    void skip(Listing& parent, std::size_t index);
    // The walk has reached child `index`: folders a little further on are read ahead.
    void advance(Listing& parent, std::size_t index)
    {
        if (parent.scheduledUpTo < parent.children.size() && index + kWindow / 2 >= parent.scheduledUpTo)
            extend(parent, index);
    }
    // How many children ahead of the walk, in one folder, are looked at for read-ahead:
    // a folder of a million subfolders must not queue a million tasks at once.
    static constexpr std::size_t kWindow = 256;

    // The rules that decide whether the walk may enter a child folder of a listing.
    bool mayEnter(const Listing& parent, const Child& child) const;
    // A mount point is neither reported nor entered.
    bool isMountPoint(const Listing& parent, const Child& child) const;

  private:
    void extend(Listing& parent, std::size_t index);

    struct Shared;
    std::shared_ptr<Shared> shared_;
};
