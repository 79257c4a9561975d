#include "Services/SafeCacheCatalogue.h"

#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/HomeLayout.h"
#include "Platform/RunningPrograms.h"
#include "Platform/TemporaryFolder.h"
#include "Platform/Trash.h"
#include "Services/FreeableSize.h"
#include "Services/LinuxCacheRules.h"
#include "Services/SafeCacheRules.h"
#include "Services/TreeSizer.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

using namespace safecache;

struct Measure {
    int depth;
    Int64 minimumBytes; // kept when at least this large
};

constexpr Measure kBrowserRule{10, 1'048'577};
constexpr Measure kChromeProfileCache{8, 3'145'729};
constexpr Measure kOfficeRule{12, 3'145'729};
constexpr Int64 kOfficeRuleOwnFolderAbove = 5'242'879; // larger: keep the rule's own folder
constexpr Measure kContainerData{10, 3'145'729};
constexpr Measure kAiDevRule{12, 3'145'729};
constexpr Measure kSystemRule{10, 2'097'153};

struct ItemTexts {
    std::string name;
    TextRef nameRef;
    EngineText note, badge, verificationDetail;
    bool isSafeDefault = true;
};

// What every card's rules are evaluated against.
struct Scan {
    const HomeLayout& layout;
    const RunningPrograms& running;
    std::optional<Path> tempParent;
    linuxcache::Places places;
    std::set<Path> offered;                  // one path is one item, whichever rule finds it first
    std::map<Path, Int64> measuredElsewhere; // the Trash, measured entry by entry

    const Path& home() const { return layout.home; }
};

// A running program's cache is offered, never preselected, and says why.
ItemTexts whileRunning(ItemTexts texts)
{
    texts.note = kRunningNote;
    texts.badge = kRunningBadge;
    texts.isSafeDefault = false;
    return texts;
}

ItemTexts textsOf(const Rule& rule, EngineText badge)
{
    return {std::string(rule.name.text), rule.name.ref(),   rule.note, badge,
            rule.verificationDetail,     rule.isSafeDefault};
}

// Collects one card's items; every item is previewed from the walk that sized it.
class CardItems {
  public:
    CardItems(TreeSizer& sizer, Scan& scan) : sizer_(sizer), scan_(scan) {}

    void keep(const Path& url, Int64 size, const ItemTexts& texts)
    {
        scan_.offered.insert(url);
        CacheSubItem& item =
            items_.emplace_back(texts.name, std::string(texts.note.text), url, size, std::string(texts.badge.text),
                                std::string(texts.verificationDetail.text), std::string(kLastModifiedText.text),
                                sizer_.preview(url), texts.isSafeDefault);
        item.nameRef = texts.nameRef;
        item.noteRef = texts.note.ref();
        item.safetyLevelRef = texts.badge.ref();
        item.verificationDetailRef = texts.verificationDetail.ref();
        item.lastModifiedRef = kLastModifiedText.ref();
    }
    void keepIfLargeEnough(const Path& url, Measure measure, const ItemTexts& texts)
    {
        const auto elsewhere = scan_.measuredElsewhere.find(url);
        const Int64 size =
            elsewhere != scan_.measuredElsewhere.end() ? elsewhere->second : sizer_.size(url, measure.depth);
        if (size >= measure.minimumBytes)
            keep(url, size, texts);
    }
    TreeSizer& sizer() { return sizer_; }
    Scan& scan() { return scan_; }

    // Largest first; equal sizes keep the order of collection.
    std::vector<CacheSubItem> sorted() &&
    {
        std::stable_sort(items_.begin(), items_.end(),
                         [](const CacheSubItem& a, const CacheSubItem& b) { return a.sizeBytes > b.sizeBytes; });
        return std::move(items_);
    }

  private:
    TreeSizer& sizer_;
    Scan& scan_;
    std::vector<CacheSubItem> items_;
};

// ---------------------------------------------------------------- Linux places

constexpr Measure kLinuxMeasures[] = {kBrowserRule, kOfficeRule, kAiDevRule, kSystemRule};
constexpr EngineText kSelectedBadges[] = {kPureCacheBadge, kPureCacheBadge, kRebuildableBadge, kSystemCacheBadge};

