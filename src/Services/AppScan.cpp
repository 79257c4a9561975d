#include "Services/AppScan.h"

#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/HomeLayout.h"
#include "Platform/PropertyList.h"
#include "Services/DirectorySize.h"
#include "Services/LinuxAppScan.h"

#include <algorithm>
#include <set>

namespace {

constexpr Int64 kMinimumBundleBytes = 5LL << 20;
constexpr Int64 kMinimumLeftoverBytes = 256'000;
constexpr int kSizingDepth = 6;

bool isNeverListed(const std::string& name)
{
    return name.starts_with("Safari") || name == "Xcode" || name == "Quillmere";
}

// Names and identifiers become one path component below the Library. Anything that
// would name another folder ("", ".", "..", a slash) must never get there: an identifier
// "../../Documents" would otherwise offer the Documents folder as a cache.
bool isSingleComponent(std::string_view text)
{
    return !text.empty() && text != "." && text != ".." && text.find('/') == std::string_view::npos &&
           text.find('\0') == std::string_view::npos;
}

std::string bundleIdentifier(const Path& appPath, const std::string& name)
{
    const auto id = plist::topLevelString(paths::join(appPath, "Contents/Info.plist"), "CFBundleIdentifier");
    return id && isSingleComponent(*id) ? *id : name;
}

// The leftover locations of one application, in probing order, as components below home.
std::vector<std::vector<std::string>> leftoverLocations(const std::string& name, const std::string& id)
{
    const std::string lib = "Library";
    const std::string support = "Application Support";
    return {
        {lib, "Caches", id},
        {lib, "Caches", name},
        {lib, "Logs", name},
        {lib, "Logs", id},
        {lib, "Saved Application State", id + ".savedState"},
        {lib, "HTTPStorages", id},
        {lib, "WebKit", id},
        {lib, "Containers", id, "Data", "Library", "Caches"},
        {lib, "Containers", id, "Data", "tmp"},
        {lib, support, name, "Cache"},
        {lib, support, name, "Code Cache"},
        {lib, support, name, "GPUCache"},
        {lib, support, id, "Cache"},
        {lib, support, id, "Code Cache"},
        {lib, support, id, "GPUCache"},
    };
}

// Something exists at the location, reached through real folders only: a linked
// Containers/<id> must not let another tree be measured and offered for removal.
bool existsWithoutLinks(const Path& home, const std::vector<std::string>& components, Path& path)
{
    path = home;
    for (std::size_t i = 0; i < components.size(); ++i) {
        path = paths::join(path, components[i]);
        const auto kind = kindAtPath(path);
        if (!kind)
            return false;
        if (i + 1 < components.size() && *kind != DirectoryWalker::Kind::directory)
            return false;
    }
    return true;
}

void collectLeftovers(const Path& home, InstalledAppItem& app)
{
    // Without an identifier, id equals name and several locations coincide; each folder
    // is listed and counted once, or its size would double and a clean would visit it twice.
    std::set<Path> probed;
    for (const auto& components : leftoverLocations(app.name, app.appId)) {
        const bool usable = std::all_of(components.begin(), components.end(),
                                        [](const std::string& c) { return isSingleComponent(c); });
        Path path;
        if (!usable || !existsWithoutLinks(home, components, path) || !probed.insert(path).second)
            continue;
        // Measured as reached from the home: nothing on a mount in it is measured or offered.
        const Int64 size = directorySize(path, kSizingDepth, home);
        if (size > kMinimumLeftoverBytes)
            app.addOrphan(path, size);
    }
}

} // namespace

std::vector<InstalledAppItem> scanMacBundles(const Path& home, const Path& applications)
{
    std::vector<InstalledAppItem> apps;
    const auto children = DirectoryWalker::list(applications);
    if (!children)
        return apps;
    for (const auto& child : *children) {
        if (paths::extension(child.name) != "app")
            continue;
        const std::string name = child.name.substr(0, child.name.size() - 4);
        if (isNeverListed(name))
            continue;
        InstalledAppItem app;
        app.appPath = paths::join(applications, child.name);
        app.id = app.appPath;
        app.name = name;
        app.appId = bundleIdentifier(app.appPath, name);
        app.appSizeBytes = directorySize(app.appPath, kSizingDepth, applications);
        if (app.appSizeBytes <= kMinimumBundleBytes)
            continue;
        collectLeftovers(home, app);
        apps.push_back(std::move(app));
    }
    return apps;
}

std::vector<InstalledAppItem> scanInstalledApps(const HomeLayout& layout, const Path& applications,
                                                const LinuxAppRoots& linuxRoots)
{
    // The macOS layout is looked at only when a folder for it was named.
    std::vector<InstalledAppItem> apps;
    if (!applications.empty())
        apps = scanMacBundles(layout.home, applications);
    for (auto& app : scanLinuxApps(layout, linuxRoots))
        apps.push_back(std::move(app));
    std::stable_sort(apps.begin(), apps.end(), [](const InstalledAppItem& a, const InstalledAppItem& b) {
        return a.totalSizeBytes() > b.totalSizeBytes();
    });
    return apps;
}
