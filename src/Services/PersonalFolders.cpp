#include "Services/PersonalFolders.h"
#include "Services/ItemTexts.h"

#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/HomeLayout.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct Folder {
    std::string_view fixedName;   // below the home
    std::string_view namedFolder; // key of the desktop's named folder
    std::string_view label;
};

constexpr std::array<Folder, 4> kDescribedFolders{{
    {"Desktop", "DESKTOP", itemtexts::kFolderLabels[0].text},
    {"Downloads", "DOWNLOAD", itemtexts::kFolderLabels[1].text},
    {"Movies", "VIDEOS", itemtexts::kFolderLabels[2].text},
    {"Documents", "DOCUMENTS", itemtexts::kFolderLabels[3].text},
}};

// The other folders a desktop names, under their standard English names when the home
// has no user-dirs.dirs (a fresh account before its first desktop session).
constexpr std::array<Folder, 5> kOtherNamedFolders{{
    {"Videos", "VIDEOS", itemtexts::kFolderLabels[2].text},
    {"Music", "MUSIC", itemtexts::kFolderLabels[4].text},
    {"Pictures", "PICTURES", itemtexts::kFolderLabels[5].text},
    {"Templates", "TEMPLATES", itemtexts::kFolderLabels[6].text},
    {"Public", "PUBLICSHARE", itemtexts::kFolderLabels[7].text},
}};

constexpr std::array<std::string_view, 4> kOwnedElsewhere{"Library", "snap", "go/pkg", "go/bin"};
constexpr std::string_view kGoSources = "go/src";

void addProjectRoot(std::vector<HomeWalkPlan::ProjectRoot>& roots, const Path& path, bool entersHidden)
{
    const Path clean = paths::standardized(path);
    if (std::none_of(roots.begin(), roots.end(),
                     [&](const auto& root) { return paths::standardized(root.path) == clean; }))
        roots.push_back({path, entersHidden});
}

} // namespace

HomeWalkPlan homeWalkPlan(const HomeLayout& layout)
{
    const Path& home = layout.home;
    HomeWalkPlan plan;
    for (std::string_view owned : kOwnedElsewhere)
        plan.excluded.push_back(paths::join(home, owned));
    const auto isExcluded = [&](const Path& path) {
        return std::any_of(plan.excluded.begin(), plan.excluded.end(),
                           [&](const Path& excluded) { return paths::isSameOrInside(path, excluded); });
    };

    std::vector<WalkRoot> candidates;
    for (const Folder& folder : kDescribedFolders)
        candidates.push_back({paths::join(home, folder.fixedName), std::string(folder.label)});
    for (const Folder& folder : kDescribedFolders)
        if (const Path* named = layout.userDir(std::string(folder.namedFolder)))
            candidates.push_back({*named, std::string(folder.label)});
    for (const Folder& folder : kOtherNamedFolders)
        if (const Path* named = layout.userDir(std::string(folder.namedFolder)))
            candidates.push_back({*named, std::string(folder.label)});
    for (const Folder& folder : kOtherNamedFolders)
        candidates.push_back({paths::join(home, folder.fixedName), std::string(folder.label)});
    // The rest of the home: hidden folders belong to the programs, links and other file
    // systems are not the person's folders (list() leaves mount points out).
    if (auto children = DirectoryWalker::list(home, home))
        for (const auto& child : *children)
            if (child.kind == DirectoryWalker::Kind::directory && child.name[0] != '.')
                candidates.push_back({paths::join(home, child.name), child.name});
    std::erase_if(candidates, [&](const WalkRoot& root) { return isExcluded(root.path); });
    plan.roots = distinctRoots(candidates);

    // Projects: the description's two first, then everywhere else.
    for (const Folder& folder : {kDescribedFolders[0], kDescribedFolders[3]}) {
        const std::string_view below = folder.fixedName == "Desktop" ? "projects" : "";
        const auto under = [&](const Path& path) { return below.empty() ? path : paths::join(path, below); };
        addProjectRoot(plan.projectRoots, under(paths::join(home, folder.fixedName)), true);
        if (const Path* named = layout.userDir(std::string(folder.namedFolder)))
            addProjectRoot(plan.projectRoots, under(*named), true);
    }
    for (const WalkRoot& root : plan.roots)
        addProjectRoot(plan.projectRoots, root.path, false);
    addProjectRoot(plan.projectRoots, paths::join(home, kGoSources), false);
    return plan;
}
