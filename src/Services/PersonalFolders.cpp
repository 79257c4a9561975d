#include "Services/PersonalFolders.h"

#include "Models/Paths.h"
#include "Platform/HomeLayout.h"

#include <array>
#include <span>
#include <string_view>

namespace {

struct Folder {
    std::string_view fixedName;   // below the home
    std::string_view namedFolder; // key of the desktop's named folder
    std::string_view label;
};

constexpr std::array<Folder, 4> kLargeFileFolders{{
    {"Desktop", "DESKTOP", "桌面"},
    {"Downloads", "DOWNLOAD", "下载"},
    {"Movies", "VIDEOS", "影片"},
    {"Documents", "DOCUMENTS", "文档"},
}};

std::vector<WalkRoot> rootsOf(const HomeLayout& layout, std::span<const Folder> folders, std::string_view below)
{
    std::vector<WalkRoot> candidates;
    const auto under = [&](const Path& folder) { return below.empty() ? folder : paths::join(folder, below); };
    for (const Folder& folder : folders)
        candidates.push_back({under(paths::join(layout.home, folder.fixedName)), std::string(folder.label)});
    for (const Folder& folder : folders)
        if (const Path* named = layout.userDir(std::string(folder.namedFolder)))
            candidates.push_back({under(*named), std::string(folder.label)});
    return distinctRoots(candidates);
}

} // namespace

std::vector<WalkRoot> largeFileRoots(const HomeLayout& layout) { return rootsOf(layout, kLargeFileFolders, {}); }

std::vector<WalkRoot> projectRoots(const HomeLayout& layout)
{
    // Projects live in a "projects" folder on the desktop, or anywhere among the documents.
    static constexpr std::array<Folder, 1> kDesktop{{{"Desktop", "DESKTOP", "桌面"}}};
    static constexpr std::array<Folder, 1> kDocuments{{{"Documents", "DOCUMENTS", "文档"}}};
    std::vector<WalkRoot> candidates = rootsOf(layout, kDesktop, "projects");
    for (auto& root : rootsOf(layout, kDocuments, {}))
        candidates.push_back(std::move(root));
    return distinctRoots(candidates);
}
