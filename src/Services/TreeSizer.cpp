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

// One walk that sizes a folder level by level and, alongside, its first children to the
// preview's depth. Folders sized before are not entered: their levels are added instead.
class TreeSizer::FolderMeasurement {
  public:
    FolderMeasurement(const TreeSizer& sizer, int maxDepth, bool leadingOnly)
        : sizer_(sizer), maxDepth_(maxDepth), leadingOnly_(leadingOnly)
    {
        record_.isFolder = true;
        record_.leadingKnown = maxDepth >= kLeadingChildLevels;
        record_.leading.reserve(preview::kChildrenExamined); // child_ points into it
        record_.profile.bytesAtLevel.assign(std::size_t(std::max(maxDepth, 0)), 0);
    }

    // Asked about every entry before the walk counts or enters it; true skips it.
    bool skip(const DirectoryWalker::Entry& entry)
    {
        const int level = entry.level();
        if (level == 1)
            startChild(entry);
        if (leadingOnly_ && level == 1 && childrenSeen_ > preview::kChildrenExamined)
            return true; // later entries are never looked at
        if (!entry.isDirectory() || level > maxDepth_)
            return false;
        const int remaining = maxDepth_ - level;
        const Record* known = sizer_.records_.empty() ? nullptr : sizer_.reusableFolder(entry.path(), remaining);
        if (!known) {
            if (level == maxDepth_)
                record_.profile.complete = false; // whatever it holds lies beyond the limit
            return false;
        }
        addKnownFolder(known->profile, level, remaining);
        return true;
    }

    // Files with several names count once per measured tree, as directorySize counts them;
    // each previewed child is a tree of its own.
    void count(const DirectoryWalker::Entry& entry, const struct stat& st)
    {
        const int level = entry.level();
        const Int64 bytes = allocatedBytes(st);
        const bool shared = st.st_nlink > 1;
        Profile& profile = record_.profile;
        if (shared)
            profile.hasSharedFiles = true;
        if (!shared || seenInTree_.insert(FileIdentity::of(st)).second)
            profile.bytesAtLevel[std::size_t(level - 1)] += bytes;
        if (child_ && level <= kLeadingChildLevels && (!shared || seenInChild_.insert(FileIdentity::of(st)).second))
            child_->sizeBytes += bytes;
    }

    Record result() && { return std::move(record_); }

  private:
    // A direct child: one of the first few is followed for the preview.
    void startChild(const DirectoryWalker::Entry& entry)
    {
        child_ = nullptr;
        if (++childrenSeen_ > preview::kChildrenExamined || !record_.leadingKnown)
            return;
        record_.leading.push_back({std::string(entry.name()), 0});
        child_ = &record_.leading.back();
        seenInChild_.clear();
        if (entry.kind() == DirectoryWalker::Kind::other)
            if (const struct stat* st = entry.stat())
                child_->sizeBytes += allocatedBytes(*st); // sized on its own, like any non-folder
    }

    // Counts a folder sized before from its levels, as far as this walk reaches.
    void addKnownFolder(const Profile& known, int level, int remaining)
    {
        Profile& profile = record_.profile;
        for (int k = 1; k <= remaining && std::size_t(k) <= known.bytesAtLevel.size(); ++k)
            profile.bytesAtLevel[std::size_t(level + k - 1)] += known.bytesAtLevel[std::size_t(k - 1)];
        if (!known.complete || known.upTo(std::size_t(remaining)) != known.upTo(known.bytesAtLevel.size()))
            profile.complete = false;
        if (child_ && level < kLeadingChildLevels)
            child_->sizeBytes += known.upTo(std::size_t(kLeadingChildLevels - level));
    }

    const TreeSizer& sizer_;
    const int maxDepth_;
    const bool leadingOnly_;
    Record record_;
    std::unordered_set<FileIdentity, FileIdentityHash> seenInTree_, seenInChild_;
    std::size_t childrenSeen_ = 0;
    preview::ChildSize* child_ = nullptr; // the leading child being walked, if any
};

std::string_view TreeSizer::rootOf(const Path& url) const
{
    std::string_view root;
    for (const Path& candidate : roots_)
        if (paths::isSameOrInside(url, candidate) && candidate.size() > root.size())
            root = candidate;
    return root;
}

TreeSizer::Record TreeSizer::measureFolder(const Path& url, int maxDepth, bool leadingOnly) const
{
    FolderMeasurement measurement(*this, maxDepth, leadingOnly);
    DirectoryWalker::walkRegularFiles(
        url, {.within = rootOf(url)}, maxDepth,
        [&](const DirectoryWalker::Entry& entry, const struct stat& st) { measurement.count(entry, st); },
        [&](const DirectoryWalker::Entry& entry) { return measurement.skip(entry); });
    return std::move(measurement).result();
}

Int64 TreeSizer::size(const Path& url, int maxDepth)
{
    const auto kind = kindAtPath(url, rootOf(url));
    if (!kind || *kind == DirectoryWalker::Kind::symlink) {
        records_.erase(url);
        return 0;
    }
    if (*kind != DirectoryWalker::Kind::directory) {
        Record record;
        record.fileBytes = directorySize(url, maxDepth, rootOf(url));
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

std::vector<std::string> TreeSizer::preview(const Path& url) const
{
    const auto found = records_.find(url);
    if (found != records_.end() && !found->second.isFolder)
        return {preview::singleFileLine(paths::lastComponent(url))};
    if (found != records_.end() && found->second.leadingKnown)
        return preview::linesForChildren(found->second.leading);
    // Not sized yet (or not deep enough): a link or any other file gets its one line, a
    // folder one walk to the preview's depth.
    const auto kind = kindAtPath(url, rootOf(url));
    if (!kind)
        return {};
    if (*kind != DirectoryWalker::Kind::directory)
        return {preview::singleFileLine(paths::lastComponent(url))};
    return preview::linesForChildren(measureFolder(url, kLeadingChildLevels, true).leading);
}
