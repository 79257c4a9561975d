#include "Services/ReclaimableFigures.h"

#include "Models/Paths.h"
#include "Services/ReclaimableSize.h"

#include "Platform/WalkPool.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

// Items are measured side by side: each waits on the kernel's extent lookups far more
// than it computes. What each writes is its own item only.
constexpr std::size_t kMostAtOnce = 4;

template <typename Work> void forEachItem(std::size_t count, const Work& work)
{
    const auto threads =
        std::min<std::size_t>({std::size_t(std::max(1, WalkPool::shared().threadCount())), kMostAtOnce, count});
    std::atomic<std::size_t> next = 0;
    const auto drain = [&] {
        for (std::size_t i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::jthread> others;
    for (std::size_t t = 1; t < threads; ++t)
        others.emplace_back(drain);
    drain();
}

// As deep as any folder the scan sizes is measured.
constexpr int kDeepestMeasured = 12;

std::string_view rootFor(const Path& url, const Path& home)
{
    return !home.empty() && paths::isSameOrInside(url, home) ? std::string_view(home) : std::string_view();
}

// Never more than the size shown beside it (which may leave out hard links shared
// outside the item, or levels below the measured depth); unset when equal.
template <typename Item> void setFigure(Item& item, std::optional<Int64> reclaimable)
{
    if (reclaimable)
        item.reclaimableBytes = shownReclaimable(item.sizeBytes, reclaimable);
}

} // namespace

std::optional<Int64> shownReclaimable(Int64 sizeBytes, std::optional<Int64> reclaimable)
{
    if (!reclaimable)
        return std::nullopt;
    const Int64 figure = std::clamp<Int64>(*reclaimable, 0, std::max<Int64>(sizeBytes, 0));
    return figure == sizeBytes ? std::nullopt : std::optional<Int64>(figure);
}

void addReclaimableFigures(std::vector<SafeCacheRuleCard>& cards, const Path& home)
{
    std::vector<CacheSubItem*> items;
    for (auto& card : cards)
        for (auto& item : card.subItems)
            items.push_back(&item);
    forEachItem(items.size(), [&](std::size_t i) {
        setFigure(*items[i], reclaimableSize(items[i]->url, kDeepestMeasured, rootFor(items[i]->url, home)));
    });
}

void addReclaimableFigures(std::vector<LargeFileItem>& files)
{
    forEachItem(files.size(), [&](std::size_t i) { setFigure(files[i], reclaimableSize(files[i].url, 0)); });
}

void addReclaimableFigures(std::vector<DuplicateFileGroup>& groups)
{
    forEachItem(groups.size(), [&](std::size_t g) {
        DuplicateFileGroup& group = groups[g];
        if (group.members.empty())
            return;
        const auto first = fileExtents(group.members.front().url);
        for (std::size_t i = 0; i < group.members.size(); ++i) {
            DuplicateFileMember& member = group.members[i];
            const auto own = i == 0 ? first : fileExtents(member.url);
            if (!own)
                continue;
            setFigure(member, extents::reclaimableBytes(own->extents, own->allocatedBytes));
            if (i > 0 && first)
                member.mergeableBytes = std::max<Int64>(
                    0, own->allocatedBytes - extents::overlapBytes(own->extents.shared, first->extents.shared));
        }
    });
}
