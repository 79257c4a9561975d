#include "Services/TreeSizer.h"

#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FileIdentity.h"
#include "Services/DirectorySize.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

namespace {
// A child measured to the preview's depth holds files down to this level of the walk.
constexpr int kLeadingChildLevels = preview::kChildDepth + 1;
} // namespace

Int64 TreeSizer::Profile::upTo(std::size_t depth) const
{
    const auto end = bytesAtLevel.begin() + std::ptrdiff_t(std::min(depth, bytesAtLevel.size()));
    return std::accumulate(bytesAtLevel.begin(), end, Int64(0));
}

const TreeSizer::Record* TreeSizer::reusableFolder(const std::string& path, int remainingDepth) const
{
    const auto found = records_.find(path);
    if (found == records_.end())
        return nullptr;
    const Record& record = found->second;
    if (!record.isFolder || record.profile.hasSharedFiles || !record.profile.answers(std::size_t(remainingDepth)))
        return nullptr;
    return &record;
}

TreeSizer::Record TreeSizer::measureFolder(const URL& url, int maxDepth) const
{
    Record record;
    record.isFolder = true;
    record.leadingKnown = maxDepth >= kLeadingChildLevels;
    record.leading.reserve(preview::kChildrenExamined); // `child` points into it
    Profile& profile = record.profile;
    profile.bytesAtLevel.assign(std::size_t(std::max(maxDepth, 0)), 0);

    // Files with several names count once per measured tree, as directorySize counts them;
    // each previewed child is a tree of its own.
    std::unordered_set<FileIdentity, FileIdentityHash> seenInTree, seenInChild;
    std::size_t childrenSeen = 0;
    preview::ChildSize* child = nullptr; // the leading child being walked, if any

    // Asked about every entry before the walk counts or enters it.
    const auto prune = [&](const DirectoryWalker::Entry& entry) {
        const int level = entry.level();
        if (level == 1) {
            child = nullptr;
            if (++childrenSeen <= preview::kChildrenExamined && record.leadingKnown) {
                record.leading.push_back({std::string(entry.name()), 0});
                child = &record.leading.back();
                seenInChild.clear();
                if (entry.kind() == DirectoryWalker::Kind::other)
                    if (const struct stat* st = entry.stat())
                        child->sizeBytes += allocatedBytes(*st); // sized on its own, like any non-folder
            }
        }
        if (!entry.isDirectory() || level > maxDepth)
            return false;
        const int remaining = maxDepth - level;
        const Record* sub = records_.empty() ? nullptr : reusableFolder(entry.path(), remaining);
        if (!sub) {
            if (level == maxDepth)
                profile.complete = false; // whatever it holds lies beyond the limit
            return false;
        }
        const Profile& known = sub->profile;
        for (int k = 1; k <= remaining && std::size_t(k) <= known.bytesAtLevel.size(); ++k)
            profile.bytesAtLevel[std::size_t(level + k - 1)] += known.bytesAtLevel[std::size_t(k - 1)];
        if (!known.complete || known.upTo(std::size_t(remaining)) != known.upTo(known.bytesAtLevel.size()))
            profile.complete = false;
        if (child && level < kLeadingChildLevels)
            child->sizeBytes += known.upTo(std::size_t(kLeadingChildLevels - level));
        return true; // counted from what was measured before
    };
    const auto count = [&](const DirectoryWalker::Entry& entry, const struct stat& st) {
        const int level = entry.level();
        const Int64 bytes = allocatedBytes(st);
        const bool shared = st.st_nlink > 1;
        if (shared)
            profile.hasSharedFiles = true;
        if (!shared || seenInTree.insert(FileIdentity::of(st)).second)
            profile.bytesAtLevel[std::size_t(level - 1)] += bytes;
        if (child && level <= kLeadingChildLevels && (!shared || seenInChild.insert(FileIdentity::of(st)).second))
            child->sizeBytes += bytes;
    };
    DirectoryWalker::walkRegularFiles(url, {}, maxDepth, count, prune);
    return record;
}

Int64 TreeSizer::size(const URL& url, int maxDepth)
{
    const auto kind = kindAtPath(url);
    if (!kind || *kind == DirectoryWalker::Kind::symlink) {
        records_.erase(url);
        return 0;
    }
    if (*kind != DirectoryWalker::Kind::directory) {
        Record record;
        record.fileBytes = directorySize(url, maxDepth);
        records_[url] = record;
        return record.fileBytes;
    }
    if (const auto found = records_.find(url); found != records_.end() && found->second.isFolder) {
        const Profile& known = found->second.profile;
        // A file with several names is counted at the level where the walk met it first,
        // which may lie deeper than another of its names: a shallower answer needs a new walk.
        const bool sharedFilesMayHide = known.hasSharedFiles && std::size_t(maxDepth) < known.bytesAtLevel.size();
        if (known.answers(std::size_t(maxDepth)) && !sharedFilesMayHide)
            return known.upTo(std::size_t(maxDepth));
    }
    Record record = measureFolder(url, maxDepth);
    const Int64 total = record.profile.upTo(std::size_t(maxDepth));
    records_[url] = std::move(record);
    return total;
}

std::vector<std::string> TreeSizer::preview(const URL& url) const
{
    const auto found = records_.find(url);
    if (found == records_.end())
        return buildTopContentPreview(url);
    const Record& record = found->second;
    if (!record.isFolder)
        return {preview::singleFileLine(paths::lastComponent(url))};
    if (!record.leadingKnown)
        return buildTopContentPreview(url);
    return preview::linesForChildren(record.leading);
}
