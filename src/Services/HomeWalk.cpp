#include "Services/HomeWalk.h"
#include "Services/ItemTexts.h"

#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FileDates.h"
#include "Platform/HomeLayout.h"
#include "Platform/WalkPool.h"
#include "Services/DuplicateFinder.h"
#include "Services/DuplicateWarmup.h"
#include "Services/PersonalFolders.h"
#include "Services/ProjectBloatScan.h"
#include "Services/ProjectKinds.h"
#include "Services/ReclaimableFigures.h"
#include "Services/ReclaimableSize.h"

#include <algorithm>
#include <array>
#include <future>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_map>

namespace {

constexpr int kSizingDepth = 10;
constexpr Int64 kMinimumArtefactBytes = 15LL << 20;
constexpr Int64 kDuplicateCandidateBytes = 3LL << 20;
constexpr Int64 kLargeFileBytes = 25LL << 20;
constexpr std::size_t kSizedAtOnce = 4;

// Dependency and build-output folders: big, regenerated, never personal files. Files of
// these names are left out too.
constexpr std::array<std::string_view, 9> kNeverEnteredPersonal{
    "node_modules", ".git", ".venv", "venv", "DerivedData", "build", ".build", "Pods", "target"};
// Never entered in search of projects, offered or not.
constexpr std::array<std::string_view, 7> kNeverEnteredInProjects{".git", "node_modules", ".venv", "venv",
                                                                  "dist", ".next",        "target"};
// Entered by neither search: the read-ahead need not list them.
constexpr std::array<std::string_view, 5> kNeverEntered{".git", "node_modules", ".venv", "venv", "target"};
constexpr std::array<std::string_view, 4> kFontExtensions{"ttf", "otf", "woff", "woff2"};

template <std::size_t N> bool listed(const std::array<std::string_view, N>& list, std::string_view value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// Fonts vendored into web projects repeat by design; they are not the person's duplicates.
bool isProjectFont(std::string_view pathBelowHome, const std::string& extension)
{
    return listed(kFontExtensions, extension) && pathBelowHome.find("/projects/") != std::string_view::npos;
}

LargeFileItem makeLargeFile(const DirectoryWalker::Entry& entry, const struct stat& st, std::string_view rootLabel)
{
    LargeFileItem item;
    item.id = entry.path();
    item.url = entry.path();
    item.name = std::string(entry.name());
    item.displayPathRef = itemtexts::largeFilePlace(rootLabel, paths::lastComponent(paths::parent(entry.path())));
    item.displayPath = itemtexts::kLargeFilePlace.with(item.displayPathRef.args);
    item.sizeBytes = Int64(st.st_blocks) * 512;
    item.modifiedDate = contentModificationDate(st);
    return item;
}

// What the walk knows about the folder it is in.
struct Frame {
    bool projects = false; // projects are looked for below it
    bool personal = false; // its files are the person's
    bool entersHidden = false;
    int projectBase = 0; // level of the nearest project root
    std::size_t projectRank = 0;
};

class HomeWalker {
  public:
    explicit HomeWalker(const HomeLayout& layout) : home_(layout.home), plan_(homeWalkPlan(layout))
    {
        homeLength_ = home_.size();
        if (homeLength_ > 1 && home_.back() == '/')
            --homeLength_;
        for (std::size_t i = 0; i < plan_.projectRoots.size(); ++i)
            projectRoots_.emplace(paths::standardized(plan_.projectRoots[i].path), i);
    }

    HomeFindings run()
    {
        for (const WalkRoot& root : plan_.roots)
            walkRoot(root);
        warmup_.reset(); // the pipeline reads the rest itself
        for (auto& pending : pending_) {
            const SizeAndReclaimable size = pending.size.get();
            if (size.bytes >= kMinimumArtefactBytes)
                bloats_.push_back({{pending.rank, pending.sequence},
                                   artefact(pending.project, pending.url, pending.type, pending.kind, size)});
        }

        HomeFindings findings;
        std::stable_sort(bloats_.begin(), bloats_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [rank, item] : bloats_)
            findings.bloats.push_back(std::move(item));
        std::stable_sort(
            findings.bloats.begin(), findings.bloats.end(),
            [](const ProjectBloatItem& a, const ProjectBloatItem& b) { return a.sizeBytes > b.sizeBytes; });
        findings.personal.largeFiles = std::move(largeFiles_);
        findings.personal.duplicateGroups = duplicates::findGroups(candidates_, home_);
        return findings;
    }

  private:
    void walkRoot(const WalkRoot& root)
    {
        const std::vector<std::string> nested = nestedRoots(plan_.roots, root.path);
        frames_.assign(1, Frame{});
        Frame& top = frames_[0];
        top.personal = true;
        enterProjectRoot(top, paths::standardized(root.path), 0);

        DirectoryWalker::Options options;
        options.skipPackages = true; // hidden entries stay: .venv and .next are artefacts
        options.maxLevel = kPersonalDepth;
        options.neverEnter = kNeverEntered;
        options.readFileAttributes = true;
        // Reached from the home without links; another file system mounted in the home
        // is neither walked nor offered.
        options.within = home_;
        DirectoryWalker::walk(root.path, options, [&](const DirectoryWalker::Entry& entry) {
            if (entry.isDirectory()) {
                if (std::find(nested.begin(), nested.end(), entry.path()) != nested.end() || isExcluded(entry.path()))
                    return DirectoryWalker::Visit::skipDescendants;
                return visitFolder(entry, root.label);
            }
            if (entry.isRegularFile())
                visitFile(entry, root.label);
            return DirectoryWalker::Visit::proceed;
        });
    }

    void enterProjectRoot(Frame& frame, const std::string& path, int level)
    {
        const auto found = projectRoots_.find(path);
        if (found == projectRoots_.end())
            return;
        frame.projects = true;
        frame.projectBase = level;
        frame.projectRank = found->second;
        frame.entersHidden = plan_.projectRoots[found->second].entersHidden;
    }

    bool isExcluded(const Path& path) const
    {
        return std::find(plan_.excluded.begin(), plan_.excluded.end(), path) != plan_.excluded.end();
    }

    DirectoryWalker::Visit visitFolder(const DirectoryWalker::Entry& entry, std::string_view)
    {
        const int level = entry.level();
        const Frame up = frames_[std::size_t(level - 1)];
        const std::string_view name = entry.name();
        const bool hidden = name[0] == '.';
        const bool projectHere = up.projects && level - up.projectBase <= kProjectDepth;
        bool matched = false;
        if (projectHere && projectkinds::isCandidateName(name)) {
            if (const auto kind = projectkinds::match(name, siblingsOf(paths::parent(entry.path())))) {
                matched = true;
                if (offer(entry.path(), name, *kind, up.projectRank))
                    return DirectoryWalker::Visit::skipDescendants; // its files are not the person's either
            }
        }
        Frame frame = up;
        frame.projects = projectHere && level - up.projectBase < kProjectDepth && !matched &&
                         !listed(kNeverEnteredInProjects, name) && (!hidden || up.entersHidden);
        frame.personal = up.personal && !hidden && !listed(kNeverEnteredPersonal, name) && level < kPersonalDepth;
        if (!hidden)
            enterProjectRoot(frame, entry.path(), level);
        if (!frame.projects && !frame.personal)
            return DirectoryWalker::Visit::skipDescendants;
        frames_.resize(std::size_t(level) + 1);
        frames_[std::size_t(level)] = frame;
        return DirectoryWalker::Visit::proceed;
    }

    // Measures a matched folder and keeps it when it is big enough to mention.
    bool offer(const Path& folder, std::string_view name, const ProjectKind& kind, std::size_t rank)
    {
        Path url = folder;
        std::string type(name);
        if (!kind.subfolder.empty()) {
            url = paths::join(folder, kind.subfolder);
            type = paths::join(type, kind.subfolder);
            if (kindAtPath(url, home_) != DirectoryWalker::Kind::directory)
                return false;
        }
        if (listed(kNeverEnteredPersonal, name)) {
            // The walk does not enter it whatever its size, so it is measured beside the
            // walk rather than holding it up.
            // A few at a time: each takes a thread.
            if (pending_.size() - settled_ >= kSizedAtOnce)
                pending_[settled_++].size.wait();
            pending_.push_back(
                {rank, sequence_++, paths::parent(folder), url, type, kind,
                 std::async(launch_, [url, &home = home_] { return sizeWithReclaimable(url, kSizingDepth, home); })});
            return true;
        }
        const SizeAndReclaimable size = sizeWithReclaimable(url, kSizingDepth, home_);
        if (size.bytes < kMinimumArtefactBytes)
            return false;
        bloats_.push_back({{rank, sequence_++}, artefact(paths::parent(folder), url, type, kind, size)});
        return true;
    }

    // Sized and, where files share extents, told what removing it frees, in one walk.
    ProjectBloatItem artefact(const Path& project, const Path& url, const std::string& type, const ProjectKind& kind,
                              const SizeAndReclaimable& size) const
    {
        ProjectBloatItem item = makeProjectBloatItem(home_, project, url, type, kind, size.bytes);
        item.reclaimableBytes = shownReclaimable(size.bytes, size.reclaimable);
        return item;
    }

    const std::set<std::string, std::less<>>& siblingsOf(const Path& folder)
    {
        if (folder != siblingsFolder_) {
            siblingsFolder_ = folder;
            siblings_.clear();
            if (auto children = DirectoryWalker::list(folder, home_))
                for (auto& child : *children)
                    if (child.kind == DirectoryWalker::Kind::regular || child.kind == DirectoryWalker::Kind::directory)
                        siblings_.insert(std::move(child.name));
        }
        return siblings_;
    }

    void visitFile(const DirectoryWalker::Entry& entry, std::string_view rootLabel)
    {
        const int level = entry.level();
        const std::string_view name = entry.name();
        if (!frames_[std::size_t(level - 1)].personal || name[0] == '.' || level > kPersonalDepth ||
            listed(kNeverEnteredPersonal, name))
            return;
        const struct stat* st = entry.stat();
        if (!st || !S_ISREG(st->st_mode))
            return;
        const Int64 logicalSize = st->st_size;
        const Int64 allocatedSize = Int64(st->st_blocks) * 512;
        const std::string extension = paths::lowercasedExtension(name);
        const std::string_view belowHome = std::string_view(entry.path()).substr(homeLength_);
        if (logicalSize >= kDuplicateCandidateBytes && !isProjectFont(belowHome, extension)) {
            const auto* bucket = candidates_.add(entry.path(), *st);
            if (bucket && bucket->urls.size() == 2)
                warmup_->sameSize(bucket->urls.front(), logicalSize);
            if (bucket && bucket->urls.size() >= 2)
                warmup_->sameSize(entry.path(), logicalSize);
        }
        if (allocatedSize >= kLargeFileBytes)
            largeFiles_.push_back({makeLargeFile(entry, *st, rootLabel), extension, std::string(rootLabel)});
    }

    const Path& home_;
    std::size_t homeLength_ = 0;
    const HomeWalkPlan plan_;
    std::unordered_map<std::string, std::size_t> projectRoots_;
    std::vector<Frame> frames_;
    Path siblingsFolder_;
    std::set<std::string, std::less<>> siblings_;
    // By (project root's rank, discovery order).
    std::vector<std::pair<std::pair<std::size_t, std::size_t>, ProjectBloatItem>> bloats_;
    std::size_t sequence_ = 0;
    struct Pending {
        std::size_t rank;
        std::size_t sequence;
        Path project;
        Path url;
        std::string type;
        ProjectKind kind;
        std::future<SizeAndReclaimable> size;
    };
    std::vector<Pending> pending_; // in discovery order
    std::size_t settled_ = 0;
    const std::launch launch_ = WalkPool::shared().threadCount() > 1 ? std::launch::async : std::launch::deferred;
    std::vector<PersonalFolderFindings::LargeFile> largeFiles_;
    duplicates::Candidates candidates_;
    std::optional<DuplicateWarmup> warmup_{std::in_place};
};

} // namespace

HomeFindings walkHome(const HomeLayout& layout) { return HomeWalker(layout).run(); }
