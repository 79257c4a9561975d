#pragma once
// The threads that read folders for the walks. Walking waits on the disk far more than
// it computes, so the pool holds more threads than there are cores: each keeps one
// request in flight. Shared by every walk of the process, so walks that run at the same
// time (the phases of a scan) share one bound.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class WalkPool {
  public:
    static WalkPool& shared();

    // Four per core, at most 16.
    static int defaultThreadCount();
    // 1 means no pool at all: every walk reads its folders itself, one at a time, and a
    // scan runs its phases one after another. Set it while no walk runs.
    void setThreadCount(int count);
    int threadCount() const;

    void post(std::function<void()> job);

    ~WalkPool();

  private:
    WalkPool();
    void stopWorkers(std::unique_lock<std::mutex>& lock);
    void work();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    std::vector<std::thread> workers_;
    int count_;
    bool stopping_ = false;
};
