#include "Platform/ParallelSlices.h"

#include "Platform/WalkPool.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace {

// Below this many items a slice is not worth a thread.
constexpr std::size_t kItemsPerSlice = 4096;
// More threads than this only queue up in the same directory's locks.
constexpr std::size_t kMostSlices = 8;

} // namespace

std::size_t sliceCountFor(std::size_t count)
{
    const auto threads = std::size_t(std::max(1, WalkPool::shared().threadCount()));
    return std::clamp<std::size_t>(count / kItemsPerSlice, 1, std::min(threads, kMostSlices));
}

void forEachSlice(std::size_t count, const std::function<void(std::size_t, std::size_t, std::size_t)>& work)
{
    const std::size_t slices = sliceCountFor(count);
    const std::size_t per = (count + slices - 1) / slices;
    std::vector<std::jthread> others;
    others.reserve(slices - 1);
    for (std::size_t slice = 1; slice < slices; ++slice) {
        const std::size_t begin = std::min(count, slice * per);
        others.emplace_back([&work, slice, begin, end = std::min(count, begin + per)] { work(slice, begin, end); });
    }
    work(0, 0, std::min(count, per));
}
