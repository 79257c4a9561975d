#include "Services/CleanPlan.h"

#include "Models/Paths.h"

#include <algorithm>
#include <set>

namespace {

class ListedPaths {
  public:
    explicit ListedPaths(const std::vector<CleanItem>& items)
    {
        for (const auto& item : items)
            listed_.insert(item.url);
    }

    // The path itself or a folder holding it is still in the list.
    bool covers(const Path& path) const { return isListed(path) || coversFromAbove(path); }
    // A folder holding the path (not the path itself) is still in the list.
    bool coversFromAbove(const Path& path) const
    {
        for (Path folder = paths::parent(path); folder != path;) {
            if (isListed(folder))
                return true;
            const Path next = paths::parent(folder);
            if (next == folder)
                break;
            folder = next;
        }
        return false;
    }
    void drop(const Path& path) { dropped_.insert(path); }
    // Drops the path and every listed folder that holds it.
    void dropWithHolders(const Path& path)
    {
        for (Path current = path;;) {
            drop(current);
            const Path next = paths::parent(current);
            if (next == current)
                break;
            current = next;
        }
    }
    bool isDropped(const Path& path) const { return dropped_.count(path) > 0; }

  private:
    bool isListed(const Path& path) const { return listed_.count(path) > 0 && !isDropped(path); }

    std::set<Path> listed_;
    std::set<Path> dropped_;
};

void keepOneMember(const DuplicateFileGroup& group, ListedPaths& listed)
{
    const bool someMemberStays = std::any_of(group.members.begin(), group.members.end(),
                                             [&](const DuplicateFileMember& m) { return !listed.covers(m.url); });
    if (someMemberStays || group.members.empty())
        return;
    for (const DuplicateFileMember& member : group.members) {
        if (!listed.coversFromAbove(member.url)) {
            listed.drop(member.url);
            return;
        }
    }
    listed.dropWithHolders(group.members.front().url);
}

} // namespace

std::vector<PlannedItem> planClean(std::vector<CleanItem> items, const std::vector<DuplicateFileGroup>& groups)
{
    ListedPaths listed(items);
    for (const auto& group : groups)
        keepOneMember(group, listed);
    std::vector<PlannedItem> planned;
    planned.reserve(items.size());
    for (auto& item : items) {
        const bool dropped = listed.isDropped(item.url);
        planned.push_back({std::move(item), dropped ? CleanSkipReason::lastCopyOfDuplicate : CleanSkipReason::none});
    }
    return planned;
}
