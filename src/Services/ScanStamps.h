#pragma once
// What a scan saw at every path it offers for cleaning, recorded before it publishes:
// the clean compares it with what stands there just before it acts. A path that cannot
// be reached from its root without meeting a link (a catalogue location under a linked
// ~/Library, say), or a file that changed while the scan looked at it, is not offered.

#include "Models/FileStamp.h"
#include "Models/StorageModels.h"
#include "Platform/Beneath.h"
#include "Services/CleanedPathFilter.h"

#include <optional>
#include <unordered_map>
#include <vector>

using ScannedStamps = std::unordered_map<Path, FileStamp>;

// A grant of part of the home: of what lies in `home`, only what lies in `folder` is offered.
struct PartialHome {
    Path home;
    Path folder;
};

class ScanStamps {
  public:
    // Nothing at, inside or holding a path of `ownState` (the program's history and lock)
    // is ever offered, nor what a partial grant leaves out (places outside the home, such as
    // the Applications folder, have grants of their own).
    explicit ScanStamps(std::vector<Path> roots, std::vector<Path> ownState = {},
                        std::optional<PartialHome> partialHome = std::nullopt);

    // Records every path of the list and takes out what cannot be offered.
    void offerOnly(std::vector<SafeCacheRuleCard>& cards);
    void offerOnly(std::vector<ProjectBloatItem>& bloats);
    void offerOnly(std::vector<InstalledAppItem>& apps);
    void offerOnly(std::vector<LargeFileItem>& files);
    void offerOnly(std::vector<DuplicateFileGroup>& groups);

    // Records what stands at the path now; false when it is gone or reached through a link.
    bool record(const Path& path);
    const ScannedStamps& stamps() const { return stamps_; }

  private:
    // A file must also still show the modification time the scan's own walk saw.
    bool recordFile(const Path& path, Date modifiedAsWalked);
    bool leftOutOfGrant(const Path& path) const;

    beneath::Roots roots_;
    std::vector<Path> ownState_;
    std::optional<PartialHome> partialHome_;
    ScannedStamps stamps_;
    CleanedPaths notOffered_;
};
