#include "Platform/BackgroundPriority.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/utsname.h>
#include <thread>
#include <unistd.h>

namespace {

int nicenessOfThisThread() { return ::getpriority(PRIO_PROCESS, id_t(::syscall(SYS_gettid))); }

// The thread's scheduler slice in ns, where the kernel tells it (a debug build's /proc).
std::optional<long long> sliceOfThisThread()
{
    std::ifstream sched("/proc/thread-self/sched");
    for (std::string word; sched >> word;)
        if (word == "se.slice") {
            std::string colon;
            long long slice = 0;
            if (sched >> colon >> slice)
                return slice;
        }
    return std::nullopt;
}

// Whether the kernel gives a thread a slice of its own (6.12 and later).
bool kernelTakesOwnSlices()
{
    utsname system{};
    int major = 0, minor = 0;
    return ::uname(&system) == 0 && std::sscanf(system.release, "%d.%d", &major, &minor) == 2 &&
           (major > 6 || (major == 6 && minor >= 12));
}

// A background thread takes the niceness, threads it starts inherit it, and the thread that
// set it (the GUI thread, in the window) keeps its own.
TEST(BackgroundPriority, BackgroundThreadsAndTheirChildrenStandBackButTheSetterDoesNot)
{
    const int own = nicenessOfThisThread();
    if (own + 5 > 19) // a runner started at low priority leaves no room below it
        GTEST_SKIP() << "this thread already runs at niceness " << own;
    BackgroundPriority::setNiceness(own + 5);
    const std::optional<long long> ownSlice = sliceOfThisThread();
    int background = -100, child = -100;
    std::optional<long long> backgroundSlice, childSlice;
    std::thread([&] {
        BackgroundPriority::applyToThisThread();
        background = nicenessOfThisThread();
        backgroundSlice = sliceOfThisThread();
        std::thread([&] {
            child = nicenessOfThisThread();
            childSlice = sliceOfThisThread();
        }).join();
    }).join();
    BackgroundPriority::setNiceness(0);
    EXPECT_EQ(background, own + 5);
    EXPECT_EQ(child, own + 5);
    EXPECT_EQ(nicenessOfThisThread(), own);
    // Where the kernel takes a slice of the thread's own, background threads run in longer
    // ones than the rest, so that a waking GUI thread takes a core from them at once.
    if (ownSlice && backgroundSlice && kernelTakesOwnSlices()) {
        EXPECT_GT(*backgroundSlice, *ownSlice);
        EXPECT_EQ(childSlice, backgroundSlice);
    }
    EXPECT_EQ(sliceOfThisThread(), ownSlice);
}

} // namespace
