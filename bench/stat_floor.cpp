// The floor for a walk of a home: every entry listed and stat'ed once by 16 threads,
// nothing else done. No link is followed and no other file system entered (as du -x).
//
//   stat-floor DIR [THREADS]    prints the number of entries and their allocated bytes
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Queue {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::string> folders;
    int busy = 0;
    std::atomic<long> entries{0};
    std::atomic<long long> bytes{0};
    dev_t device = 0;
};

void walkFolder(Queue& queue, const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return;
    }
    std::vector<std::string> subfolders;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st;
        if (fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        queue.entries.fetch_add(1, std::memory_order_relaxed);
        queue.bytes.fetch_add((long long)st.st_blocks * 512, std::memory_order_relaxed);
        if (S_ISDIR(st.st_mode) && st.st_dev == queue.device)
            subfolders.push_back(folder + "/" + name);
    }
    closedir(dir);
    std::lock_guard lock(queue.mutex);
    for (auto& sub : subfolders)
        queue.folders.push_back(std::move(sub));
    queue.wake.notify_all();
}

void work(Queue& queue)
{
    std::unique_lock lock(queue.mutex);
    for (;;) {
        queue.wake.wait(lock, [&] { return !queue.folders.empty() || queue.busy == 0; });
        if (queue.folders.empty())
            return;
        std::string folder = std::move(queue.folders.front());
        queue.folders.pop_front();
        ++queue.busy;
        lock.unlock();
        walkFolder(queue, folder);
        lock.lock();
        --queue.busy;
        queue.wake.notify_all();
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: stat-floor DIR [THREADS]\n");
        return 2;
    }
    const int threads = argc > 2 ? std::atoi(argv[2]) : 16;
    Queue queue;
    struct stat root;
    if (lstat(argv[1], &root) != 0 || !S_ISDIR(root.st_mode))
        return 1;
    queue.device = root.st_dev;
    queue.folders.push_back(argv[1]);
    std::vector<std::thread> pool;
    for (int i = 0; i < threads; ++i)
        pool.emplace_back(work, std::ref(queue));
    for (auto& thread : pool)
        thread.join();
    std::printf("%ld entries, %lld bytes\n", queue.entries.load(), queue.bytes.load());
    return 0;
}
