#pragma once
// One clean or restore at a time per user, across every process of this program: an
// flock on one lock file per user, wherever the process was started from (a desktop
// session, cron, ssh, su): /run/user/$UID when that is the user's own private folder,
// else ~/.local/state/quillmere of the account. The kernel drops the lock when its
// holder ends, however it ends. Any failure to take it is a refusal: a lock that cannot
// be taken cannot tell whether someone else holds it.

#include "Platform/PrivateFolder.h"
#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <chrono>
#include <string>
#include <sys/types.h>

class CleanLock {
  public:
    // Where the lock file lives.
    using Folder = PrivateFolder;
    static constexpr const char* kFileName = "quillmere-clean.lock";

    // The user's lock folder. QUILLMERE_LOCK_DIR, when set to an absolute path, replaces
    // it: test runs point every process they start at a folder of their own with it.
    static Folder defaultFolder(const std::string& accountHome);
    // `runtimeBase`/<uid> when it is a real folder of that user closed to others, else
    // the account's state folder. The desktop's variables play no part.
    static Folder folderFor(uid_t uid, const Path& runtimeBase, const std::string& accountHome);

    // Takes the lock, waiting up to `patience` while another holds it; EWOULDBLOCK when
    // it is still held then. A lock file that is a link, not a regular file, not ours or
    // writable by others fails with its reason.
    static Result<CleanLock> acquire(const Folder& folder, std::chrono::milliseconds patience);

    // How long a second clean or restore waits before it says another one is running.
    static constexpr std::chrono::milliseconds kPatience{3000};

  private:
    explicit CleanLock(UniqueFd fd) : fd_(std::move(fd)) {}
    UniqueFd fd_;
};
