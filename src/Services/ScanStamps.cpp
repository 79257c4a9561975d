#include "Services/ScanStamps.h"

#include "Models/Paths.h"
#include "Platform/Beneath.h"
#include "Platform/FileIdentity.h"
#include "Platform/FileOperations.h"
#include "Services/CleanDecision.h"

#include <algorithm>

ScanStamps::ScanStamps(std::vector<Path> roots, std::vector<Path> ownState, std::optional<PartialHome> partialHome)
    : roots_(std::move(roots)), ownState_(std::move(ownState))
{
    if (partialHome)
        partialHome_ = PartialHome{paths::standardized(partialHome->home), paths::standardized(partialHome->folder)};
}

bool ScanStamps::leftOutOfGrant(const Path& path) const
{
    return partialHome_ && paths::isSameOrInside(path, partialHome_->home) &&
           !paths::isSameOrInside(path, partialHome_->folder);
}

bool ScanStamps::record(const Path& path)
{
    if (stamps_.count(path))
        return true;
    if (touchesAny(path, ownState_) || leftOutOfGrant(path)) {
        notOffered_.insert(path);
        return false;
    }
    const auto location = roots_.locate(path);
    const auto st = location ? fileops::stat(fileops::placeOf(*location)) : Result<struct stat>(location.status());
    if (!st) {
        notOffered_.insert(path);
        return false;
    }
    stamps_.emplace(path, stampOf(*st));
    return true;
}

bool ScanStamps::recordFile(const Path& path, Date modifiedAsWalked)
{
    if (!record(path))
        return false;
    const auto walked = std::chrono::duration_cast<std::chrono::nanoseconds>(modifiedAsWalked.time_since_epoch());
    if (stamps_.at(path).modifiedNanoseconds == walked.count())
        return true;
    stamps_.erase(path);
    notOffered_.insert(path);
    return false;
}

void ScanStamps::offerOnly(std::vector<SafeCacheRuleCard>& cards)
{
    for (const auto& card : cards)
        for (const auto& item : card.subItems)
            record(item.url);
    dropCleaned(cards, notOffered_);
}

void ScanStamps::offerOnly(std::vector<ProjectBloatItem>& bloats)
{
    for (const auto& bloat : bloats)
        record(bloat.url);
    dropCleaned(bloats, notOffered_);
}

void ScanStamps::offerOnly(std::vector<InstalledAppItem>& apps)
{
    for (auto& app : apps) {
        // An app its own tool or an administrator removes is shown, never acted on by its
        // path: it may lie outside every root (/var/lib/flatpak, /snap) and still be listed.
        if (isRemovedByMovingIt(app.kind))
            record(app.appPath);
        std::erase_if(app.uninstallPaths, [&](const Path& url) { return !record(url); });
        // A leftover that cannot be offered takes its own measured size with it.
        app.dropOrphansWhere([&](const Path& url) { return !record(url); });
    }
    dropCleaned(apps, notOffered_);
}

void ScanStamps::offerOnly(std::vector<LargeFileItem>& files)
{
    for (const auto& file : files)
        recordFile(file.url, file.modifiedDate);
    dropCleaned(files, notOffered_);
}

void ScanStamps::offerOnly(std::vector<DuplicateFileGroup>& groups)
{
    for (const auto& group : groups)
        for (const auto& member : group.members)
            recordFile(member.url, member.modifiedDate);
    dropCleaned(groups, notOffered_);
}
