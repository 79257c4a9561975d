#include "Platform/DescriptorTable.h"

#include "Platform/UniqueFd.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/resource.h>

void DescriptorTable::reserve(int descriptors)
{
    rlimit limit{};
    if (descriptors <= 0 || ::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return;
    const rlim_t room = std::min(rlim_t(descriptors), limit.rlim_cur);
    if (room < 1)
        return;
    // Any descriptor at the last place grows the table; a free one at or above it is taken,
    // so nothing open is touched. It is closed at once: the room stays.
    const UniqueFd anchor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!anchor.valid())
        return;
    const UniqueFd last(::fcntl(anchor.get(), F_DUPFD_CLOEXEC, int(room - 1)));
}
