#include "Platform/BackgroundPriority.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<int> backgroundNiceness{0};

} // namespace

void BackgroundPriority::setNiceness(int niceness) { backgroundNiceness = std::clamp(niceness, 0, 19); }

void BackgroundPriority::applyToThisThread()
{
    const int wanted = backgroundNiceness.load();
    if (wanted == 0)
        return;
    // On Linux the niceness belongs to the thread, named by its thread id. Only ever raised:
    // lowering it back would need a privilege the person may not have.
    const auto thread = id_t(::syscall(SYS_gettid));
    errno = 0;
    const int current = ::getpriority(PRIO_PROCESS, thread);
    if (errno == 0 && current < wanted)
        ::setpriority(PRIO_PROCESS, thread, wanted);
}
