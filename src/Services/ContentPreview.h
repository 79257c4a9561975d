#pragma once
// The few lines that say what a cache folder holds: its largest children among the
// first few of its listing. Shared by the standalone preview and the catalogue scan,
// which measures children while it sizes the folder.

#include "Models/StorageModels.h"

#include <string>
#include <string_view>
#include <vector>

namespace preview {

inline constexpr std::size_t kChildrenExamined = 12; // first entries of the listing
inline constexpr int kChildDepth = 4;                // each child is measured this deep

struct ChildSize {
    std::string name;
    Int64 sizeBytes = 0;
};

// Lines for the examined children (at most kChildrenExamined, in listing order).
std::vector<std::string> linesForChildren(std::vector<ChildSize> children);
// The one line shown for a location that is a file.
std::string singleFileLine(std::string_view name);

} // namespace preview

// Up to four lines naming the largest of the first children of a folder ("name (size)"),
// or the one line of a file; nothing for a location that is gone. With `within`, url is
// reached from that folder as directorySize reaches it.
std::vector<std::string> buildTopContentPreview(const Path& url, std::string_view within = {});
