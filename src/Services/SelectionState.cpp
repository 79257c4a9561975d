// Selection changes and the totals the window and the scan read.
#include "Services/SelectionState.h"

#include "Models/FindById.h"
#include "Models/SumOver.h"
#include "Services/ScanResults.h"

#include <algorithm>

namespace {
// A removed Flatpak's whole data folder holds the person's chats and saves: a full
// uninstall of it is chosen one by one, never by selecting everything.
bool holdsPersonData(const InstalledAppItem& app) { return app.kind == InstalledAppKind::flatpakLeftover; }

bool hasDefaults(const SafeCacheRuleCard& card)
{
    return std::any_of(card.subItems.begin(), card.subItems.end(),
                       [](const CacheSubItem& item) { return item.isSafeDefault; });
}

template <typename Key> void setKey(std::unordered_set<Key>& set, const Key& key, bool selected)
{
    if (selected)
        set.insert(key);
    else
        set.erase(key);
}

template <typename Key> void flipKey(std::unordered_set<Key>& set, const Key& key)
{
    setKey(set, key, !set.contains(key));
}

// The selection of one list, rebuilt from what the scan offers.
template <typename Record, typename KeyOf>
void offerList(std::unordered_set<std::string>& set, const std::vector<Record>& list, KeyOf keyOf)
{
    set.clear();
    for (const Record& record : list)
        if (SelectionState::offeredSelected(record))
            set.insert(keyOf(record));
}

} // namespace

SelectionState::SelectionState(const ScanResults& results, QObject* parent) : QObject(parent), results_(results) {}

// ---------------------------------------------------------------- what the scan offers

void SelectionState::offer(const std::vector<SafeCacheRuleCard>& cards)
{
    caches_.clear();
    for (const auto& card : cards)
        for (const auto& item : card.subItems)
            if (offeredSelected(item))
                caches_.insert(item.url);
}

void SelectionState::offer(const std::vector<ProjectBloatItem>& bloats)
{
    offerList(bloats_, bloats, [](const ProjectBloatItem& bloat) { return bloat.url; });
}

void SelectionState::offer(const std::vector<LargeFileItem>& files)
{
    offerList(largeFiles_, files, [](const LargeFileItem& file) { return file.url; });
}

void SelectionState::offer(const std::vector<InstalledAppItem>& apps)
{
    offerList(apps_, apps, [](const InstalledAppItem& app) { return app.id; });
}

void SelectionState::offer(const std::vector<DuplicateFileGroup>& groups)
{
    copies_.clear();
    kept_.clear();
    for (const auto& group : groups) {
        if (group.members.empty())
            continue;
        kept_[group.id] = group.members.front().url;
        for (std::size_t i = 1; i < group.members.size(); ++i)
            copies_.insert(group.members[i].url);
    }
}

void SelectionState::keepAnOriginalIn(const std::vector<DuplicateFileGroup>& groups)
{
    for (const auto& group : groups)
        if (!group.members.empty() && !keptOriginal(group))
            kept_[group.id] = group.members.front().url;
}

// ---------------------------------------------------------------- per record

const DuplicateFileMember* SelectionState::keptOriginal(const DuplicateFileGroup& group) const
{
    const auto kept = kept_.find(group.id);
    if (kept == kept_.end())
        return group.members.empty() ? nullptr : &group.members.front();
    const auto member = std::find_if(group.members.begin(), group.members.end(),
                                     [&](const DuplicateFileMember& m) { return m.url == kept->second; });
    return member == group.members.end() ? nullptr : &*member;
}

bool SelectionState::isKept(const DuplicateFileGroup& group, const DuplicateFileMember& member) const
{
    const DuplicateFileMember* kept = keptOriginal(group);
    return kept && kept->url == member.url;
}

bool SelectionState::isMarkedForDelete(const DuplicateFileGroup& group, const DuplicateFileMember& member) const
{
    return copies_.contains(member.url) && !isKept(group, member);
}

