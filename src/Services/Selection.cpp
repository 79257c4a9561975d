// Selection operations and the totals the window and the scan read.
#include "Models/FindById.h"
#include "Services/ScanResults.h"
#include "Services/SelectionState.h"

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

void SelectionState::setAllSafeCards(bool selected)
{
    auto cards = results_.ruleCards();
    for (auto& card : cards)
        applyCardRule(card, selected);
    results_.setRuleCards(std::move(cards));
}

void SelectionState::toggleCard(const std::string& id)
{
    auto cards = results_.ruleCards();
    const auto card = findById(cards, id);
    if (card == cards.end())
        return;
    // A card whose selection weighs nothing counts as unselected.
    applyCardRule(*card, card->selectedBytes() < 1);
    results_.setRuleCards(std::move(cards));
}

void SelectionState::toggleSubItem(const std::string& cardID, const std::string& subItemID)
{
    auto cards = results_.ruleCards();
    const auto card = findById(cards, cardID);
    if (card == cards.end())
        return;
    const auto item = findById(card->subItems, subItemID);
    if (item == card->subItems.end())
        return;
    item->isSelected = !item->isSelected;
    results_.setRuleCards(std::move(cards));
}

void SelectionState::setAllProjectBloats(bool selected)
{
    auto bloats = results_.projectBloats();
    for (auto& bloat : bloats)
        bloat.isSelected = selected;
    results_.setProjectBloats(std::move(bloats));
}

void SelectionState::toggleProjectBloat(const std::string& id)
{
    toggleSelected(results_.projectBloats(), id, [this](auto list) { results_.setProjectBloats(std::move(list)); });
}

void SelectionState::setAllDuplicates(bool selected)
{
    auto groups = results_.duplicateGroups();
    for (auto& group : groups)
        for (auto& member : group.members)
            if (!member.isLockedOriginal)
                member.isSelectedForDelete = selected;
    results_.setDuplicateGroups(std::move(groups));
}

void SelectionState::toggleDuplicateGroup(const std::string& id)
{
    auto groups = results_.duplicateGroups();
    const auto group = findById(groups, id);
    if (group == groups.end())
        return;
    const bool select = !group->isAnySelectedForDelete();
    for (auto& member : group->members)
        if (!member.isLockedOriginal)
            member.isSelectedForDelete = select;
    results_.setDuplicateGroups(std::move(groups));
}

void SelectionState::swapDuplicateLockedOriginal(const std::string& groupID, const std::string& newOriginalID)
{
    auto groups = results_.duplicateGroups();
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
    results_.setDuplicateGroups(std::move(groups));
}

void SelectionState::setAllLargeFiles(bool selected, LargeFileCategory category)
{
    auto files = results_.largeFiles();
    for (auto& file : files)
        if (category == LargeFileCategory::all || file.category == category)
            file.isSelected = selected;
    results_.setLargeFiles(std::move(files));
}

void SelectionState::toggleLargeFile(const std::string& id)
{
    toggleSelected(results_.largeFiles(), id, [this](auto list) { results_.setLargeFiles(std::move(list)); });
}

void SelectionState::setAllInstalledApps(bool selected, bool onlyCacheMode)
{
    auto apps = results_.installedApps();
    for (auto& app : apps)
        app.isSelected = selected && onlyCacheMode ? app.orphanSizeBytes > 0 : selected && !holdsPersonData(app);
    results_.setInstalledApps(std::move(apps));
}

void SelectionState::toggleInstalledApp(const std::string& id)
{
    toggleSelected(results_.installedApps(), id, [this](auto list) { results_.setInstalledApps(std::move(list)); });
}

bool SelectionState::areAllSafeItemsSelected() const
{
    if (results_.ruleCards().empty())
        return false;
    if (std::none_of(results_.ruleCards().begin(), results_.ruleCards().end(),
                     [](const SafeCacheRuleCard& card) { return card.selectedBytes() > 0; }))
        return false;
    return std::all_of(results_.ruleCards().begin(), results_.ruleCards().end(), [](const SafeCacheRuleCard& card) {
        const bool defaults = hasDefaults(card);
        return std::all_of(card.subItems.begin(), card.subItems.end(), [defaults](const CacheSubItem& item) {
            return item.isSelected || (defaults && !item.isSafeDefault);
        });
    });
}

// ---------------------------------------------------------------- totals

Int64 SelectionState::totalSelectedSafeBytes() const
{
    return sumOver(results_.ruleCards(), [](const SafeCacheRuleCard& c) { return c.selectedBytes(); });
}
Int64 SelectionState::totalSelectedBloatBytes() const
{
    return sumOver(results_.projectBloats(), [](const ProjectBloatItem& b) { return b.isSelected ? b.sizeBytes : 0; });
}
Int64 SelectionState::totalSelectedDuplicateBytes() const
{
    return sumOver(results_.duplicateGroups(), [](const DuplicateFileGroup& g) { return g.reclaimableBytes(); });
}
Int64 SelectionState::totalSelectedLargeFileBytes() const
{
    return sumOver(results_.largeFiles(), [](const LargeFileItem& f) { return f.isSelected ? f.sizeBytes : 0; });
}
Int64 SelectionState::totalSelectedAppOrphanBytes() const
{
    return sumOver(results_.installedApps(),
                   [](const InstalledAppItem& a) { return a.isSelected ? a.orphanSizeBytes : 0; });
}
Int64 SelectionState::totalSelectedUninstallBytes() const
{
    return sumOver(results_.installedApps(),
                   [](const InstalledAppItem& a) { return a.isSelected ? a.fullUninstallBytes() : 0; });
}
Int64 SelectionState::totalMasterSmartCleanBytes() const
{
    return totalSelectedSafeBytes() + totalSelectedBloatBytes() + totalSelectedDuplicateBytes() +
           totalSelectedLargeFileBytes();
}

void SelectionState::deselectInstalledAppsWhere(const std::function<bool(const InstalledAppItem&)>& unwanted)
{
    std::vector<InstalledAppItem> apps = results_.installedApps();
    bool changed = false;
    for (InstalledAppItem& app : apps)
        if (app.isSelected && unwanted(app)) {
            app.isSelected = false;
            changed = true;
        }
    if (changed)
        results_.setInstalledApps(std::move(apps));
}

void SelectionState::deselectInstalledAppsWithoutLeftovers()
{
    deselectInstalledAppsWhere([](const InstalledAppItem& app) { return app.orphanSizeBytes == 0; });
}

void SelectionState::deselectLeftoverFoldersForFullUninstall()
{
    deselectInstalledAppsWhere(
        [](const InstalledAppItem& app) { return app.kind == InstalledAppKind::flatpakLeftover; });
}
