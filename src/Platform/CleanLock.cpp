#include "Platform/CleanLock.h"

#include "Models/Paths.h"
#include "Platform/OwnedPath.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

CleanLock::Folder CleanLock::defaultFolder(const std::string& accountHome)
{
    if (const char* testFolder = std::getenv("QUILLMERE_LOCK_DIR"); testFolder && testFolder[0] == '/')
        return {testFolder, ""};
    return folderFor(::geteuid(), "/run/user", accountHome);
}

CleanLock::Folder CleanLock::folderFor(uid_t uid, const Path& runtimeBase, const std::string& accountHome)
{
    const Path runtime = paths::join(runtimeBase, std::to_string(uid));
    struct stat st;
    if (::lstat(runtime.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid &&
        (st.st_mode & (S_IWGRP | S_IWOTH)) == 0)
        return {runtime, ""};
    return stateFolderInside(accountHome);
}

Result<CleanLock> CleanLock::acquire(const Folder& folder, std::chrono::milliseconds patience)
{
    const auto opened = folder.open();
    if (!opened)
        return opened.status();
    const int fd = ::openat(opened->get(), kFileName, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    UniqueFd lockFile(fd);
    if (const auto mine = owned::checkPrivateFile(fd); !mine)
        return mine.status();

    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (::flock(lockFile.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return lastError();
        if (std::chrono::steady_clock::now() >= deadline)
            return Failure{EWOULDBLOCK};
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return CleanLock(std::move(lockFile));
}
