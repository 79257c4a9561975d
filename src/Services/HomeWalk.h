#pragma once
// One walk over the person's folders (PersonalFolders.h) that serves three results:
// the project artefacts, the large files and the duplicate candidates. Every folder is
// read once however many of them need it.

#include "Services/LargeFileScan.h"

#include <vector>

struct HomeLayout;

struct HomeFindings {
    std::vector<ProjectBloatItem> bloats; // largest first; equal sizes in discovery order
    PersonalFolderFindings personal;
};

// Projects are looked for down to kProjectDepth levels below the nearest project root
// (each folder of the home, the desktop's projects folder, ~/go/src); personal files
// down to kPersonalDepth levels below each walked folder.
inline constexpr int kProjectDepth = 4;
inline constexpr int kPersonalDepth = 6;

HomeFindings walkHome(const HomeLayout& layout);
