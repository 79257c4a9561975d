// Selection changes and the totals the window and the scan read.
#include "Services/SelectionState.h"

#include "Models/FindById.h"
#include "Models/SumOver.h"
#include "Services/ScanResults.h"

#include <algorithm>

namespace {
// A removed Flatpak's whole data folder, and what a removed package left, hold the
// person's chats, saves and settings: a full uninstall of them is chosen one by one,
// never by selecting everything.
bool holdsPersonData(const InstalledAppItem& app)
{
    return app.kind == InstalledAppKind::flatpakLeftover || app.kind == InstalledAppKind::removedPackage;
}

bool hasDefaults(const SafeCacheRuleCard& card)
{
    return std::any_of(card.subItems.begin(), card.subItems.end(),
                       [](const CacheSubItem& item) { return item.isSafeDefault; });
}

// A path a list offers twice is selected only if both offers are.
void addOffer(std::unordered_map<Path, bool>& offers, const Path& path, bool selected)
{
    const auto [at, fresh] = offers.try_emplace(path, selected);
    if (!fresh)
        at->second = at->second && selected;
}

template <typename Record, typename UrlOf>
bool holdsAny(const std::vector<Record>& list, const std::unordered_set<Path>& paths, UrlOf urlOf)
{
    return std::any_of(list.begin(), list.end(), [&](const Record& r) { return paths.contains(urlOf(r)); });
}

bool holdsAnyOf(const std::vector<Path>& held, const std::unordered_set<Path>& paths)
{
    return std::any_of(held.begin(), held.end(), [&](const Path& path) { return paths.contains(path); });
}

} // namespace

SelectionState::SelectionState(const ScanResults& results, QObject* parent) : QObject(parent), results_(results) {}

// ---------------------------------------------------------------- what the scan offers

void SelectionState::offer(const std::vector<SafeCacheRuleCard>& cards)
{
    Offers offers;
    for (const auto& card : cards)
        for (const auto& item : card.subItems)
            addOffer(offers, item.url, offeredSelected(item));
    offerPaths(cacheList, std::move(offers));
}

void SelectionState::offer(const std::vector<ProjectBloatItem>& bloats)
{
    Offers offers;
    for (const auto& bloat : bloats)
        addOffer(offers, bloat.url, offeredSelected(bloat));
    offerPaths(bloatList, std::move(offers));
}

void SelectionState::offer(const std::vector<LargeFileItem>& files)
{
    Offers offers;
    for (const auto& file : files)
        addOffer(offers, file.url, offeredSelected(file));
    offerPaths(largeFileList, std::move(offers));
}

void SelectionState::offer(const std::vector<InstalledAppItem>& list)
{
    apps_.clear();
    Offers offers;
    for (const auto& app : list) {
        if (offeredSelected(app))
            apps_.insert(app.id);
        for (const Path& leftover : app.orphanPaths)
            addOffer(offers, leftover, offeredSelected(app));
    }
    offerPaths(appList, std::move(offers));
    // A leftover another list offers unselected leaves its app's row unticked.
    for (const auto& app : list)
        if (!leftoversSelected(app))
            apps_.erase(app.id);
}

void SelectionState::offer(const std::vector<DuplicateFileGroup>& groups)
{
    kept_.clear();
    Offers offers;
    for (const auto& group : groups) {
        if (group.members.empty())
            continue;
        kept_[group.id] = group.members.front().url;
        // The copy a group keeps is not this list's to clean, so it has no say in its state.
        for (std::size_t i = 1; i < group.members.size(); ++i)
            addOffer(offers, group.members[i].url, true);
    }
    offerPaths(copyList, std::move(offers));
}

// A path offered by more than one list is selected only if every list offering it would
// select it on its own: one state never selects more than any single list would.
void SelectionState::offerPaths(List list, Offers offers)
{
    std::vector<Path> touched;
    for (const auto& [path, selected] : offers_[list])
        touched.push_back(path);
    for (const auto& [path, selected] : offers)
        touched.push_back(path);
    offers_[list] = std::move(offers);
    for (const Path& path : touched) {
        bool offered = false;
        bool everyOffer = true;
        for (const Offers& each : offers_)
            if (const auto at = each.find(path); at != each.end()) {
                offered = true;
                everyOffer = everyOffer && at->second;
            }
        setPath(path, offered && everyOffer);
    }
    announceSilently(list);
}

// ---------------------------------------------------------------- one state a path

