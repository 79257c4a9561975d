#pragma once
// The desktop's Trash (freedesktop.org layout): a `files/` folder holding what was
// trashed and an `info/` folder holding one `<name>.trashinfo` per entry, which says
// where the entry came from and when it was trashed. The home trash lives at
// home/.local/share/Trash; a file system other than the home's has its own
// `$topdir/.Trash-$uid`. Every entry we make gets its info file, so the desktop's
// Trash shows it and can put it back too.
//
// A trash is reached from its root (the home, the mount's top folder) without following
// any link, and is worked on through its opened folders: a trash whose folders are links
// is neither used nor emptied. A name in files/ is reserved by creating its info file
// exclusively first, then the item is moved in without replacing anything.

#include "Models/Basics.h"
#include "Models/FileStamp.h"
#include "Platform/FileOperations.h"
#include "Platform/Result.h"

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

class Trash {
  public:
    // The home trash. `create` makes its missing folders, private to the user; without it,
    // a missing info/ is allowed (the trash can be looked at and emptied, not filled).
    static Result<Trash> openHome(const Path& home, bool create = true);
    // The per-user trash of the file system mounted at `topdir`; used only when it is a
    // real folder owned by the user.
    static Result<Trash> openTopdir(const Path& topdir, bool create = true);
    // The trash whose files/ folder directly holds `entryPath`, and the entry's name there.
    static Result<std::pair<Trash, std::string>> openHolding(const Path& entryPath, const Path& home);

    // Where the home trash keeps its entries, whether or not it exists.
    static Path homeFilesFolder(const Path& home);

    const Path& filesFolder() const { return filesPath_; }
    const Path& infoFolder() const { return infoPath_; }
    fileops::Place entry(const std::string& name) const;

    // Moves the item to files/<name> with its info file. EEXIST when the name is taken,
    // so the caller can choose another way. Returns the new location.
    Result<Path> moveIn(const fileops::Place& item, const std::string& name) const;
    // Like moveIn, under the first free name among `name`, `name.2`, `name.3`...
    Result<Path> moveInUnderFreeName(const fileops::Place& item, const std::string& name) const;
    // An empty folder files/<free name> whose info file names `originalPath`, for
    // children that are moved in one by one. Returns the name it got.
    Result<std::string> makeFolderFor(const Path& originalPath, const std::string& name) const;
    // Removes an entry's info file (after a restore or a deletion).
    void forget(const std::string& name) const;

    // Whether the entry's info file says this program put it there; an info file that is
    // there but cannot be read counts as ours, so that nothing unknown is emptied.
    bool isWrittenHere(const std::string& name) const;
    // The names of every entry isWrittenHere holds for (info files whose entry is gone
    // included); fails when info/ cannot be listed.
    Result<std::set<std::string>> entriesWrittenHere() const;

    // The entries of files/ as they stand now (entryStampOf), each with the bytes it holds
    // within `maxLevel` levels below files/ (0: identities only, nothing measured).
    Result<std::vector<FolderEntryStamp>> entries(int maxLevel) const;
    // The same, and in the same walk the bytes of every entry within `nearLevel` levels
    // (nearLevel <= maxLevel), summed: one pass serves two depths of measure.
    struct Measured {
        std::vector<FolderEntryStamp> entries;
        std::int64_t nearBytes = 0;
    };
    Result<Measured> measureEntries(int nearLevel, int maxLevel) const;

    // The system's move-to-Trash call: into the home trash when the item lies on the
    // home trash's file system, else into its own file system's `$topdir/.Trash-$uid`
    // when that file system is mounted inside the home. Nothing outside the home gets a
    // trash: EXDEV then. Returns where the item went.
    static Result<Path> trashItem(const fileops::Place& item, const Path& home);

    // Info file text: "Path=" percent-encoded path bytes, "DeletionDate=" local time, and
    // a line that marks the file as written by this program.
    static std::string infoFileText(const std::string& pathValue, Date deletedAt);
    static std::string percentEncodePath(const std::string& bytes);
    static std::string percentDecode(const std::string& text);

  private:
    Trash(UniqueFd files, UniqueFd info, Path root, Path topdir);
    static Result<Trash> openBelow(int rootFd, const Path& root, const std::string& relative, Path topdir, bool create);

    // What an info file says for `originalPath`: absolute in the home trash, relative
    // to the topdir in a topdir trash (so the disk may be mounted elsewhere).
    std::string pathValueFor(const Path& originalPath) const;
    fileops::Place infoFileOf(const std::string& name) const;
    // Reserves files/<name> for `originalPath` by creating its info file.
    Status reserveName(const std::string& name, const Path& originalPath) const;
    // Info files this program wrote whose entry is gone (a clean killed between the
    // reservation and the move) are removed before the first new reservation.
    void sweepStaleInfoFiles() const;

    std::shared_ptr<UniqueFd> files_;
    std::shared_ptr<UniqueFd> info_;
    Path filesPath_;
    Path infoPath_;
    Path topdir_; // empty for the home trash
    std::shared_ptr<bool> swept_;
};
