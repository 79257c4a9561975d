#pragma once
// The desktop's Trash (freedesktop.org layout): a `files/` folder holding what was
// trashed and an `info/` folder holding one `<name>.trashinfo` per entry, which says
// where the entry came from and when it was trashed. The home trash lives at
// home/.local/share/Trash; a file system other than the home's has its own
// `$topdir/.Trash-$uid`. Every entry we make gets its info file, so the desktop's
// Trash shows it and can put it back too.
//
// A name in files/ is reserved by creating its info file exclusively first, then the
// item is moved in without replacing anything; nothing is ever overwritten.

#include "Models/Basics.h"

#include <optional>
#include <string>

class Trash {
  public:
    static Trash homeTrash(const URL& home);
    // The per-user trash of the file system mounted at `topdir`.
    static Trash topdirTrash(const URL& topdir);

    const URL& filesFolder() const { return files_; }
    const URL& infoFolder() const { return info_; }

    // Creates files/ and info/ (private to the user for a topdir trash). 0 or errno.
    int prepare() const;

    // Moves `item` to files/<name> with its info file. Fails (EEXIST) when the name is
    // taken, so the caller can choose another way. Returns the new location.
    std::optional<URL> moveIn(const URL& item, const std::string& name, int* error = nullptr) const;
    // Like moveIn, under the first free name among `name`, `name.2`, `name.3`...
    std::optional<URL> moveInUnderFreeName(const URL& item, const std::string& name, int* error = nullptr) const;
    // An empty folder files/<free name> whose info file names `originalPath`, for
    // children that are moved in one by one.
    std::optional<URL> makeFolderFor(const URL& originalPath, const std::string& name) const;

    // The info file that belongs to an entry of a files/ folder; nullopt for a path
    // that is not directly inside a trash's files/.
    static std::optional<URL> infoFileOf(const URL& trashedPath);
    // Removes that info file when there is one (after a restore or a deletion).
    static void forgetEntry(const URL& trashedPath);

    // The system's move-to-Trash call: into the home trash when the item lies on the
    // home trash's file system, else into its own file system's `$topdir/.Trash-$uid`.
    // Returns where the item went.
    static std::optional<URL> trashItem(const URL& item, const URL& home, int* error = nullptr);

    // Info file text: "Path=" percent-encoded path bytes, "DeletionDate=" local time.
    static std::string infoFileText(const std::string& pathValue, Date deletedAt);
    static std::string percentEncodePath(const std::string& bytes);
    static std::string percentDecode(const std::string& text);

  private:
    Trash(URL root, URL topdir);
    // What an info file says for `originalPath`: absolute in the home trash, relative
    // to the topdir in a topdir trash (so the disk may be mounted elsewhere).
    std::string pathValueFor(const URL& originalPath) const;
    // Reserves files/<name> for `originalPath` by creating its info file; 0 or errno.
    int reserveName(const std::string& name, const URL& originalPath) const;
    void releaseName(const std::string& name) const;

    URL files_;
    URL info_;
    URL topdir_; // empty for the home trash
};
