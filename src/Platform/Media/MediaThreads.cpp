#include "Platform/Media/MediaThreads.h"

#include <dirent.h>
#include <dlfcn.h>
#include <glib.h>

#include <thread>

namespace mediathreads {

namespace {

// A pooled thread waits this long for more work in its own pool before it leaves it; with no
// idle threads allowed, it then ends.
constexpr auto kPoolLinger = std::chrono::milliseconds(500);
constexpr auto kPoll = std::chrono::milliseconds(10);
constexpr int kSteadyPolls = 5;

bool frameworkLoaded()
{
    void* library = ::dlopen("libgstreamer-1.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return false;
    ::dlclose(library);
    return true;
}

int threadCount()
{
    DIR* tasks = ::opendir("/proc/self/task");
    if (!tasks)
        return -1;
    int count = 0;
    while (const dirent* entry = ::readdir(tasks))
        if (entry->d_name[0] != '.')
            ++count;
    ::closedir(tasks);
    return count;
}

} // namespace

void endPooled(std::chrono::milliseconds patience)
{
    if (!frameworkLoaded())
        return;
    g_thread_pool_set_max_unused_threads(0);
    g_thread_pool_stop_unused_threads();
    // Threads still lingering in their own pool leave it within kPoolLinger and end; an ending
    // thread is gone from the task list only once it has ended.
    const auto start = std::chrono::steady_clock::now();
    int last = threadCount();
    int steady = 0;
    while (std::chrono::steady_clock::now() - start < patience) {
        std::this_thread::sleep_for(kPoll);
        const int now = threadCount();
        steady = now == last && g_thread_pool_get_num_unused_threads() == 0 ? steady + 1 : 0;
        last = now;
        if (steady >= kSteadyPolls && std::chrono::steady_clock::now() - start > kPoolLinger + kPoll * kSteadyPolls)
            return;
    }
}

} // namespace mediathreads
