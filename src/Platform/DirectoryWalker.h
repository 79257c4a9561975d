#pragma once
// Depth-first walk of a folder tree, relative to open directory descriptors.
//
// - Children of each folder are visited in byte-wise name order, so every "discovery
//   order" built on a walk is deterministic.
// - A folder is reported before its contents (pre-order); level 1 = direct children.
// - Symbolic links are reported as links and never followed.
// - A folder that cannot be opened is reported but contributes nothing; the walk goes on.
// - Attributes are read (fstatat, AT_SYMLINK_NOFOLLOW) only when the visitor asks, or
//   ahead of the walk for regular files when the options say so.
// - The walk stays on the root's file system: a mount point below the root is neither
//   reported nor entered (as du -x), so a stalled network mount cannot hold it up.
// - Folders are read ahead on the walk pool; the visitor is called on the walking
//   thread, in the order above, whatever the number of threads.

#include "Platform/Result.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

class DirectoryWalker {
  public:
    enum class Kind : unsigned char { regular, directory, symlink, other };

    struct Options {
        bool skipHidden = false;   // names starting with "." are neither reported nor entered
        bool skipPackages = false; // package folders (app, bundle, ...) are reported, never entered
        // Folders at this level are reported, never entered (1 = the root's children).
        int maxLevel = std::numeric_limits<int>::max();
        // Folders of these names are reported, never entered; the names outlive the walk.
        std::span<const std::string_view> neverEnter = {};
        // Regular files' attributes are read with their folder, ahead of the walk.
        bool readFileAttributes = false;
        // When given, the root is reached from this folder (which holds it) without
        // following any link and never lies on another file system mounted below it;
        // otherwise only the root's last component must not be a link.
        std::string_view within = {};
    };

    class Entry {
      public:
        std::string_view name() const { return name_; }
        const std::string& path() const { return path_; }
        int level() const { return level_; }
        Kind kind() const { return kind_; }
        bool isDirectory() const { return kind_ == Kind::directory; }
        bool isRegularFile() const { return kind_ == Kind::regular; }
        // lstat of the entry, read on first use; nullptr when it cannot be read.
        const struct stat* stat() const;
        // The open folder that holds it, for work relative to it during the visit.
        int folderFd() const { return dirFd_; }

      private:
        friend class DirectoryWalker;
        int dirFd_ = -1;
        const struct stat* known_ = nullptr; // read ahead
        std::string_view name_;
        const std::string& path_;
        int level_ = 0;
        Kind kind_ = Kind::other;
        mutable bool statLoaded_ = false;
        mutable bool statOk_ = false;
        mutable struct stat stat_ {
        };
        Entry(const std::string& path) : path_(path) {}
    };

    enum class Visit { proceed, skipDescendants, stop };
    using Visitor = std::function<Visit(const Entry&)>;

    // Walks everything below `root` (root itself is not reported). Fails when root could
    // not be opened as a folder.
    static Status walk(const std::string& root, const Options& options, const Visitor& visitor);

    // The same below an opened folder (the descriptor is duplicated, not taken); `path`
    // names the folder in what the visitor sees.
    static void walkOpened(int folderFd, const std::string& path, const Options& options, const Visitor& visitor);

    // Regular files at most maxLevel deep, with their attributes. Folders at maxLevel are
    // not opened: their children would lie beyond it. `prune`, when given, is asked first
    // about every entry, file or folder; true leaves it and everything below it out.
    using FileVisitor = std::function<void(const Entry&, const struct stat&)>;
    using Pruner = std::function<bool(const Entry&)>;
    static Status walkRegularFiles(const std::string& root, const Options& options, int maxLevel,
                                   const FileVisitor& visitor, const Pruner& prune = {});

    // Direct children of a folder (hidden ones included), in byte-wise order. A file
    // system mounted at a child is not part of the folder: that child is left out.
    struct Child {
        std::string name;
        Kind kind;
    };
    static Result<std::vector<Child>> list(const std::string& folder, std::string_view within = {});
    // Every child of an opened folder, mount points included: whoever removes the folder
    // must meet them to stop there. `asListed` skips the ordering, for huge folders whose
    // order nobody sees (a Trash of a million entries).
    enum class Order { byName, asListed };
    static Result<std::vector<Child>> listOpened(int folderFd, const std::string& folderPath,
                                                 Order order = Order::byName);

    static bool isPackageExtension(std::string_view lowercasedExtension);
    static Kind kindOfMode(mode_t mode);

  private:
    static Result<int> openRoot(const std::string& root, std::string_view within);
    static void walkFrom(int rootFd, const std::string& root, const Options& options, const Visitor& visitor);
};

// The kind of object at a path without following a final symbolic link; nullopt when absent.
// With `within`, reached as a walk's root is (nullopt when a link or a mount is met).
std::optional<DirectoryWalker::Kind> kindAtPath(const std::string& path, std::string_view within = {});
