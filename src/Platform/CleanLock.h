#pragma once
// One clean or restore at a time per user, across every process of this program: an
// flock on a lock file under $XDG_RUNTIME_DIR (else ~/.local/state/quillmere). The
// kernel drops the lock when its holder ends, however it ends.

#include "Platform/PrivateFolder.h"
#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <chrono>
#include <string>

class CleanLock {
  public:
    // Where the lock file lives.
    using Folder = PrivateFolder;
    // $XDG_RUNTIME_DIR when it names an existing folder, else accountHome/.local/state/quillmere.
    static Folder defaultFolder(const std::string& accountHome);

    // Takes the lock, waiting up to `patience` while another holds it; EWOULDBLOCK when
    // it is still held then.
    static Result<CleanLock> acquire(const Folder& folder, std::chrono::milliseconds patience);

    // How long a second clean or restore waits before it says another one is running.
    static constexpr std::chrono::milliseconds kPatience{3000};

  private:
    explicit CleanLock(UniqueFd fd) : fd_(std::move(fd)) {}
    UniqueFd fd_;
};
