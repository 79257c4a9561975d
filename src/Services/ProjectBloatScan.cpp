#include "Services/ProjectBloatScan.h"

#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/CalendarDays.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FileDates.h"
#include "Platform/HomeLayout.h"
#include "Services/DirectorySize.h"
#include "Services/PersonalFolders.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kDeepestProjectLevel = 4;
constexpr int kSizingDepth = 10;
constexpr Int64 kMinimumBytes = 15LL << 20;

struct Artefact {
    std::string_view folderName;
    std::string_view rebuildCommand;
};
constexpr std::array<Artefact, 6> kArtefacts{{
    {"node_modules", "npm install"},
    {".venv", "uv sync"},
    {"venv", "uv sync"},
    {"dist", "npm run build"},
    {".next", "npm run build"},
    {"target", "npm run build"},
}};

// Folders the walk does not enter: Git's store, and the artefacts, which are sized on their own.
constexpr auto kNeverEnteredInProjects = [] {
    std::array<std::string_view, kArtefacts.size() + 1> names{".git"};
    for (std::size_t i = 0; i < kArtefacts.size(); ++i)
        names[i + 1] = kArtefacts[i].folderName;
    return names;
}();

const Artefact* artefactNamed(std::string_view name)
{
    const auto found = std::find_if(kArtefacts.begin(), kArtefacts.end(),
                                    [&](const Artefact& artefact) { return artefact.folderName == name; });
    return found == kArtefacts.end() ? nullptr : &*found;
}

// Whole days since the project folder itself last changed; a date that cannot be read
// counts as now, a date in the future as 0.
Int64 daysSinceProjectChanged(const Path& project)
{
    const Date now = std::chrono::system_clock::now();
    struct stat st;
    if (lstat(project.c_str(), &st) != 0)
        return 0;
    return calendar::wholeDaysBetween(contentModificationDate(st), now);
}

ProjectBloatItem makeItem(const Path& home, const Path& url, const Artefact& artefact, Int64 size)
{
    const std::string project = paths::lastComponent(paths::parent(url));
    const Int64 days = daysSinceProjectChanged(paths::parent(url));

    ProjectBloatItem item;
    item.id = url;
    item.projectName = project;
    item.artifactType = artefact.folderName;
    item.url = url;
    item.displayPath = paths::tildeAbbreviated(url, home);
    item.sizeBytes = size;
    item.daysSinceModified = days;
    item.rebuildCommand = artefact.rebuildCommand;
    const bool idle = item.isIdle();
    if (idle) {
        item.verificationBadge = "已核实：工程已闲置 " + std::to_string(days) + " 天 · 可安全释放";
        item.verificationReason = "系统检测到 [" + project + "] 已超过 " + std::to_string(days) +
                                  " 天未改动代码，清理 " + item.artifactType + " 可立省 " + DiskFormat::bytes(size) +
                                  "，源码 100% 保留，后续需要时执行 `" + item.rebuildCommand + "` 即可恢复。";
    } else {
        item.verificationBadge = "近期活跃工程 · 已自动取消勾选保护";
        item.verificationReason =
            "系统检测到 [" + project + "] 近期正在活跃开发，已自动为您跳过不勾选，避免影响您当前编译。";
    }
    return item;
}

} // namespace

std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const Path& home)
{
    return scanDeveloperProjectBloats(HomeLayout::of(home, false));
}

std::vector<ProjectBloatItem> scanDeveloperProjectBloats(const HomeLayout& layout)
{
    const Path& home = layout.home;
    std::vector<ProjectBloatItem> items;
    DirectoryWalker::Options options;
    options.skipPackages = true; // hidden entries stay: .venv and .next are artefacts
    options.maxLevel = kDeepestProjectLevel;
    options.neverEnter = kNeverEnteredInProjects;
    // Reached from the home without links; another file system mounted in the home is not
    // the person's projects.
    options.within = layout.home;
    const std::vector<WalkRoot> roots = projectRoots(layout);
    for (const auto& root : roots) {
        using Visit = DirectoryWalker::Visit;
        const std::vector<std::string> nested = nestedRoots(roots, root.path); // walked as roots of their own
        DirectoryWalker::walk(root.path, options, [&](const DirectoryWalker::Entry& entry) {
            if (entry.level() > kDeepestProjectLevel || entry.name() == ".git" ||
                std::find(nested.begin(), nested.end(), entry.path()) != nested.end())
                return Visit::skipDescendants;
            const Artefact* artefact = entry.isDirectory() ? artefactNamed(entry.name()) : nullptr;
            if (!artefact) {
                // Nothing below the deepest level is examined, so do not even list it.
                return entry.level() == kDeepestProjectLevel ? Visit::skipDescendants : Visit::proceed;
            }
            // A matched folder is never searched further: a nested node_modules would be
            // counted twice.
            const Int64 size = directorySize(entry.path(), kSizingDepth, home);
            if (size >= kMinimumBytes)
                items.push_back(makeItem(home, entry.path(), *artefact, size));
            return Visit::skipDescendants;
        });
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const ProjectBloatItem& a, const ProjectBloatItem& b) { return a.sizeBytes > b.sizeBytes; });
    return items;
}
