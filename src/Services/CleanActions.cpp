#include "Services/CleanActions.h"

#include "Models/Paths.h"
#include "Platform/FaultInjection.h"
#include "Platform/FileIdentity.h"
#include "Platform/MergeCopy.h"
#include "Platform/PackageKitRemoval.h"
#include "Platform/TreeTally.h"
#include "Services/FlatpakRemoval.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>

namespace {

Int64 nonNegative(Int64 bytes) { return bytes < 0 ? 0 : bytes; }

CleanItemReport reportFor(const CleanItem& item, CleanItemResult result)
{
    CleanItemReport report;
    report.url = item.url;
    report.name = item.name;
    report.nameRef = item.nameRef;
    report.result = result;
    return report;
}

CleanItemReport skipped(const CleanItem& item, CleanSkipReason reason, int error = 0)
{
    CleanItemReport report = reportFor(item, CleanItemResult::skipped);
    report.reason = reason;
    report.error = error;
    return report;
}

// Where in the Trash an item (or the part of it that went) waits, and which object it is there.
struct InTrash {
    Path at;
    FileStamp entry;
};

CleanItemReport cleaned(const CleanItem& item, Int64 freedBytes, std::optional<InTrash> trashed = std::nullopt)
{
    CleanItemReport report = reportFor(item, CleanItemResult::cleaned);
    report.freedBytes = freedBytes;
    if (trashed) {
        report.trashedAt = std::move(trashed->at);
        report.trashedEntry = trashed->entry;
    }
    return report;
}

bool isGone(const fileops::Place& place)
{
    const auto st = fileops::stat(place);
    return !st && st.error() == ENOENT;
}

CleanItemReport partlyCleaned(const CleanItem& item, const TreeTally& left, Int64 freedBytes, int error,
                              std::optional<InTrash> trashed)
{
    CleanItemReport report = cleaned(item, freedBytes, std::move(trashed));
    report.result = CleanItemResult::partlyCleaned;
    report.reason = CleanSkipReason::failed;
    report.error = error;
    report.entriesLeft = left.entries;
    report.bytesLeft = left.bytes;
    return report;
}

// After some children of a folder went to the Trash: the folder itself stays (empty, when
// all went). It counts as cleaned only when nothing of it is left; the freed bytes are
// what the children in the Trash will free when it is emptied.
CleanItemReport afterMovingChildren(const CleanItem& item, const fileops::Place& place, int error,
                                    const InTrash& holder, Int64 freedBytes)
{
    TreeTally left = tallyTree(place);
    left.entries = std::max<Int64>(left.entries - 1, 0); // the folder itself
    if (left.entries == 0)
        return cleaned(item, freedBytes, holder);
    return partlyCleaned(item, left, freedBytes, error, holder);
}

std::string trashNameFor(const CleanItem& item, std::size_t index)
{
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch());
    return "QM-" + std::to_string(seconds.count()) + "-" + std::to_string(index) + "-" + paths::lastComponent(item.url);
}

ItemFacts::Presence presenceAfter(int error)
{
    using Presence = ItemFacts::Presence;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Presence::missing;
    case ELOOP:
        return Presence::throughLink;
    case EXDEV:
        return Presence::outsideRoots;
    default:
        return Presence::unreadable;
    }
}

// An app of the person's own Flatpak installation: its tool removes it. The app folder
// is the tool's business, never ours; it is only looked at afterwards: an exit status of 0
// with the folder still there is no removal.
CleanItemReport removeUserFlatpak(const CleanItem& item, const std::string& id)
{
    if (!isFlatpakAppId(id))
        return skipped(item, CleanSkipReason::notAnAppId);
    const ToolRun run = uninstallUserFlatpak(flatpakInstallationOf(item.url), id);
    switch (run.outcome) {
    case ToolRun::Outcome::exited:
        if (run.status == 0) {
            const auto left = fileops::statNoFollow(item.url);
            if (!left && left.error() == ENOENT)
                return cleaned(item, nonNegative(item.sizeBytes));
            return skipped(item, CleanSkipReason::appStillThere, left ? 0 : left.error());
        }
        break;
    case ToolRun::Outcome::notFound:
        return skipped(item, CleanSkipReason::removalToolMissing);
    case ToolRun::Outcome::notStarted:
        return skipped(item, CleanSkipReason::failed, run.status);
    case ToolRun::Outcome::killed:
        break;
    }
    CleanItemReport report = skipped(item, CleanSkipReason::removalToolFailed);
    report.toolExitStatus = run.outcome == ToolRun::Outcome::killed ? 128 + run.status : run.status;
    return report;
}

