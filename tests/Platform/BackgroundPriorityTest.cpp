#include "Platform/BackgroundPriority.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

int nicenessOfThisThread() { return ::getpriority(PRIO_PROCESS, id_t(::syscall(SYS_gettid))); }

// A background thread takes the niceness, threads it starts inherit it, and the thread that
// set it (the GUI thread, in the window) keeps its own.
TEST(BackgroundPriority, BackgroundThreadsAndTheirChildrenStandBackButTheSetterDoesNot)
{
    const int own = nicenessOfThisThread();
    BackgroundPriority::setNiceness(own + 5);
    int background = -100, child = -100;
    std::thread([&] {
        BackgroundPriority::applyToThisThread();
        background = nicenessOfThisThread();
        std::thread([&] { child = nicenessOfThisThread(); }).join();
    }).join();
    BackgroundPriority::setNiceness(0);
    EXPECT_EQ(background, own + 5);
    EXPECT_EQ(child, own + 5);
    EXPECT_EQ(nicenessOfThisThread(), own);
}

} // namespace