void SelectionState::setPath(const Path& path, bool selected)
{
    const bool changed = selected ? paths_.insert(path).second : paths_.erase(path) > 0;
    if (changed)
        changed_.insert(path);
}

bool SelectionState::leftoversSelected(const InstalledAppItem& app) const
{
    return std::all_of(app.orphanPaths.begin(), app.orphanPaths.end(),
                       [this](const Path& leftover) { return paths_.contains(leftover); });
}

void SelectionState::setApp(const InstalledAppItem& app, bool selected)
{
    if (selected)
        apps_.insert(app.id);
    else
        apps_.erase(app.id);
    for (const Path& leftover : app.orphanPaths)
        setPath(leftover, selected);
}

bool SelectionState::followLeftovers(const std::unordered_set<Path>& changed)
{
    bool rowChanged = false;
    for (const InstalledAppItem& app : results_.installedApps()) {
        if (app.orphanPaths.empty() || !holdsAnyOf(app.orphanPaths, changed))
            continue;
        const bool all = leftoversSelected(app);
        if (isSelected(app) && !all)
            rowChanged = apps_.erase(app.id) > 0 || rowChanged;
        else if (!isSelected(app) && all && appsCleanLeftoversOnly_)
            rowChanged = apps_.insert(app.id).second || rowChanged;
    }
    return rowChanged;
}

void SelectionState::emitChanged(List list)
{
    switch (list) {
    case cacheList:
        Q_EMIT ruleCardsChanged();
        break;
    case bloatList:
        Q_EMIT projectBloatsChanged();
        break;
    case copyList:
        Q_EMIT duplicateGroupsChanged();
        break;
    case largeFileList:
        Q_EMIT largeFilesChanged();
        break;
    case appList:
        Q_EMIT installedAppsChanged();
        break;
    case listCount:
        break;
    }
}

void SelectionState::announceSilently(List own)
{
    const std::unordered_set<Path> changed = std::move(changed_);
    changed_.clear();
    std::array<bool, listCount> tell{};
    if (!changed.empty()) {
        const auto url = [](const auto& record) -> const Path& { return record.url; };
        for (const auto& card : results_.ruleCards())
            tell[cacheList] = tell[cacheList] || holdsAny(card.subItems, changed, url);
        tell[bloatList] = holdsAny(results_.projectBloats(), changed, url);
        for (const auto& group : results_.duplicateGroups())
            tell[copyList] = tell[copyList] || holdsAny(group.members, changed, url);
        tell[largeFileList] = holdsAny(results_.largeFiles(), changed, url);
        tell[appList] = followLeftovers(changed);
    }
    for (int list = 0; list < listCount; ++list)
        if (tell[list] && list != own)
            emitChanged(List(list));
}

void SelectionState::announce(List own)
{
    announceSilently(own);
    emitChanged(own);
}

void SelectionState::setAppsCleanLeftoversOnly(bool leftoversOnly)
{
    appsCleanLeftoversOnly_ = leftoversOnly;
    if (!leftoversOnly)
        return;
    bool rowChanged = false;
    for (const InstalledAppItem& app : results_.installedApps())
        if (!app.orphanPaths.empty() && leftoversSelected(app))
            rowChanged = apps_.insert(app.id).second || rowChanged;
    if (rowChanged)
        Q_EMIT installedAppsChanged();
}

void SelectionState::deselectApp(const InstalledAppItem& app)
{
    setApp(app, false);
    announceSilently(appList);
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
    return paths_.contains(member.url) && !isKept(group, member);
}

Int64 SelectionState::selectedBytes(const SafeCacheRuleCard& card) const
{
    return sumOver(card.subItems,
                   [this](const CacheSubItem& item) { return isSelected(item) ? item.reclaimable() : 0; });
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
                   [&](const DuplicateFileMember& m) { return isMarkedForDelete(group, m) ? m.reclaimable() : 0; });
}

// ---------------------------------------------------------------- selection changes

// Selecting a card picks its safe defaults, or everything when it has none.
void SelectionState::selectCard(const SafeCacheRuleCard& card, bool selected)
{
    const bool defaults = hasDefaults(card);
    for (const auto& item : card.subItems)
        setPath(item.url, selected && (defaults ? item.isSafeDefault : true));
}

void SelectionState::setAllSafeCards(bool selected)
{
    for (const auto& card : results_.ruleCards())
        selectCard(card, selected);
    announce(cacheList);
}