// PackageKit removes the package; it counts as removed only once its launcher is gone too.
CleanItemReport removeSystemPackage(const CleanItem& item, const std::string& package,
                                    const std::function<void(int)>& percent)
{
    const PackageRemoval removal = removeWithPackageKit(package, percent);
    switch (removal.outcome) {
    case PackageRemoval::Outcome::unavailable:
        return skipped(item, CleanSkipReason::removalToolMissing);
    case PackageRemoval::Outcome::removed:
    case PackageRemoval::Outcome::notInstalled: {
        const auto left = fileops::statNoFollow(item.url);
        if (!left && left.error() == ENOENT)
            return cleaned(item, removal.outcome == PackageRemoval::Outcome::removed ? nonNegative(item.sizeBytes) : 0);
        return skipped(item, CleanSkipReason::appStillThere, left ? 0 : left.error());
    }
    case PackageRemoval::Outcome::failed:
        break;
    }
    CleanItemReport report = skipped(item, CleanSkipReason::removalToolFailed);
    report.toolExitStatus = int(removal.error);
    return report;
}

} // namespace

CleanWorkspace::CleanWorkspace(Setup setup)
    : setup_(std::move(setup)), roots_(setup_.roots), trash_(Trash::openHome(setup_.home, true))
{
}

CleanWorkspace::Found CleanWorkspace::find(const Path& path)
{
    Found found;
    auto location = roots_.locate(path);
    if (!location) {
        found.facts.presence = presenceAfter(location.error());
        return found;
    }
    const auto st = fileops::stat(fileops::placeOf(*location));
    if (!st) {
        found.facts.presence = presenceAfter(st.error());
        return found;
    }
    found.facts.now = stampOf(*st);
    found.facts.isMountPoint = fileops::isMountPoint(fileops::placeOf(*location));
    found.location = std::move(*location);
    return found;
}

bool CleanWorkspace::isUnchanged(const ScannedPath& scanned)
{
    const Found found = find(scanned.url);
    return scanned.stamp && found.facts.now && scanned.stamp->isUnchangedIn(*found.facts.now);
}

ItemFacts CleanWorkspace::factsOf(const CleanItem& item, Found& found)
{
    found = find(item.url);
    ItemFacts facts = found.facts;
    if (item.keptOriginal)
        facts.keptOriginalUnchanged = isUnchanged(*item.keptOriginal);
    return facts;
}

CleanItemReport CleanWorkspace::clean(const PlannedItem& planned, std::size_t index)
{
    const CleanItem& item = planned.item;
    if (planned.skip != CleanSkipReason::none)
        return skipped(item, planned.skip);
    if (item.userFlatpakId)
        return removeUserFlatpak(item, *item.userFlatpakId);
    if (item.systemPackage)
        return removeSystemPackage(item, *item.systemPackage, [&](int percent) {
            if (setup_.stepProgress)
                setup_.stepProgress(index, percent);
        });
    if (item.onlyOnceGone) {
        const auto app = fileops::statNoFollow(*item.onlyOnceGone);
        if (app || app.error() != ENOENT)
            return skipped(item, CleanSkipReason::appStillThere, app ? 0 : app.error());
    }

    Found found;
    const ItemFacts facts = factsOf(item, found);
    const CleanDecision decision = decideCleanAction(
        item, facts, {setup_.home, Trash::homeFilesFolder(setup_.home), setup_.toTrash, trash_.ok(), setup_.ownState});
    // A copy to merge stays where it is: once every check passed, it is merged instead.
    if (item.mergeIntoOriginal &&
        (decision.action == CleanAction::moveToTrash || decision.action == CleanAction::deleteForGood))
        return mergeIntoOriginal(item, fileops::placeOf(*found.location), *facts.now);
    switch (decision.action) {
    case CleanAction::countAsGone: {
        CleanItemReport report = cleaned(item, 0);
        report.wasAlreadyGone = true;
        return report;
    }
    case CleanAction::skip:
        return skipped(item, decision.reason);
    case CleanAction::moveToTrash:
        return moveToTrash(item, fileops::placeOf(*found.location), *facts.now, trashNameFor(item, index));
    case CleanAction::deleteForGood:
        return deleteForGood(item, fileops::placeOf(*found.location), *facts.now);
    case CleanAction::emptyTrash:
        return emptyTrash(item);
    }
    return skipped(item, CleanSkipReason::failed);
}