bool ownerRuns(const linuxcache::Rule& rule, const linuxcache::Location& location, const RunningPrograms& running)
{
    using linuxcache::Owner;
    const std::string first = location.parts.empty() ? std::string() : location.parts.front();
    switch (rule.owner) {
    case Owner::flatpakApp:
        // Inside its sandbox the program is usually named after the id's last part.
        return running.isFlatpakAppRunning(first) || running.isRunning(first.substr(first.rfind('.') + 1));
    case Owner::snap:
        return running.isSnapRunning(first) || running.isRunning(first);
    case Owner::programs:
        break;
    }
    return std::any_of(rule.programs.begin(), rule.programs.end(),
                       [&](std::string_view program) { return running.isRunning(program); });
}

void addLinuxItem(CardItems& card, const linuxcache::Rule& rule, const linuxcache::Location& location)
{
    Scan& scan = card.scan();
    if (scan.offered.count(location.path))
        return;
    const bool profile = rule.style == linuxcache::NameStyle::browserProfile;
    const Measure measure = profile ? kChromeProfileCache : kLinuxMeasures[rule.card];
    EngineText badge = kProtectedByDefaultBadge;
    if (rule.isSafeDefault)
        badge = profile ? kChromeProfileBadge : kSelectedBadges[rule.card];
    ItemTexts texts{linuxcache::itemName(rule, location),
                    linuxcache::itemNameRef(rule, location),
                    rule.note,
                    badge,
                    rule.detail,
                    rule.isSafeDefault};
    if (ownerRuns(rule, location, scan.running))
        texts = whileRunning(std::move(texts));
    // A store that hands its files to environments as hard links frees only what no
    // environment shares; that is the size shown.
    const Int64 size = rule.hardLinkedStore ? freeableSize(location.path, measure.depth)
                                            : card.sizer().size(location.path, measure.depth);
    if (size >= measure.minimumBytes)
        card.keep(location.path, size, texts);
}

void addLinuxRules(CardItems& card, std::size_t cardIndex, bool cacheEntriesToo)
{
    for (const linuxcache::Rule& rule : linuxcache::rules()) {
        if (rule.card != cardIndex || (rule.base == linuxcache::Base::cache && !cacheEntriesToo))
            continue;
        for (const auto& location : linuxcache::expand(rule, card.scan().places))
            addLinuxItem(card, rule, location);
    }
}

// The application container's Data folder around a rule location inside it. The cut is
// searched only below the Containers folder: a home whose own path contains "/Data/"
// must not move it above the container (it would offer a folder holding the whole home).
Path containerDataFolder(const Path& location, const Path& containers)
{
    const std::string_view inside = std::string_view(location).substr(containers.size());
    const auto cut = inside.find("/Data/");
    return containers + std::string(cut == std::string_view::npos ? inside : inside.substr(0, cut)) + "/Data";
}

void addBrowserItems(CardItems& card)
{
    const Path& home = card.scan().home();
    const std::optional<Path>& tempParent = card.scan().tempParent;
    for (const Rule& rule : browserRules())
        if (const auto location = locationOf(rule, home, tempParent))
            card.keepIfLargeEnough(*location, kBrowserRule, textsOf(rule, kPureCacheBadge));

    // Only the named cache folders of a profile are offered; its cookies, passwords,
    // folderGrants and local storage sit beside them and are never looked at.
    const Path chromeData = chromeDataFolder(home);
    const auto entries = DirectoryWalker::list(chromeData, home);
    for (const auto& entry : entries ? *entries : std::vector<DirectoryWalker::Child>{}) {
        if (!isChromeProfileName(entry.name))
            continue;
        const Path profile = paths::join(chromeData, entry.name);
        for (const std::string_view folder : chromeProfileCacheFolders())
            card.keepIfLargeEnough(paths::join(profile, folder), kChromeProfileCache,
                                   {chromeProfileItemName(entry.name, folder),
                                    chromeProfileItemNameRef(entry.name, folder), kChromeProfileNote,
                                    kChromeProfileBadge, kChromeProfileDetail});
    }
    addLinuxRules(card, 0, true);
}

void addOfficeSocialItems(CardItems& card)
{
    const Path& home = card.scan().home();
    const std::optional<Path>& tempParent = card.scan().tempParent;
    const Path containers = containersFolder(home);
    for (const Rule& rule : officeSocialRules()) {
        const auto location = locationOf(rule, home, tempParent);
        if (!location)
            continue;
        const ItemTexts texts = textsOf(rule, rule.isSafeDefault ? kPureCacheBadge : kProtectedByDefaultBadge);
        const Int64 size = card.sizer().size(*location, kOfficeRule.depth);
        if (size > kOfficeRuleOwnFolderAbove) {
            card.keep(*location, size, texts);
        } else if (paths::isSameOrInside(*location, containers) && *location != containers) {
            // The cache moved inside the container: offer the container's data as a whole.
            card.keepIfLargeEnough(containerDataFolder(*location, containers), kContainerData, texts);
        } else if (size >= kOfficeRule.minimumBytes) {
            card.keep(*location, size, texts);
        }
    }
    addLinuxRules(card, 1, true);
}