Int64 SelectionState::selectedBytes(const SafeCacheRuleCard& card) const
{
    return sumOver(card.subItems, [this](const CacheSubItem& item) { return isSelected(item) ? item.sizeBytes : 0; });
}

bool SelectionState::isAllSelected(const SafeCacheRuleCard& card) const
{
    return !card.subItems.empty() && std::all_of(card.subItems.begin(), card.subItems.end(),
                                                 [this](const CacheSubItem& item) { return isSelected(item); });
}

bool SelectionState::isAnySelectedForDelete(const DuplicateFileGroup& group) const
{
    return std::any_of(group.members.begin(), group.members.end(),
                       [&](const DuplicateFileMember& m) { return isMarkedForDelete(group, m); });
}

Int64 SelectionState::reclaimableBytes(const DuplicateFileGroup& group) const
{
    return sumOver(group.members,
                   [&](const DuplicateFileMember& m) { return isMarkedForDelete(group, m) ? m.sizeBytes : 0; });
}

// ---------------------------------------------------------------- selection changes

// Selecting a card picks its safe defaults, or everything when it has none.
void SelectionState::selectCard(const SafeCacheRuleCard& card, bool selected)
{
    const bool defaults = hasDefaults(card);
    for (const auto& item : card.subItems)
        setKey(caches_, item.url, selected && (defaults ? item.isSafeDefault : true));
}

void SelectionState::setAllSafeCards(bool selected)
{
    for (const auto& card : results_.ruleCards())
        selectCard(card, selected);
    Q_EMIT ruleCardsChanged();
}

void SelectionState::toggleCard(const std::string& id)
{
    const auto& cards = results_.ruleCards();
    const auto card = findById(cards, id);
    if (card == cards.end())
        return;
    // A card whose selection weighs nothing counts as unselected.
    selectCard(*card, selectedBytes(*card) < 1);
    Q_EMIT ruleCardsChanged();
}

void SelectionState::toggleSubItem(const std::string& cardID, const std::string& subItemID)
{
    const auto& cards = results_.ruleCards();
    const auto card = findById(cards, cardID);
    if (card == cards.end())
        return;
    const auto item = findById(card->subItems, subItemID);
    if (item == card->subItems.end())
        return;
    flipKey(caches_, item->url);
    Q_EMIT ruleCardsChanged();
}

bool SelectionState::areAllSafeItemsSelected() const
{
    const auto& cards = results_.ruleCards();
    if (cards.empty())
        return false;
    if (std::none_of(cards.begin(), cards.end(),
                     [this](const SafeCacheRuleCard& card) { return selectedBytes(card) > 0; }))
        return false;
    return std::all_of(cards.begin(), cards.end(), [this](const SafeCacheRuleCard& card) {
        const bool defaults = hasDefaults(card);
        return std::all_of(card.subItems.begin(), card.subItems.end(), [this, defaults](const CacheSubItem& item) {
            return isSelected(item) || (defaults && !item.isSafeDefault);
        });
    });
}

void SelectionState::setAllProjectBloats(bool selected)
{
    for (const auto& bloat : results_.projectBloats())
        setKey(bloats_, bloat.url, selected);
    Q_EMIT projectBloatsChanged();
}

void SelectionState::toggleProjectBloat(const std::string& id)
{
    const auto& bloats = results_.projectBloats();
    const auto bloat = findById(bloats, id);
    if (bloat == bloats.end())
        return;
    flipKey(bloats_, bloat->url);
    Q_EMIT projectBloatsChanged();
}

// Every member but the kept one becomes marked, or unmarked.
void SelectionState::markCopies(const DuplicateFileGroup& group, bool selected)
{
    for (const auto& member : group.members)
        if (!isKept(group, member))
            setKey(copies_, member.url, selected);
}

void SelectionState::setAllDuplicates(bool selected)
{
    for (const auto& group : results_.duplicateGroups())
        markCopies(group, selected);
    Q_EMIT duplicateGroupsChanged();
}

