#include "Services/CleanDecision.h"

#include "Models/Paths.h"

namespace {

bool startsWith(const Path& path, std::string_view prefix) { return path.compare(0, prefix.size(), prefix) == 0; }

CleanDecision skip(CleanSkipReason reason) { return {CleanAction::skip, reason}; }

} // namespace

bool deletesEvenInTrashMode(const Path& path, const Path& trashFolder)
{
    return paths::isSameOrInside(path, trashFolder) || startsWith(path, "/private/var/") || startsWith(path, "/tmp/");
}

bool isOffLimits(const Path& path, const Path& home, const Path& trashFolder)
{
    const Path item = paths::standardized(path);
    const Path trash = paths::standardized(trashFolder);
    return paths::isSameOrInside(paths::standardized(home), item) ||
           (item != trash && paths::isSameOrInside(trash, item));
}

bool touchesAny(const Path& path, const std::vector<Path>& places)
{
    const Path item = paths::standardized(path);
    for (const auto& place : places) {
        const Path own = paths::standardized(place);
        if (paths::isSameOrInside(item, own) || paths::isSameOrInside(own, item))
            return true;
    }
    return false;
}

CleanDecision decideCleanAction(const CleanItem& item, const ItemFacts& facts, const CleanRules& rules)
{
    using Presence = ItemFacts::Presence;
    if (isOffLimits(item.url, rules.home, rules.trashFolder) || touchesAny(item.url, rules.ownState))
        return skip(CleanSkipReason::offLimits);
    switch (facts.presence) {
    case Presence::outsideRoots:
        return skip(CleanSkipReason::outsideRoots);
    case Presence::throughLink:
        return skip(CleanSkipReason::reachedThroughLink);
    case Presence::unreadable:
        return skip(CleanSkipReason::unreadable);
    case Presence::missing:
        return {CleanAction::countAsGone};
    case Presence::present:
        break;
    }
    if (item.scanned && (!facts.now || !item.scanned->isUnchangedIn(*facts.now)))
        return skip(CleanSkipReason::changedSinceScan);
    if (item.keptOriginal && facts.keptOriginalUnchanged != true)
        return skip(CleanSkipReason::originalChanged);
    if (facts.isMountPoint)
        return skip(CleanSkipReason::mountPoint);

    const bool isTrashFolder = paths::standardized(item.url) == paths::standardized(rules.trashFolder);
    if (isTrashFolder || (rules.toTrash && !deletesEvenInTrashMode(item.url, rules.trashFolder))) {
        if (!rules.trashUsable)
            return skip(CleanSkipReason::trashUnusable);
        if (!isTrashFolder)
            return {CleanAction::moveToTrash};
        return item.trashEntries ? CleanDecision{CleanAction::emptyTrash} : skip(CleanSkipReason::trashNotMeasured);
    }
    return {CleanAction::deleteForGood};
}
