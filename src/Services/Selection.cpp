// Selection operations and the totals the window and the scan read.
#include "Models/FindById.h"
#include "Services/StorageEngine.h"

#include <algorithm>

namespace {
// A removed Flatpak's whole data folder holds the person's chats and saves: a full
// uninstall of it is chosen one by one, never by selecting everything.
bool holdsPersonData(const InstalledAppItem& app) { return app.kind == InstalledAppKind::flatpakLeftover; }

template <typename List, typename Fn> Int64 sumOver(const List& list, Fn bytesOf)
{
    Int64 sum = 0;
    for (const auto& element : list)
        sum += bytesOf(element);
    return sum;
}

bool hasDefaults(const SafeCacheRuleCard& card)
{
    return std::any_of(card.subItems.begin(), card.subItems.end(),
                       [](const CacheSubItem& item) { return item.isSafeDefault; });
}

// Selecting a card picks its safe defaults, or everything when it has none.
void applyCardRule(SafeCacheRuleCard& card, bool selected)
{
    const bool defaults = hasDefaults(card);
    for (auto& item : card.subItems)
        item.isSelected = selected && (defaults ? item.isSafeDefault : true);
}

// Flips isSelected of the first record with this id, writing the list back only when
// one was found.
template <typename T, typename Setter>
void toggleSelected(const std::vector<T>& current, const std::string& id, Setter publishList)
{
    auto list = current;
    const auto it = findById(list, id);
    if (it == list.end())
        return;
    it->isSelected = !it->isSelected;
    publishList(std::move(list));
}

} // namespace

// ---------------------------------------------------------------- selection changes

void StorageEngine::setAllSafeCards(bool selected)
{
    auto cards = ruleCards_;
    for (auto& card : cards)
        applyCardRule(card, selected);
    setRuleCards(std::move(cards));
}

void StorageEngine::toggleCard(const std::string& id)
{
    auto cards = ruleCards_;
    const auto card = findById(cards, id);
    if (card == cards.end())
        return;
    // A card whose selection weighs nothing counts as unselected.
    applyCardRule(*card, card->selectedBytes() < 1);
    setRuleCards(std::move(cards));
}

void StorageEngine::toggleSubItem(const std::string& cardID, const std::string& subItemID)
{
    auto cards = ruleCards_;
    const auto card = findById(cards, cardID);
    if (card == cards.end())
        return;
    const auto item = findById(card->subItems, subItemID);
    if (item == card->subItems.end())
        return;
    item->isSelected = !item->isSelected;
    setRuleCards(std::move(cards));
}

void StorageEngine::setAllProjectBloats(bool selected)
{
    auto bloats = projectBloats_;
    for (auto& bloat : bloats)
        bloat.isSelected = selected;
    setProjectBloats(std::move(bloats));
}

void StorageEngine::toggleProjectBloat(const std::string& id)
{
    toggleSelected(projectBloats_, id, [this](auto list) { setProjectBloats(std::move(list)); });
}

void StorageEngine::setAllDuplicates(bool selected)
{
    auto groups = duplicateGroups_;
    for (auto& group : groups)
        for (auto& member : group.members)
            if (!member.isLockedOriginal)
                member.isSelectedForDelete = selected;
    setDuplicateGroups(std::move(groups));
}

void StorageEngine::toggleDuplicateGroup(const std::string& id)
{
    auto groups = duplicateGroups_;
    const auto group = findById(groups, id);
    if (group == groups.end())
        return;
    const bool select = !group->isAnySelectedForDelete();
    for (auto& member : group->members)
        if (!member.isLockedOriginal)
            member.isSelectedForDelete = select;
    setDuplicateGroups(std::move(groups));
}

void StorageEngine::swapDuplicateLockedOriginal(const std::string& groupID, const std::string& newOriginalID)
{
    auto groups = duplicateGroups_;
    const auto group = findById(groups, groupID);
    if (group == groups.end())
        return;
    // Without a member to keep, every copy would be marked for removal.
    if (findById(group->members, newOriginalID) == group->members.end())
        return;
    for (auto& member : group->members) {
        member.isLockedOriginal = member.id == newOriginalID;
        member.isSelectedForDelete = !member.isLockedOriginal;
    }
    setDuplicateGroups(std::move(groups));
}

