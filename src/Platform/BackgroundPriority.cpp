#include "Platform/BackgroundPriority.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<int> backgroundNiceness{0};
std::atomic<bool> backgroundIdleClass{false};

} // namespace

void BackgroundPriority::setNiceness(int niceness) { backgroundNiceness = std::clamp(niceness, 0, 19); }

void BackgroundPriority::setIdleClass(bool idle) { backgroundIdleClass = idle; }

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
    if (backgroundIdleClass.load() && ::sched_getscheduler(pid_t(thread)) == SCHED_OTHER) {
        const sched_param none{};
        ::sched_setscheduler(pid_t(thread), SCHED_IDLE, &none);
    }
}
