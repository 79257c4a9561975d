#include "Platform/WalkPool.h"

#include "Platform/BackgroundPriority.h"

#include <algorithm>

WalkPool& WalkPool::shared()
{
    static WalkPool pool;
    return pool;
}

int WalkPool::defaultThreadCount()
{
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    return std::min(16, 4 * cores);
}

WalkPool::WalkPool() : count_(defaultThreadCount()) {}

WalkPool::~WalkPool()
{
    std::unique_lock lock(mutex_);
    stopWorkers(lock);
}

void WalkPool::setThreadCount(int count)
{
    std::unique_lock lock(mutex_);
    if (std::max(count, 1) == count_)
        return;
    stopWorkers(lock);
    count_ = std::max(count, 1);
}

int WalkPool::threadCount() const
{
    std::lock_guard lock(mutex_);
    return count_;
}

void WalkPool::post(std::function<void()> job)
{
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    // Started on first use, so a process that never walks in parallel starts no thread.
    if (workers_.empty())
        for (int i = 0; i < count_; ++i)
            workers_.emplace_back([this] { work(); });
    wake_.notify_one();
}

void WalkPool::stopWorkers(std::unique_lock<std::mutex>& lock)
{
    stopping_ = true;
    wake_.notify_all();
    std::vector<std::thread> workers = std::move(workers_);
    workers_.clear();
    lock.unlock();
    for (auto& worker : workers)
        worker.join();
    lock.lock();
    stopping_ = false;
}

void WalkPool::work()
{
    BackgroundPriority::applyToThisThread();
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty())
            return; // stopping, and nothing left that a walk waits for
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
}
