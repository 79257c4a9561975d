#pragma once
// Small record builders for tests that seed the engine's lists themselves. The records that
// can be selected come with the selection a test starts them with (seeded into the engine
// by EngineTestAccess); `.record` is the record alone.

#include "Models/StorageModels.h"

#include <utility>

template <typename Record> struct Seeded {
    Record record;
    bool selected = false;
};

struct SeededMember {
    DuplicateFileMember record;
    bool locked = false; // the member its group keeps
    bool selected = false;
};

struct SeededGroup {
    DuplicateFileGroup record;
    std::vector<SeededMember> members;
};

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

inline Seeded<ProjectBloatItem> bloat(const Path& url, Int64 size, bool selected, const std::string& project = "proj",
                                      const std::string& type = "node_modules")
{
    ProjectBloatItem b;
    b.id = b.url = url;
    b.projectName = project;
    b.artifactType = type;
    b.sizeBytes = size;
    return {b, selected};
}

inline SeededMember member(const Path& url, Int64 size, bool locked, bool selected, const std::string& name = "copy")
{
    DuplicateFileMember m;
    m.id = m.url = url;
    m.name = name;
    m.sizeBytes = size;
    return {m, locked, selected};
}

inline SeededGroup group(const std::string& id, std::vector<SeededMember> members)
{
    DuplicateFileGroup g;
    g.id = id;
    for (const auto& m : members)
        g.members.push_back(m.record);
    if (!g.members.empty())
        g.eachSizeBytes = g.members.front().sizeBytes;
    return {g, std::move(members)};
}

inline Seeded<LargeFileItem> largeFile(const Path& url, Int64 size, bool selected,
                                       LargeFileCategory category = LargeFileCategory::other,
                                       const std::string& name = "big")
{
    LargeFileItem f;
    f.id = f.url = url;
    f.name = name;
    f.category = category;
    f.sizeBytes = size;
    return {f, selected};
}

inline Seeded<InstalledAppItem> app(const Path& appPath, Int64 appSize, std::vector<Path> orphans, Int64 orphanSize,
                                    bool selected, const std::string& name = "App")
{
    InstalledAppItem a;
    a.id = a.appPath = appPath;
    a.name = name;
    a.appId = "org.example." + name;
    a.appSizeBytes = appSize;
    a.orphanPaths = std::move(orphans);
    a.orphanSizeBytes = orphanSize;
    return {a, selected};
}
