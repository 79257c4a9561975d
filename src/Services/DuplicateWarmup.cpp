#include "Services/DuplicateWarmup.h"

#include "Platform/FileReading.h"
#include "Platform/WalkPool.h"
#include "Services/DuplicateFinder.h"

namespace {
// Whole files asked for in one scan at most: beyond it the page cache would only push
// out what an earlier file brought in.
constexpr Int64 kWholeBytesBudget = 512LL << 20;
} // namespace

DuplicateWarmup::DuplicateWarmup()
{
    if (WalkPool::shared().threadCount() > 1)
        thread_ = std::thread([this] { run(); });
}

DuplicateWarmup::~DuplicateWarmup()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true; // what is still pending is read by the pipeline itself
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void DuplicateWarmup::sameSize(const Path& url, Int64 size)
{
    if (!thread_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        pending_.emplace_back(url, size);
    }
    wake_.notify_one();
}

void DuplicateWarmup::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
        if (stopping_)
            return;
        auto [url, size] = std::move(pending_.front());
        pending_.pop_front();
        lock.unlock();
        warm(url, size);
        lock.lock();
    }
}

void DuplicateWarmup::warm(const Path& url, Int64 size)
{
    const auto print = fastFileFingerprint(url, size);
    if (!print)
        return;
    std::vector<Path>& alike = fingerprints_[size][*print];
    alike.push_back(url);
    if (alike.size() < 2)
        return;
    // The second file alike brings the first one along.
    for (std::size_t i = alike.size() == 2 ? 0 : alike.size() - 1; i < alike.size(); ++i) {
        if (wholeBytesAsked_ + size > kWholeBytesBudget)
            return;
        const auto file = ReadOnlyFile::open(alike[i]);
        if (!file)
            continue;
        file->adviseWillNeed();
        wholeBytesAsked_ += size;
    }
}
