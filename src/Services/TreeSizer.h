#pragma once
// Sizes folders for one catalogue scan, walking each tree once.
//
// The results equal directorySize and buildTopContentPreview, but:
// - while a folder is sized, its first children are sized to the preview's depth in
//   the same walk, so a kept item's preview costs no second walk;
// - every sized folder keeps the bytes it found per level, so a rule that contains an
//   already sized one (Library/Caches around Library/Caches/Google, a container's Data
//   folder around its Application Support) reuses that subtree instead of walking it
//   again. A subtree with hard-linked files is walked again: its files may be shared
//   with the rest of the tree, which must count them once.

#include "Models/StorageModels.h"
#include "Services/ContentPreview.h"

#include <string>
#include <unordered_map>
#include <vector>

class TreeSizer {
  public:
    // A location inside one of `roots` is reached from the innermost root that holds it,
    // never through a link nor onto another file system mounted below it.
    explicit TreeSizer(std::vector<Path> roots = {}) : roots_(std::move(roots)) {}

    // Same result as directorySize(url, maxDepth, the root that holds url).
    Int64 size(const Path& url, int maxDepth);
    // What buildTopContentPreview(url, the root that holds url) gives; free when url was
    // sized deep enough, else one walk.
    std::vector<std::string> preview(const Path& url) const;

  private:
    struct Profile {
        std::vector<Int64> bytesAtLevel; // [k] = bytes of the files at level k + 1
        bool complete = true;            // nothing was left uncounted below the last level
        bool hasSharedFiles = false;     // some file has other hard links
        Int64 upTo(std::size_t depth) const;
        bool answers(std::size_t depth) const { return complete || depth <= bytesAtLevel.size(); }
    };
    struct Record {
        bool isFolder = false;
        Int64 fileBytes = 0;                     // when not a folder
        Profile profile;                         // when a folder
        std::vector<preview::ChildSize> leading; // first children at the preview's depth
        bool leadingKnown = false;
    };

    class FolderMeasurement;

    std::string_view rootOf(const Path& url) const;
    // With leadingOnly, only the children the preview looks at are walked (the profile then
    // covers them alone).
    Record measureFolder(const Path& url, int maxDepth, bool leadingOnly = false) const;
    const Record* reusableFolder(const std::string& path, int remainingDepth) const;

    std::vector<Path> roots_;
    std::unordered_map<std::string, Record> records_;
};