void SelectionState::toggleDuplicateGroup(const std::string& id)
{
    const auto& groups = results_.duplicateGroups();
    const auto group = findById(groups, id);
    if (group == groups.end())
        return;
    markCopies(*group, !isAnySelectedForDelete(*group));
    Q_EMIT duplicateGroupsChanged();
}

void SelectionState::swapDuplicateLockedOriginal(const std::string& groupID, const std::string& newOriginalID)
{
    const auto& groups = results_.duplicateGroups();
    const auto group = findById(groups, groupID);
    if (group == groups.end())
        return;
    // Without a member to keep, every copy would be marked for removal.
    const auto original = findById(group->members, newOriginalID);
    if (original == group->members.end())
        return;
    kept_[group->id] = original->url;
    for (const auto& member : group->members)
        setKey(copies_, member.url, member.url != original->url);
    Q_EMIT duplicateGroupsChanged();
}

void SelectionState::setAllLargeFiles(bool selected, LargeFileCategory category)
{
    for (const auto& file : results_.largeFiles())
        if (category == LargeFileCategory::all || file.category == category)
            setKey(largeFiles_, file.url, selected);
    Q_EMIT largeFilesChanged();
}

void SelectionState::toggleLargeFile(const std::string& id)
{
    const auto& files = results_.largeFiles();
    const auto file = findById(files, id);
    if (file == files.end())
        return;
    flipKey(largeFiles_, file->url);
    Q_EMIT largeFilesChanged();
}

void SelectionState::setAllInstalledApps(bool selected, bool onlyCacheMode)
{
    for (const auto& app : results_.installedApps())
        setKey(apps_, app.id, selected && onlyCacheMode ? app.orphanSizeBytes > 0 : selected && !holdsPersonData(app));
    Q_EMIT installedAppsChanged();
}

void SelectionState::toggleInstalledApp(const std::string& id)
{
    const auto& apps = results_.installedApps();
    const auto app = findById(apps, id);
    if (app == apps.end())
        return;
    flipKey(apps_, app->id);
    Q_EMIT installedAppsChanged();
}

void SelectionState::deselectInstalledAppsWhere(const std::function<bool(const InstalledAppItem&)>& unwanted)
{
    bool changed = false;
    for (const InstalledAppItem& app : results_.installedApps())
        if (isSelected(app) && unwanted(app)) {
            apps_.erase(app.id);
            changed = true;
        }
    if (changed)
        Q_EMIT installedAppsChanged();
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

// ---------------------------------------------------------------- totals

Int64 SelectionState::totalSelectedSafeBytes() const
{
    return sumOver(results_.ruleCards(), [this](const SafeCacheRuleCard& c) { return selectedBytes(c); });
}
Int64 SelectionState::totalSelectedBloatBytes() const
{
    return sumOver(results_.projectBloats(),
                   [this](const ProjectBloatItem& b) { return isSelected(b) ? b.sizeBytes : 0; });
}
Int64 SelectionState::totalSelectedDuplicateBytes() const
{
    return sumOver(results_.duplicateGroups(), [this](const DuplicateFileGroup& g) { return reclaimableBytes(g); });
}
Int64 SelectionState::totalSelectedLargeFileBytes() const
{
    return sumOver(results_.largeFiles(), [this](const LargeFileItem& f) { return isSelected(f) ? f.sizeBytes : 0; });
}
Int64 SelectionState::totalSelectedAppOrphanBytes() const
{
    return sumOver(results_.installedApps(),
                   [this](const InstalledAppItem& a) { return isSelected(a) ? a.orphanSizeBytes : 0; });
}
Int64 SelectionState::totalSelectedUninstallBytes() const
{
    return sumOver(results_.installedApps(),
                   [this](const InstalledAppItem& a) { return isSelected(a) ? a.fullUninstallBytes() : 0; });
}
Int64 SelectionState::totalMasterSmartCleanBytes() const
{
    return totalSelectedSafeBytes() + totalSelectedBloatBytes() + totalSelectedDuplicateBytes() +
           totalSelectedLargeFileBytes();
}
