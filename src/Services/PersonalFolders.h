#pragma once
// The person's own folders that the one walk for projects, large files and duplicates
// covers: every folder of the home that is not hidden, each once. The description's
// folders come first and keep their labels (桌面, 下载, 影片, 文档), then the folders the
// desktop names (in the account's language, or by their English names when it names
// none), then the rest in byte order.

#include "Models/Basics.h"
#include "Platform/DistinctRoots.h"

#include <vector>

struct HomeLayout;

struct HomeWalkPlan {
    // Walked in this order, each folder once; a root holding another leaves it to that
    // root's own walk. The order is the discovery order of large files and duplicates.
    std::vector<WalkRoot> roots;
    // Where projects are looked for to a fixed depth below the nearest of these. The
    // order is the discovery order of artefacts. The description's two (a desktop's
    // projects folder, the documents) are searched inside hidden folders too, as always.
    struct ProjectRoot {
        Path path;
        bool entersHidden = false;
    };
    std::vector<ProjectRoot> projectRoots;
    // Non-hidden places other workspaces own (a macOS-layout Library, Snap's data, Go's
    // module cache and installed programs): never walked.
    std::vector<Path> excluded;
};

HomeWalkPlan homeWalkPlan(const HomeLayout& layout);
