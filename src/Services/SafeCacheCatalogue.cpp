#include "Services/SafeCacheCatalogue.h"

#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/TemporaryFolder.h"
#include "Platform/Trash.h"
#include "Services/SafeCacheRules.h"
#include "Services/TreeSizer.h"

#include <algorithm>
#include <map>

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
    std::string_view note, badge, verificationDetail;
    bool isSafeDefault = true;
};

ItemTexts textsOf(const Rule& rule, std::string_view badge)
{
    return {std::string(rule.name), rule.note, badge, rule.verificationDetail, rule.isSafeDefault};
}

// Collects one card's items; every item is previewed from the walk that sized it.
class CardItems {
  public:
    CardItems(TreeSizer& sizer, const std::map<URL, Int64>& measuredElsewhere)
        : sizer_(sizer), measuredElsewhere_(measuredElsewhere)
    {
    }

    void keep(const URL& url, Int64 size, const ItemTexts& texts)
    {
        items_.emplace_back(texts.name, std::string(texts.note), url, size, std::string(texts.badge),
                            std::string(texts.verificationDetail), std::string(kLastModifiedText), sizer_.preview(url),
                            texts.isSafeDefault);
    }
    void keepIfLargeEnough(const URL& url, Measure measure, const ItemTexts& texts)
    {
        const auto elsewhere = measuredElsewhere_.find(url);
        const Int64 size = elsewhere != measuredElsewhere_.end() ? elsewhere->second : sizer_.size(url, measure.depth);
        if (size >= measure.minimumBytes)
            keep(url, size, texts);
    }
    TreeSizer& sizer() { return sizer_; }

    // Largest first; equal sizes keep the order of collection.
    std::vector<CacheSubItem> sorted() &&
    {
        std::stable_sort(items_.begin(), items_.end(),
                         [](const CacheSubItem& a, const CacheSubItem& b) { return a.sizeBytes > b.sizeBytes; });
        return std::move(items_);
    }

  private:
    TreeSizer& sizer_;
    const std::map<URL, Int64>& measuredElsewhere_;
    std::vector<CacheSubItem> items_;
};

// The application container's Data folder around a rule location inside it. The cut is
// searched only below the Containers folder: a home whose own path contains "/Data/"
// must not move it above the container (it would offer a folder holding the whole home).
URL containerDataFolder(const URL& location, const URL& containers)
{
    const std::string_view inside = std::string_view(location).substr(containers.size());
    const auto cut = inside.find("/Data/");
    return containers + std::string(cut == std::string_view::npos ? inside : inside.substr(0, cut)) + "/Data";
}

void addBrowserItems(CardItems& card, const URL& home, const std::optional<URL>& tempParent)
{
    for (const Rule& rule : browserRules())
        if (const auto location = locationOf(rule, home, tempParent))
            card.keepIfLargeEnough(*location, kBrowserRule, textsOf(rule, kPureCacheBadge));

    // Only the named cache folders of a profile are offered; its cookies, passwords,
    // bookmarks and local storage sit beside them and are never looked at.
    const URL chromeData = chromeDataFolder(home);
    const auto entries = DirectoryWalker::list(chromeData, home);
    if (!entries)
        return;
    for (const auto& entry : *entries) {
        if (!isChromeProfileName(entry.name))
            continue;
        const URL profile = paths::join(chromeData, entry.name);
        for (const std::string_view folder : chromeProfileCacheFolders())
            card.keepIfLargeEnough(paths::join(profile, folder), kChromeProfileCache,
                                   {chromeProfileItemName(entry.name, folder), kChromeProfileNote, kChromeProfileBadge,
                                    kChromeProfileDetail});
    }
}

void addOfficeSocialItems(CardItems& card, const URL& home, const std::optional<URL>& tempParent)
{
    const URL containers = containersFolder(home);
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
}

void addAiDevItems(CardItems& card, const URL& home, const std::optional<URL>& tempParent)
{
    const URL dotCache = dotCacheFolder(home);
    if (const auto entries = DirectoryWalker::list(dotCache, home))
        for (const auto& entry : *entries)
            card.keepIfLargeEnough(paths::join(dotCache, entry.name), kAiDevRule,
                                   {dotCacheItemName(entry.name), kDotCacheNote, kDotCacheBadge, kDotCacheDetail});
    for (const Rule& rule : aiDevRules())
        if (const auto location = locationOf(rule, home, tempParent))
            card.keepIfLargeEnough(*location, kAiDevRule, textsOf(rule, kRebuildableBadge));
}

void addSystemItems(CardItems& card, const URL& home, const std::optional<URL>& tempParent)
{
    for (const Rule& rule : systemRules())
        if (const auto location = locationOf(rule, home, tempParent)) // no temporary parent: rule left out
            card.keepIfLargeEnough(*location, kSystemRule, textsOf(rule, kSystemCacheBadge));
}

} // namespace

std::vector<SafeCacheRuleCard> scanFourHumanCentricScenarioCards(const URL& home, std::optional<Int64> trashBytes)
{
    using AddItems = void (*)(CardItems&, const URL&, const std::optional<URL>&);
    static constexpr AddItems kCardContents[] = {addBrowserItems, addOfficeSocialItems, addAiDevItems, addSystemItems};

    const std::optional<URL> tempParent = tempfolder::perUserTemporaryParent();
    // Shared by all cards, so nested locations are walked once. Every location is reached
    // from its root without links; what another file system mounted there holds is
    // neither measured nor offered.
    std::vector<URL> roots{home};
    if (tempParent)
        roots.push_back(*tempParent);
    TreeSizer sizer(std::move(roots));
    std::map<URL, Int64> measuredElsewhere;
    if (trashBytes)
        measuredElsewhere[Trash::homeFilesFolder(home)] = *trashBytes;
    std::vector<SafeCacheRuleCard> cards;
    for (std::size_t index = 0; index < std::size(kCardContents); ++index) {
        CardItems items(sizer, measuredElsewhere);
        kCardContents[index](items, home, tempParent);
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
