#include "Services/CleanedPathFilter.h"

#include <algorithm>

namespace {

template <typename T, typename UrlOf> void eraseCleaned(std::vector<T>& list, const CleanedPaths& cleaned, UrlOf urlOf)
{
    if (cleaned.empty())
        return;
    std::erase_if(list, [&](const T& element) { return cleaned.count(urlOf(element)) > 0; });
}

} // namespace

void dropCleaned(std::vector<SafeCacheRuleCard>& cards, const CleanedPaths& cleaned)
{
    for (auto& card : cards)
        eraseCleaned(card.subItems, cleaned, [](const CacheSubItem& item) { return item.url; });
    std::erase_if(cards, [](const SafeCacheRuleCard& card) { return card.subItems.empty(); });
}

void dropCleaned(std::vector<ProjectBloatItem>& bloats, const CleanedPaths& cleaned)
{
    eraseCleaned(bloats, cleaned, [](const ProjectBloatItem& bloat) { return bloat.url; });
}

void dropCleaned(std::vector<LargeFileItem>& files, const CleanedPaths& cleaned)
{
    eraseCleaned(files, cleaned, [](const LargeFileItem& file) { return file.url; });
}

void dropCleaned(std::vector<InstalledAppItem>& apps, const CleanedPaths& cleaned)
{
    eraseCleaned(apps, cleaned, [](const InstalledAppItem& app) { return app.appPath; });
}

void dropCleaned(std::vector<DuplicateFileGroup>& groups, const CleanedPaths& cleaned)
{
    for (auto& group : groups) {
        eraseCleaned(group.members, cleaned, [](const DuplicateFileMember& member) { return member.url; });
    }
    std::erase_if(groups, [](const DuplicateFileGroup& group) { return group.members.size() < 2; });
}
