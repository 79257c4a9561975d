#include "Services/TrashSurvey.h"

#include "Platform/MountTable.h"
#include "Platform/Trash.h"

#include <algorithm>

namespace {

// The overview has always measured two levels; the catalogue measures as deep as its rules.
constexpr int kOverviewDepth = 2;
constexpr int kCatalogueDepth = 10;

} // namespace

TrashSurvey surveyHomeTrash(const Path& home)
{
    TrashSurvey survey;
    if (mounts::crossesMountBelow(home, Trash::homeFilesFolder(home)))
        return survey; // another disk's: neither measured nor offered
    const auto trash = Trash::openHome(home, false);
    if (!trash) {
        if (trash.error() == ENOENT)
            survey.entries.emplace(); // no Trash yet: nothing to offer, nothing unknown
        return survey;
    }
    auto measured = trash->measureEntries(kOverviewDepth, kCatalogueDepth);
    if (!measured)
        return survey;
    survey.overviewBytes = measured->nearBytes;
    survey.entries = std::move(measured->entries);
    return survey;
}

std::optional<std::vector<FolderEntryStamp>> trashEntriesToOffer(TrashSurvey survey,
                                                                 const std::set<std::string>& restorable,
                                                                 const std::optional<std::set<std::string>>& kept)
{
    if (!kept || !survey.entries)
        return std::nullopt;
    std::erase_if(*survey.entries, [&](const FolderEntryStamp& entry) {
        return restorable.count(entry.name) > 0 || kept->count(entry.name) > 0;
    });
    return std::move(survey.entries);
}