namespace {

// Opens a file of the clean for merging: relative to its opened folder, never through a
// link, and only while it is the object and content the scan saw.
Result<UniqueFd> openAsScanned(const fileops::Place& place, const std::optional<FileStamp>& scanned)
{
    if (const int error = fault::check(fault::Op::openFile, place.path))
        return Failure{error};
    UniqueFd fd(::openat(place.folder, place.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st;
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return lastError();
    if (!S_ISREG(st.st_mode) || !scanned || !scanned->isUnchangedIn(stampOf(st)))
        return Failure{ESTALE};
    return fd;
}

} // namespace

CleanItemReport CleanWorkspace::mergeIntoOriginal(const CleanItem& item, const fileops::Place& place,
                                                  const FileStamp& now)
{
    if (!item.keptOriginal || now.kind != FileStamp::Kind::file)
        return skipped(item, CleanSkipReason::mergeUnsupported);
    const auto copy = openAsScanned(place, item.scanned);
    if (!copy)
        return skipped(item, copy.error() == ESTALE ? CleanSkipReason::changedSinceScan : CleanSkipReason::failed,
                       copy.error());
    Found original = find(item.keptOriginal->url);
    if (!original.location)
        return skipped(item, CleanSkipReason::originalChanged);
    const auto kept = openAsScanned(fileops::placeOf(*original.location), item.keptOriginal->stamp);
    if (!kept)
        return skipped(item, CleanSkipReason::originalChanged, kept.error() == ESTALE ? 0 : kept.error());
    if (item.keptOriginal->stamp->sizeBytes != now.sizeBytes)
        return skipped(item, CleanSkipReason::copyDiffers);
    const mergecopy::Report merged = mergecopy::merge(kept->get(), copy->get(), now.sizeBytes, place.path);
    switch (merged.outcome) {
    case mergecopy::Outcome::merged: {
        CleanItemReport report = cleaned(item, std::max<Int64>(item.sizeBytes, 0));
        report.mergedInPlace = true;
        return report;
    }
    case mergecopy::Outcome::differs:
        return skipped(item, CleanSkipReason::copyDiffers);
    case mergecopy::Outcome::unsupported:
        return skipped(item, CleanSkipReason::mergeUnsupported, merged.error);
    case mergecopy::Outcome::failed:
        break;
    }
    return skipped(item, CleanSkipReason::failed, merged.error);
}

// Our own move first, then the system's Trash call (another file system has its own
// trash), then child by child. Nothing here replaces anything, and a link is moved as
// the link.
CleanItemReport CleanWorkspace::moveToTrash(const CleanItem& item, const fileops::Place& place, const FileStamp& now,
                                            const std::string& trashName)
{
    // A move frees nothing until the Trash is emptied; what emptying it will free is
    // measured now, by the rule a deletion frees by: files whose last name goes.
    const Int64 willFree = tallyTree(place).ownBytes;
    // A move keeps the object: in the Trash it is the one that stood at the path.
    const auto moved = trash_->moveIn(place, trashName);
    if (moved)
        return cleaned(item, willFree, InTrash{*moved, now});
    const auto trashed = Trash::trashItem(place, setup_.home);
    if (trashed)
        return cleaned(item, willFree, InTrash{*trashed, now});
    if (now.kind != FileStamp::Kind::folder)
        return skipped(item, CleanSkipReason::failed, moved.error());
    return moveChildren(item, place, now, trashName, moved.error());
}

// A folder that cannot move as a whole (something inside is held) may still give up its
// children, into a folder of their own in the Trash.
CleanItemReport CleanWorkspace::moveChildren(const CleanItem& item, const fileops::Place& place, const FileStamp& now,
                                             const std::string& trashName, int firstError)
{
    const auto folder = fileops::openFolder(place);
    struct stat opened;
    if (!folder || ::fstat(folder->get(), &opened) != 0 || !now.isSameObject(stampOf(opened)))
        return skipped(item, folder ? CleanSkipReason::changedSinceScan : CleanSkipReason::failed, firstError);
    const auto children = fileops::listChildren(folder->get(), place.path);
    if (!children || children->empty())
        return skipped(item, CleanSkipReason::failed, firstError);
    const auto holderName = trash_->makeFolderFor(place.path, trashName);
    if (!holderName)
        return skipped(item, CleanSkipReason::failed, holderName.error());
    const fileops::Place holder = trash_->entry(*holderName);
    const auto holderFolder = fileops::openFolder(holder);
    struct stat holderStat {};
    if (holderFolder)
        ::fstat(holderFolder->get(), &holderStat);
    std::size_t moved = 0;
    int error = firstError;
    for (const auto& child : *children) {
        if (!holderFolder)
            break;
        const Status status = fileops::moveNoReplace(fileops::childOf(folder->get(), place.path, child),
                                                     fileops::childOf(holderFolder->get(), holder.path, child));
        if (status)
            ++moved;
        else
            error = status.error();
    }
    if (moved == 0) {
        if (fileops::removeEmptyFolder(holder))
            trash_->forget(*holderName);
        return skipped(item, CleanSkipReason::failed, error);
    }
    return afterMovingChildren(item, place, error, InTrash{holder.path, stampOf(holderStat)},
                               tallyTree(holder).ownBytes);
}

CleanItemReport CleanWorkspace::deleteForGood(const CleanItem& item, const fileops::Place& place, const FileStamp& now)
{
    const fileops::Removal removal = fileops::removeTree(place, now);
    if (isGone(place)) {
        // A single entry of the Trash takes its info file with it.
        if (trash_ && paths::parent(item.url) == trash_->filesFolder())
            trash_->forget(place.name);
        return cleaned(item, removal.freedBytes);
    }
    if (removal.removedEntries == 0)
        return skipped(item, CleanSkipReason::failed, removal.status.error());
    // What is left may not even be readable: the bytes that went are the ones counted.
    return partlyCleaned(item, tallyTree(place), removal.freedBytes, removal.status.error(), std::nullopt);
}

// Only the entries the scan measured go, and none that the restore history points at or
// that this program put there: what arrived later (another clean's items, a file the user
// just threw away) stays.
CleanItemReport CleanWorkspace::emptyTrash(const CleanItem& item)
{
    if (!setup_.trashProtectionKnown)
        return skipped(item, CleanSkipReason::trashProtectionUnknown);
    Int64 freed = 0;
    TreeTally left;
    bool anythingWent = false;
    int error = 0;
    for (const FolderEntryStamp& entry : *item.trashEntries) {
        if (setup_.protectedTrashEntries.count(entry.name) || trash_->isWrittenHere(entry.name))
            continue;
        const fileops::Place place = trash_->entry(entry.name);
        const auto st = fileops::stat(place);
        if (!st || entry.stamp != entryStampOf(*st))
            continue; // gone already, or another entry has taken the name since
        const fileops::Removal removal = fileops::removeTree(place, entry.stamp);
        anythingWent = anythingWent || removal.removedEntries > 0;
        freed += removal.freedBytes; // what really went, not what the scan measured
        if (isGone(place)) {
            trash_->forget(entry.name);
            continue;
        }
        error = removal.status.error();
        const TreeTally rest = tallyTree(place);
        left.entries += rest.entries;
        left.bytes += rest.bytes;
    }
    if (left.entries == 0)
        return cleaned(item, freed);
    if (!anythingWent)
        return skipped(item, CleanSkipReason::failed, error);
    return partlyCleaned(item, left, freed, error, std::nullopt);
}
