#pragma once
// Small record builders for tests that seed the engine's lists themselves.

#include "Models/StorageModels.h"

#include <utility>

inline CacheSubItem cacheItem(const Path& url, Int64 size, bool isSafeDefault, const std::string& name = "item")
{
    return CacheSubItem(name, "", url, size, "", "", "", {}, isSafeDefault);
}

inline SafeCacheRuleCard card(const std::string& id, std::vector<CacheSubItem> items)
{
    SafeCacheRuleCard c;
    c.id = id;
    c.subItems = std::move(items);
    return c;
}

inline ProjectBloatItem bloat(const Path& url, Int64 size, bool selected, const std::string& project = "proj",
                              const std::string& type = "node_modules")
{
    ProjectBloatItem b;
    b.id = b.url = url;
    b.projectName = project;
    b.artifactType = type;
    b.sizeBytes = size;
    b.isSelected = selected;
    return b;
}

inline DuplicateFileMember member(const Path& url, Int64 size, bool locked, bool selected,
                                  const std::string& name = "copy")
{
    DuplicateFileMember m;
    m.id = m.url = url;
    m.name = name;
    m.sizeBytes = size;
    m.isLockedOriginal = locked;
    m.isSelectedForDelete = selected;
    return m;
}

inline DuplicateFileGroup group(const std::string& id, std::vector<DuplicateFileMember> members)
{
    DuplicateFileGroup g;
    g.id = id;
    g.members = std::move(members);
    if (!g.members.empty())
        g.eachSizeBytes = g.members.front().sizeBytes;
    return g;
}

inline LargeFileItem largeFile(const Path& url, Int64 size, bool selected,
                               LargeFileCategory category = LargeFileCategory::other, const std::string& name = "big")
{
    LargeFileItem f;
    f.id = f.url = url;
    f.name = name;
    f.category = category;
    f.sizeBytes = size;
    f.isSelected = selected;
    return f;
}

inline InstalledAppItem app(const Path& appPath, Int64 appSize, std::vector<Path> orphans, Int64 orphanSize,
                            bool selected, const std::string& name = "App")
{
    InstalledAppItem a;
    a.id = a.appPath = appPath;
    a.name = name;
    a.appId = "org.example." + name;
    a.appSizeBytes = appSize;
    a.orphanPaths = std::move(orphans);
    a.orphanSizeBytes = orphanSize;
    a.isSelected = selected;
    return a;
}
