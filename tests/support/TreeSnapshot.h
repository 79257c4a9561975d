#pragma once
// Everything below a folder as comparable text: per path its kind, mode and content
// (or link target). Links are recorded, never followed.

#include "support/TempHome.h"

#include <dirent.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using TreeSnapshot = std::map<std::string, std::string>;

// `skip` names a path (relative to root) that is left out with everything below it.
inline void snapshotInto(const std::string& root, const std::string& relative, const std::string& skip,
                         TreeSnapshot& out)
{
    const std::string folder = relative.empty() ? root : root + "/" + relative;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string rel = relative.empty() ? name : relative + "/" + name;
        if (rel == skip)
            continue;
        const std::string path = root + "/" + rel;
        struct stat st;
        if (lstat(path.c_str(), &st) != 0)
            continue;
        const std::string mode = std::to_string(st.st_mode & 07777);
        if (S_ISDIR(st.st_mode)) {
            out[rel] = "dir " + mode;
            snapshotInto(root, rel, skip, out);
        } else if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = readlink(path.c_str(), target, sizeof target);
            out[rel] = "link " + std::string(target, n > 0 ? std::size_t(n) : 0);
        } else {
            out[rel] = "file " + mode + " " + readFileBytes(path);
        }
    }
    closedir(dir);
}

inline TreeSnapshot snapshotTree(const std::string& root, const std::string& skip = {})
{
    TreeSnapshot out;
    snapshotInto(root, {}, skip, out);
    return out;
}