// Every entry of the cache folder, except the running session's own caches and mount
// points, and except entries a named rule decides: those are evaluated here, in the
// entry's place, so one path stays one item.
void addCacheFolderEntries(CardItems& card)
{
    const Path& cacheFolder = card.scan().layout.base.cache;
    const auto entries = DirectoryWalker::list(cacheFolder, card.scan().home());
    if (!entries)
        return;
    for (const auto& entry : *entries) {
        if (linuxcache::isKeptCacheEntry(entry.name))
            continue;
        if (const auto named = linuxcache::rulesForCacheEntry(entry.name); !named.empty()) {
            for (const linuxcache::Rule* rule : named)
                if (rule->card == 2)
                    for (const auto& location : linuxcache::expand(*rule, card.scan().places))
                        addLinuxItem(card, *rule, location);
            continue;
        }
        ItemTexts texts{dotCacheItemName(entry.name), dotCacheItemNameRef(entry.name), kDotCacheNote, kDotCacheBadge,
                        kDotCacheDetail};
        if (card.scan().running.isRunning(entry.name))
            texts = whileRunning(std::move(texts));
        card.keepIfLargeEnough(paths::join(cacheFolder, entry.name), kAiDevRule, texts);
    }
}

void addAiDevItems(CardItems& card)
{
    addCacheFolderEntries(card);
    for (const Rule& rule : aiDevRules())
        if (const auto location = locationOf(rule, card.scan().home(), card.scan().tempParent))
            card.keepIfLargeEnough(*location, kAiDevRule,
                                   textsOf(rule, rule.isSafeDefault ? kRebuildableBadge : kProtectedByDefaultBadge));
    addLinuxRules(card, 2, false);
}

void addSystemItems(CardItems& card)
{
    for (const Rule& rule : systemRules())
        if (const auto location = locationOf(rule, card.scan().home(), card.scan().tempParent)) // none: left out
            card.keepIfLargeEnough(*location, kSystemRule, textsOf(rule, kSystemCacheBadge));
    addLinuxRules(card, 3, true);
}

} // namespace

std::vector<SafeCacheRuleCard> scanCacheCatalogue(const Path& home, std::optional<Int64> trashBytes)
{
    return scanCacheCatalogue(HomeLayout::of(home, false), RunningPrograms::read(), trashBytes);
}

std::vector<SafeCacheRuleCard> scanCacheCatalogue(const HomeLayout& layout, const RunningPrograms& running,
                                                  std::optional<Int64> trashBytes)
{
    using AddItems = void (*)(CardItems&);
    static constexpr AddItems kCardContents[] = {addBrowserItems, addOfficeSocialItems, addAiDevItems, addSystemItems};

    Scan scan{layout,
              running,
              tempfolder::perUserTemporaryParent(),
              {layout.home, layout.base.cache, layout.base.config, layout.base.data},
              {},
              {}};
    // Shared by all cards, so nested locations are walked once. Every location is reached
    // from its root without links; what another file system mounted there holds is
    // neither measured nor offered.
    std::vector<Path> roots{layout.home};
    if (scan.tempParent)
        roots.push_back(*scan.tempParent);
    TreeSizer sizer(std::move(roots));
    if (trashBytes)
        scan.measuredElsewhere[Trash::homeFilesFolder(layout.home)] = *trashBytes;
    std::vector<SafeCacheRuleCard> cards;
    for (std::size_t index = 0; index < std::size(kCardContents); ++index) {
        CardItems items(sizer, scan);
        kCardContents[index](items);
        SafeCacheRuleCard card = cardShell(index);
        card.subItems = std::move(items).sorted();
        if (!card.subItems.empty())
            cards.push_back(std::move(card));
    }
    std::stable_sort(cards.begin(), cards.end(), [](const SafeCacheRuleCard& a, const SafeCacheRuleCard& b) {
        return a.totalScannedBytes() > b.totalScannedBytes();
    });
    return cards;
}
