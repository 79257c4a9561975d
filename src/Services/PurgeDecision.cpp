#include "Services/PurgeDecision.h"

#include "Models/Paths.h"

namespace {

bool startsWith(const URL& path, std::string_view prefix) { return path.compare(0, prefix.size(), prefix) == 0; }

PurgeDecision skip(PurgeSkipReason reason) { return {PurgeAction::skip, reason}; }

} // namespace

bool deletesEvenInTrashMode(const URL& path, const URL& trashFolder)
{
    return paths::isSameOrInside(path, trashFolder) || startsWith(path, "/private/var/") || startsWith(path, "/tmp/");
}

bool isOffLimits(const URL& path, const URL& home, const URL& trashFolder)
{
    const URL item = paths::standardized(path);
    const URL trash = paths::standardized(trashFolder);
    return paths::isSameOrInside(paths::standardized(home), item) ||
           (item != trash && paths::isSameOrInside(trash, item));
}

bool touchesAny(const URL& path, const std::vector<URL>& places)
{
    const URL item = paths::standardized(path);
    for (const auto& place : places) {
        const URL own = paths::standardized(place);
        if (paths::isSameOrInside(item, own) || paths::isSameOrInside(own, item))
            return true;
    }
    return false;
}

PurgeDecision decidePurgeAction(const CleanItem& item, const ItemFacts& facts, const PurgeRules& rules)
{
    using Presence = ItemFacts::Presence;
    if (isOffLimits(item.url, rules.home, rules.trashFolder) || touchesAny(item.url, rules.ownState))
        return skip(PurgeSkipReason::offLimits);
    switch (facts.presence) {
    case Presence::outsideRoots:
        return skip(PurgeSkipReason::outsideRoots);
    case Presence::throughLink:
        return skip(PurgeSkipReason::reachedThroughLink);
    case Presence::unreadable:
        return skip(PurgeSkipReason::unreadable);
    case Presence::missing:
        return {PurgeAction::countAsGone};
    case Presence::present:
        break;
    }
    if (item.scanned && (!facts.now || !item.scanned->isUnchangedIn(*facts.now)))
        return skip(PurgeSkipReason::changedSinceScan);
    if (item.keptOriginal && facts.keptOriginalUnchanged != true)
        return skip(PurgeSkipReason::originalChanged);
    if (facts.isMountPoint)
        return skip(PurgeSkipReason::mountPoint);

    const bool isTrashFolder = paths::standardized(item.url) == paths::standardized(rules.trashFolder);
    if (isTrashFolder || (rules.toTrash && !deletesEvenInTrashMode(item.url, rules.trashFolder))) {
        if (!rules.trashUsable)
            return skip(PurgeSkipReason::trashUnusable);
        if (!isTrashFolder)
            return {PurgeAction::moveToTrash};
        return item.trashEntries ? PurgeDecision{PurgeAction::emptyTrash} : skip(PurgeSkipReason::trashNotMeasured);
    }
    return {PurgeAction::deleteForGood};
}
