#include "Services/ReclaimableFigures.h"

#include "Models/Paths.h"
#include "Services/ReclaimableSize.h"

#include <algorithm>

namespace {

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
    if (!reclaimable)
        return;
    const Int64 figure = std::clamp<Int64>(*reclaimable, 0, std::max<Int64>(item.sizeBytes, 0));
    item.reclaimableBytes = figure == item.sizeBytes ? std::nullopt : std::optional<Int64>(figure);
}

} // namespace

void addReclaimableFigures(std::vector<SafeCacheRuleCard>& cards, const Path& home)
{
    for (auto& card : cards)
        for (auto& item : card.subItems)
            setFigure(item, reclaimableSize(item.url, kDeepestMeasured, rootFor(item.url, home)));
}

void addReclaimableFigures(std::vector<ProjectBloatItem>& bloats, const Path& home)
{
    for (auto& bloat : bloats)
        setFigure(bloat, reclaimableSize(bloat.url, kDeepestMeasured, rootFor(bloat.url, home)));
}

void addReclaimableFigures(std::vector<LargeFileItem>& files)
{
    for (auto& file : files)
        setFigure(file, reclaimableSize(file.url, 0));
}

void addReclaimableFigures(std::vector<DuplicateFileGroup>& groups)
{
    for (auto& group : groups) {
        if (group.members.empty())
            continue;
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
    }
}
