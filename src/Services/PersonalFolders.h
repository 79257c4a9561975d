#pragma once
// The person's own folders that the large-file, duplicate and project scans walk: the
// four fixed names first, then the folders the desktop names in the account's language
// (~/Vidéos, ~/下载, ...), each folder once.

#include "Platform/DistinctRoots.h"

#include <vector>

struct HomeLayout;

// Desktop, Downloads, Movies, Documents, then the named Desktop, Download, Videos and
// Documents folders; labelled 桌面, 下载, 影片, 文档.
std::vector<WalkRoot> largeFileRoots(const HomeLayout& layout);
// Desktop/projects and Documents, then the named Desktop's projects and Documents.
std::vector<WalkRoot> projectRoots(const HomeLayout& layout);
