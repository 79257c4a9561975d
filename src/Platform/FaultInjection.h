#pragma once
// A seam through which tests make chosen file-system operations fail. CI runs as root,
// where permission bits stop nothing, so "permission denied", "busy" or "another file
// system" are injected here while every other operation stays real. With no hook
// installed the check is one relaxed atomic load.

#include <functional>
#include <string_view>

namespace fault {

enum class Op {
    openDirectory, // opening a folder to list or walk it
    openFile,      // opening a file to read it
    readFile,      // one read from an open file
    stat,          // reading a file's attributes
    rename,        // moving within or across folders
    remove,        // unlinking a file or removing a folder
    makeDirectory,
    trashCall,       // the desktop's move-to-Trash fallback
    renameNoReplace, // the kernel's no-replace rename; EINVAL here stands for "flag unsupported"
    link,            // a second name for a file (the move fallback without that flag)
    writeFile,       // creating and writing a small file (a Trash info file)
    openBeneath,     // the kernel's resolution below a root; ENOSYS here stands for "not in this kernel"
    dedupe,          // one request to merge a copy's extents with its original's
};

// Returns 0 when the operation may go ahead, otherwise the errno it must fail with.
int check(Op op, std::string_view path);

using Hook = std::function<int(Op, std::string_view path)>;

// Installs a hook for the lifetime of the object (tests only; not thread-safe to swap
// while file work runs).
class ScopedHook {
  public:
    explicit ScopedHook(Hook hook);
    ~ScopedHook();
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;
};

} // namespace fault
