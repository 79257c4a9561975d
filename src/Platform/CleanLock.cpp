#include "Platform/CleanLock.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

CleanLock::Folder CleanLock::defaultFolder(const std::string& accountHome)
{
    struct stat st;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime && runtime[0] == '/' && ::stat(runtime, &st) == 0 && S_ISDIR(st.st_mode))
        return {runtime, ""};
    return stateFolderInside(accountHome);
}

Result<CleanLock> CleanLock::acquire(const Folder& folder, std::chrono::milliseconds patience)
{
    const auto opened = folder.open();
    if (!opened)
        return opened.status();
    const int fd = ::openat(opened->get(), "quillmere-clean.lock", O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    UniqueFd lockFile(fd);

    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (::flock(lockFile.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return lastError();
        if (std::chrono::steady_clock::now() >= deadline)
            return Failure{EWOULDBLOCK};
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return CleanLock(std::move(lockFile));
}