void SelectionState::toggleCard(const std::string& id)
{
    const auto& cards = results_.ruleCards();
    const auto card = findById(cards, id);
    if (card == cards.end())
        return;
    // A card whose selection weighs nothing counts as unselected.
    selectCard(*card, selectedBytes(*card) < 1);
    announce(cacheList);
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
    setPath(item->url, !isSelected(*item));
    announce(cacheList);
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
        setPath(bloat.url, selected);
    announce(bloatList);
}

void SelectionState::toggleProjectBloat(const std::string& id)
{
    const auto& bloats = results_.projectBloats();
    const auto bloat = findById(bloats, id);
    if (bloat == bloats.end())
        return;
    setPath(bloat->url, !isSelected(*bloat));
    announce(bloatList);
}

// Every member but the kept one becomes marked, or unmarked.
void SelectionState::markCopies(const DuplicateFileGroup& group, bool selected)
{
    for (const auto& member : group.members)
        if (!isKept(group, member))
            setPath(member.url, selected);
}

void SelectionState::setAllDuplicates(bool selected)
{
    for (const auto& group : results_.duplicateGroups())
        markCopies(group, selected);
    announce(copyList);
}

void SelectionState::toggleDuplicateGroup(const std::string& id)
{
    const auto& groups = results_.duplicateGroups();
    const auto group = findById(groups, id);
    if (group == groups.end())
        return;
    markCopies(*group, !isAnySelectedForDelete(*group));
    announce(copyList);
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
    // The copy the person chose to keep is unticked in every list.
    for (const auto& member : group->members)
        setPath(member.url, member.url != original->url);
    announce(copyList);
}

void SelectionState::setAllLargeFiles(bool selected, LargeFileCategory category)
{
    for (const auto& file : results_.largeFiles())
        if (category == LargeFileCategory::all || file.category == category)
            setPath(file.url, selected);
    announce(largeFileList);
}

void SelectionState::toggleLargeFile(const std::string& id)
{
    const auto& files = results_.largeFiles();
    const auto file = findById(files, id);
    if (file == files.end())
        return;
    setPath(file->url, !isSelected(*file));
    announce(largeFileList);
}

void SelectionState::setAllInstalledApps(bool selected, bool onlyCacheMode)
{
    for (const auto& app : results_.installedApps())
        setApp(app, selected && onlyCacheMode ? app.orphanSizeBytes > 0 : selected && !holdsPersonData(app));
    announce(appList);
}

void SelectionState::toggleInstalledApp(const std::string& id)
{
    const auto& apps = results_.installedApps();
    const auto app = findById(apps, id);
    if (app == apps.end())
        return;
    setApp(*app, !isSelected(*app));
    announce(appList);
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

void SelectionState::deselectLeftoverFoldersForFullUninstall() { deselectInstalledAppsWhere(holdsPersonData); }

// ---------------------------------------------------------------- totals

Int64 SelectionState::totalSelectedSafeBytes() const
{
    return sumOver(results_.ruleCards(), [this](const SafeCacheRuleCard& c) { return selectedBytes(c); });
}
Int64 SelectionState::totalSelectedBloatBytes() const
{
    return sumOver(results_.projectBloats(),
                   [this](const ProjectBloatItem& b) { return isSelected(b) ? b.reclaimable() : 0; });
}
Int64 SelectionState::totalSelectedDuplicateBytes() const
{
    return sumOver(results_.duplicateGroups(), [this](const DuplicateFileGroup& g) { return reclaimableBytes(g); });
}
Int64 SelectionState::totalSelectedLargeFileBytes() const
{
    return sumOver(results_.largeFiles(),
                   [this](const LargeFileItem& f) { return isSelected(f) ? f.reclaimable() : 0; });
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
    // Views of the results' own paths: nothing is copied, and the results outlive the count.
    std::unordered_set<std::string_view> counted;
    Int64 total = 0;
    const auto add = [&](bool selected, std::string_view url, Int64 sizeBytes) {
        if (selected && counted.insert(url).second)
            total += sizeBytes;
    };
    for (const auto& card : results_.ruleCards())
        for (const auto& item : card.subItems)
            add(isSelected(item), item.url, item.reclaimable());
    for (const auto& bloat : results_.projectBloats())
        add(isSelected(bloat), bloat.url, bloat.reclaimable());
    for (const auto& group : results_.duplicateGroups())
        for (const auto& member : group.members)
            add(isMarkedForDelete(group, member), member.url, member.reclaimable());
    for (const auto& file : results_.largeFiles())
        add(isSelected(file), file.url, file.reclaimable());
    return total;
}
