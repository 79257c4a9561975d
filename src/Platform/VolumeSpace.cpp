#include "Platform/VolumeSpace.h"

#include "Platform/UniqueFd.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

Result<std::int64_t> settledAvailableBytes(const std::string& folder)
{
    const UniqueFd fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        return lastError();
    if (syncfs(fd.get()) != 0)
        return lastError();
    struct statvfs vfs;
    if (fstatvfs(fd.get(), &vfs) != 0)
        return lastError();
    return std::int64_t(vfs.f_bavail) * std::int64_t(vfs.f_frsize);
}
