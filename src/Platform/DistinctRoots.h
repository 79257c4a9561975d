#pragma once
// Folders to walk so that every file is seen once. The person's named folders may be
// the same folder under two names (after a language change ~/Videos and ~/Vidéos can
// both be listed, one a bind mount of the other) or lie inside each other; walking both
// would list a large file twice and make a file a duplicate of itself.

#include <string>
#include <vector>

struct WalkRoot {
    std::string path;
    std::string label;
};

// Keeps candidates in order, dropping one that is missing, not a real folder (a link is
// never walked), the same folder as a kept root, or inside a kept root by path or by
// identity. A kept root may still contain a root kept before it: its walk must leave
// that folder out (`nestedRoots`).
std::vector<WalkRoot> distinctRoots(const std::vector<WalkRoot>& candidates);

// The kept roots that lie inside `root`, which a walk of `root` must skip.
std::vector<std::string> nestedRoots(const std::vector<WalkRoot>& roots, const std::string& root);