void StorageEngine::setAllLargeFiles(bool selected, LargeFileCategory category)
{
    auto files = largeFiles_;
    for (auto& file : files)
        if (category == LargeFileCategory::all || file.category == category)
            file.isSelected = selected;
    setLargeFiles(std::move(files));
}

void StorageEngine::toggleLargeFile(const std::string& id)
{
    toggleSelected(largeFiles_, id, [this](auto list) { setLargeFiles(std::move(list)); });
}

void StorageEngine::setAllInstalledApps(bool selected, bool onlyCacheMode)
{
    auto apps = installedApps_;
    for (auto& app : apps)
        app.isSelected = selected && onlyCacheMode ? app.orphanSizeBytes > 0 : selected && !holdsPersonData(app);
    setInstalledApps(std::move(apps));
}

void StorageEngine::toggleInstalledApp(const std::string& id)
{
    toggleSelected(installedApps_, id, [this](auto list) { setInstalledApps(std::move(list)); });
}

bool StorageEngine::areAllSafeItemsSelected() const
{
    if (ruleCards_.empty())
        return false;
    if (std::none_of(ruleCards_.begin(), ruleCards_.end(),
                     [](const SafeCacheRuleCard& card) { return card.selectedBytes() > 0; }))
        return false;
    return std::all_of(ruleCards_.begin(), ruleCards_.end(), [](const SafeCacheRuleCard& card) {
        const bool defaults = hasDefaults(card);
        return std::all_of(card.subItems.begin(), card.subItems.end(), [defaults](const CacheSubItem& item) {
            return item.isSelected || (defaults && !item.isSafeDefault);
        });
    });
}

// ---------------------------------------------------------------- totals

Int64 StorageEngine::totalScannedSafeBytes() const
{
    return sumOver(ruleCards_, [](const SafeCacheRuleCard& c) { return c.totalScannedBytes(); });
}
Int64 StorageEngine::totalSelectedSafeBytes() const
{
    return sumOver(ruleCards_, [](const SafeCacheRuleCard& c) { return c.selectedBytes(); });
}
Int64 StorageEngine::totalScannedBloatBytes() const
{
    return sumOver(projectBloats_, [](const ProjectBloatItem& b) { return b.sizeBytes; });
}
Int64 StorageEngine::totalSelectedBloatBytes() const
{
    return sumOver(projectBloats_, [](const ProjectBloatItem& b) { return b.isSelected ? b.sizeBytes : 0; });
}
Int64 StorageEngine::totalScannedDuplicateBytes() const
{
    return sumOver(duplicateGroups_, [](const DuplicateFileGroup& g) { return g.totalDuplicateCopiesBytes(); });
}
Int64 StorageEngine::totalSelectedDuplicateBytes() const
{
    return sumOver(duplicateGroups_, [](const DuplicateFileGroup& g) { return g.reclaimableBytes(); });
}
Int64 StorageEngine::totalScannedLargeFileBytes() const
{
    return sumOver(largeFiles_, [](const LargeFileItem& f) { return f.sizeBytes; });
}
Int64 StorageEngine::totalSelectedLargeFileBytes() const
{
    return sumOver(largeFiles_, [](const LargeFileItem& f) { return f.isSelected ? f.sizeBytes : 0; });
}
Int64 StorageEngine::totalScannedAppOrphanBytes() const
{
    return sumOver(installedApps_, [](const InstalledAppItem& a) { return a.orphanSizeBytes; });
}
Int64 StorageEngine::totalSelectedAppOrphanBytes() const
{
    return sumOver(installedApps_, [](const InstalledAppItem& a) { return a.isSelected ? a.orphanSizeBytes : 0; });
}
Int64 StorageEngine::totalSelectedUninstallBytes() const
{
    return sumOver(installedApps_, [](const InstalledAppItem& a) { return a.isSelected ? a.fullUninstallBytes() : 0; });
}
Int64 StorageEngine::totalMasterSmartCleanBytes() const
{
    return totalSelectedSafeBytes() + totalSelectedBloatBytes() + totalSelectedDuplicateBytes() +
           totalSelectedLargeFileBytes();
}
Int64 StorageEngine::grandTotalDiscoverableBytes() const
{
    return totalScannedSafeBytes() + totalScannedBloatBytes() + totalScannedDuplicateBytes() +
           totalScannedLargeFileBytes();
}
