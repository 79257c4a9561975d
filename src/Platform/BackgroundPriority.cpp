#include "Platform/BackgroundPriority.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<int> backgroundNiceness{0};

// The scheduler's own attributes, as the kernel reads them (glibc has no wrapper for them).
struct SchedAttributes {
    std::uint32_t size = sizeof(SchedAttributes);
    std::uint32_t policy = SCHED_OTHER;
    std::uint64_t flags = 0;
    std::int32_t nice = 0;
    std::uint32_t priority = 0;
    std::uint64_t runtime = 0; // for the fair class (Linux 6.12 and later): the thread's slice
    std::uint64_t deadline = 0;
    std::uint64_t period = 0;
};

// A background thread runs in slices longer than anything else's: the kernel (6.12 and later)
// lets a thread that wakes with a shorter slice than the running one's take the core at once.
// With equal slices a running walker kept its core until its slice was over, and the kernel
// only looks again at its next tick (4 ms at 250 Hz): a woken GUI thread, or a painting helper
// it waits on, sat behind a walker for that long, several times a frame. The default slice
// is at most 3 ms.
constexpr std::uint64_t kBackgroundSliceNs = 8'000'000;

void takeLongSlices(id_t thread, int niceness)
{
    // Only for the normal and batch classes: a thread someone put in another keeps it.
    const int policy = ::sched_getscheduler(pid_t(thread)) & ~SCHED_RESET_ON_FORK;
    if (policy != SCHED_OTHER && policy != SCHED_BATCH)
        return;
    SchedAttributes attributes;
    attributes.policy = std::uint32_t(policy);
    attributes.nice = niceness;
    attributes.runtime = kBackgroundSliceNs;
    // Kernels before 6.12 ignore the slice; a refusal leaves the niceness set above.
    ::syscall(SYS_sched_setattr, thread, &attributes, 0u);
}

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
    if (errno != 0)
        return;
    if (current < wanted)
        ::setpriority(PRIO_PROCESS, thread, wanted);
    takeLongSlices(thread, std::max(current, wanted));
}
