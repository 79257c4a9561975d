#pragma once
// The home trash as a scan sees it: listed and measured once, when the scan begins, for
// both the overview's figure and the entries the catalogue may offer to empty. A Trash
// of a million entries then costs one listing, one stat and one info-file read each.

#include "Models/FileStamp.h"
#include "Models/StorageModels.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

struct TrashSurvey {
    // What the overview shows: every entry measured two levels deep.
    Int64 overviewBytes = 0;
    // Every entry with its identity and the bytes it holds as deep as the catalogue
    // measures; nullopt when the home trash is reached through a link, lies on another
    // file system mounted in the home, or cannot be listed: then nothing of it is offered.
    std::optional<std::vector<FolderEntryStamp>> entries;
};

TrashSurvey surveyHomeTrash(const Path& home);

// The entries a scan may offer to empty: those the survey measured, less those a restore
// may still bring back (`restorable` this session, `kept` by the history and the Trash's
// own info files). Nothing when what protects them could not be read (`kept` nullopt).
std::optional<std::vector<FolderEntryStamp>> trashEntriesToOffer(TrashSurvey survey,
                                                                 const std::set<std::string>& restorable,
                                                                 const std::optional<std::set<std::string>>& kept);
