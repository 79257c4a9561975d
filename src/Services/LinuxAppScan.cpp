#include "Services/LinuxAppScan.h"

#include "Models/Paths.h"
#include "Platform/AppMetadata.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FileIdentity.h"
#include "Platform/HomeLayout.h"
#include "Platform/HomeReader.h"
#include "Platform/KeyFile.h"
#include "Services/DirectorySize.h"
#include "Services/SystemPackageScan.h"

#include <algorithm>
#include <map>
#include <set>
#include <unistd.h>
#include <unordered_set>

namespace {

using Kind = DirectoryWalker::Kind;

constexpr Int64 kMinimumAppBytes = 5LL << 20;
constexpr Int64 kMinimumLeftoverBytes = 256'000;
constexpr int kLeftoverDepth = 6;
constexpr int kDeployDepth = 16; // a deploy holds a whole runtime tree

// A name that stays one component below its folder.
bool isSingleComponent(std::string_view text)
{
    return !text.empty() && text != "." && text != ".." && text.find('/') == std::string_view::npos;
}

constexpr std::size_t kMaxMetadataBytes = 1u << 20;

// Everything the scan looks at is reached through this: below the home never through a
// link (see HomeReader).
struct Look {
    HomeReader& reader;

    bool isFolder(const Path& path) const { return reader.isFolder(path); }
    // The folder's entries; none when it cannot be read.
    std::vector<DirectoryWalker::Child> entriesOf(const Path& folder) const
    {
        auto listed = reader.list(folder);
        return listed ? *std::move(listed) : std::vector<DirectoryWalker::Child>{};
    }
    std::vector<std::string> childFolders(const Path& folder) const;
    std::string text(const Path& file) const
    {
        auto content = reader.readSmallFile(file, kMaxMetadataBytes);
        return content ? *std::move(content) : std::string();
    }
    KeyFile keyFile(const Path& file) const { return KeyFile::parse(text(file)); }
    std::optional<Path> siblingTarget(const Path& link) const;
    Int64 allocatedSizeOf(const Path& file) const
    {
        const auto st = reader.stat(file);
        return st && S_ISREG(st->st_mode) ? allocatedBytes(*st) : 0;
    }
};

std::vector<std::string> Look::childFolders(const Path& folder) const
{
    std::vector<std::string> names;
    for (auto& child : entriesOf(folder))
        if (child.kind == Kind::directory)
            names.push_back(std::move(child.name));
    return names;
}

// Where a link in `folder` points, when it names a sibling folder ("active" → "<commit>").
std::optional<Path> Look::siblingTarget(const Path& link) const
{
    const auto name = reader.readLink(link);
    if (!name || !isSingleComponent(*name))
        return std::nullopt;
    const Path sibling = paths::join(paths::parent(link), *name);
    return isFolder(sibling) ? std::optional<Path>(sibling) : std::nullopt;
}

// Adds each existing folder that holds enough to matter to the app's leftovers.
void addLeftovers(const Look& look, InstalledAppItem& app, const std::vector<Path>& candidates)
{
    for (const Path& folder : candidates) {
        if (!look.isFolder(folder) ||
            std::find(app.orphanPaths.begin(), app.orphanPaths.end(), folder) != app.orphanPaths.end())
            continue;
        const Int64 size = directorySize(folder, kLeftoverDepth);
        if (size > kMinimumLeftoverBytes)
            app.addOrphan(folder, size);
    }
}

// ---------------------------------------------------------------- Flatpak

struct Installation {
    Path folder;
    InstalledAppKind kind;
    std::string uninstallOption; // "--user", "--system", "--installation=<name>"
};

std::vector<Installation> flatpakInstallations(const Look& look, const HomeLayout& layout, const LinuxAppRoots& roots)
{
    std::vector<Installation> installations{
        {paths::join(layout.base.data, "flatpak"), InstalledAppKind::flatpakUser, "--user"},
        {roots.systemFlatpak, InstalledAppKind::flatpakSystem, "--system"}};
    for (const auto& config : look.entriesOf(roots.flatpakInstallations)) {
        if (config.kind != Kind::regular || !config.name.ends_with(".conf"))
            continue;
        constexpr std::string_view kGroup = "Installation \"";
        const KeyFile file = look.keyFile(paths::join(roots.flatpakInstallations, config.name));
        for (const std::string& group : file.groups()) {
            if (!group.starts_with(kGroup) || !group.ends_with('"'))
                continue;
            const std::string name = group.substr(kGroup.size(), group.size() - kGroup.size() - 1);
            const auto path = file.value(group, "Path");
            if (path && !path->empty() && path->front() == '/')
                installations.push_back({*path, InstalledAppKind::flatpakSystem, "--installation=" + name});
        }
    }
    return installations;
}

// The deployed commit of an app: app/<id>/<arch>/<branch>/active, for the first arch and
// branch that has one.
std::optional<Path> activeDeploy(const Look& look, const Path& appFolder)
{
    for (const auto& arch : look.childFolders(appFolder))
        for (const auto& branch : look.childFolders(paths::join(appFolder, arch)))
            if (auto deploy =
                    look.siblingTarget(paths::join(paths::join(paths::join(appFolder, arch), branch), "active")))
                return deploy;
    return std::nullopt;
}

std::string flatpakName(const Look& look, const Path& deploy, const std::string& id)
{
    const KeyFile launcher = look.keyFile(paths::join(deploy, "export/share/applications/" + id + ".desktop"));
    if (auto name = launcher.value("Desktop Entry", "Name"); name && !name->empty())
        return *name;
    return id;
}

void scanFlatpaks(const Look& look, const HomeLayout& layout, const LinuxAppRoots& roots,
                  std::vector<InstalledAppItem>& apps, std::set<std::string>& installedIds, bool& everyInstallationRead)
{
    for (const auto& installation : flatpakInstallations(look, layout, roots)) {
        const Path appsFolder = paths::join(installation.folder, "app");
        if (!look.isFolder(installation.folder))
            continue; // no such installation
        const auto ids = look.reader.list(appsFolder);
        if (!ids) {
            // An installation we cannot read may hold any app: no data counts as left behind.
            everyInstallationRead = everyInstallationRead && look.reader.kindOf(appsFolder) == std::nullopt;
            continue;
        }
        for (const auto& entry : *ids) {
            if (entry.kind != Kind::directory)
                continue;
            const std::string& id = entry.name;
            installedIds.insert(id);
            const Path appFolder = paths::join(appsFolder, id);
            const auto deploy = activeDeploy(look, appFolder);
            if (!deploy)
                continue;
            const Int64 size = directorySize(appFolder, kDeployDepth);
            if (size <= kMinimumAppBytes)
                continue;
            InstalledAppItem app =
                InstalledAppItem::listed(installation.kind, appFolder, flatpakName(look, *deploy, id), id, size);
            app.uninstallCommand = "flatpak uninstall " + installation.uninstallOption + " " + id;
            addLeftovers(look, app, {paths::join(layout.home, ".var/app/" + id + "/cache")});
            apps.push_back(std::move(app));
        }
    }
}

// ~/.var/app/<id> of an app no installation holds: its cache is offered selected (as a
// leftover), the rest (settings, chats, saves) only as the whole folder, unselected.
void scanFlatpakLeftovers(const Look& look, const HomeLayout& layout, const std::set<std::string>& installedIds,
                          std::vector<InstalledAppItem>& apps)
{
    const Path varApp = paths::join(layout.home, ".var/app");
    for (const auto& id : look.childFolders(varApp)) {
        if (installedIds.count(id))
            continue;
        const Path folder = paths::join(varApp, id);
        const Int64 whole = directorySize(folder, kDeployDepth);
        InstalledAppItem leftover = InstalledAppItem::listed(InstalledAppKind::flatpakLeftover, folder, id, id, 0);
        addLeftovers(look, leftover, {paths::join(folder, "cache")});
        leftover.appSizeBytes = std::max<Int64>(whole - leftover.orphanSizeBytes, 0);
        if (whole <= kMinimumLeftoverBytes)
            continue;
        apps.push_back(std::move(leftover));
    }
}

// ---------------------------------------------------------------- Snap

bool isSystemSnapType(std::string_view type)
{
    return type == "base" || type == "os" || type == "core" || type == "snapd" || type == "gadget" || type == "kernel";
}

void scanSnaps(const Look& look, const HomeLayout& layout, const LinuxAppRoots& roots,
               std::vector<InstalledAppItem>& apps)
{
    for (const auto& name : look.childFolders(roots.snapMount)) {
        if (name == "bin")
            continue; // the folder of command links
        const Path mount = paths::join(roots.snapMount, name);
        const auto revision = look.siblingTarget(paths::join(mount, "current"));
        if (!revision)
            continue;
        const auto meta = appmeta::parseSnapYaml(look.text(paths::join(*revision, "meta/snap.yaml")));
        const auto type = meta.find("type");
        if (type != meta.end() && isSystemSnapType(type->second))
            continue;
        const std::string rev = paths::lastComponent(*revision);
        const Int64 size = look.allocatedSizeOf(paths::join(roots.snapd, "snaps/" + name + "_" + rev + ".snap"));
        if (size <= kMinimumAppBytes)
            continue;
        const auto title = meta.find("title");
        InstalledAppItem app = InstalledAppItem::listed(InstalledAppKind::snap, mount,
                                                        title != meta.end() ? title->second : name, name, size);
        app.uninstallCommand = "sudo snap remove " + name;
        const Path userData = paths::join(layout.home, "snap/" + name);
        std::vector<Path> caches{paths::join(userData, "common/.cache")};
        for (const auto& userRevision : look.childFolders(userData))
            if (userRevision != "common")
                caches.push_back(paths::join(userData, userRevision + "/.cache"));
        addLeftovers(look, app, caches);
        apps.push_back(std::move(app));
    }
}

// ---------------------------------------------------------------- AppImage

struct Launcher {
    Path desktopFile;
    std::string program;
    std::string hash; // appimagekit_<hash>-<Name>.desktop
};

std::vector<Launcher> appImageLaunchers(const Look& look, const Path& applications)
{
    std::vector<Launcher> launchers;
    constexpr std::string_view kPrefix = "appimagekit_";
    for (const auto& file : look.entriesOf(applications)) {
        if (file.kind != Kind::regular || !file.name.starts_with(kPrefix) || !file.name.ends_with(".desktop"))
            continue;
        const auto dash = file.name.find('-', kPrefix.size());
        if (dash == std::string::npos)
            continue;
        const Path path = paths::join(applications, file.name);
        launchers.push_back(
            {path, launcherProgram(look.keyFile(path)), file.name.substr(kPrefix.size(), dash - kPrefix.size())});
    }
    return launchers;
}

// Icons the desktop integration installed for a launcher: icons/{hicolor,default}/<size>/apps/appimagekit_<hash>_*.
std::vector<Path> appImageIcons(const Look& look, const Path& icons, const std::string& hash)
{
    std::vector<Path> found;
    const std::string prefix = "appimagekit_" + hash + "_";
    for (const char* theme : {"hicolor", "default"}) {
        const Path themeFolder = paths::join(icons, theme);
        for (const auto& size : look.childFolders(themeFolder)) {
            const Path apps = paths::join(paths::join(themeFolder, size), "apps");
            for (const auto& file : look.entriesOf(apps))
                if (file.kind == Kind::regular && file.name.starts_with(prefix))
                    found.push_back(paths::join(apps, file.name));
        }
    }
    return found;
}

// The folders an AppImage's program keeps caches in, guessed from its name: the part
// before a version ("Obsidian-1.5.3.AppImage" → Obsidian, obsidian).
std::vector<Path> appImageCaches(const HomeLayout& layout, const std::string& name)
{
    const std::string stem = name.substr(0, name.find_first_of("-_. "));
    std::vector<Path> caches;
    if (!isSingleComponent(stem))
        return caches;
    for (const std::string& candidate : {stem, paths::asciiLower(stem)}) {
        caches.push_back(paths::join(layout.base.cache, candidate));
        for (const char* folder : {"Cache", "Code Cache", "GPUCache"})
            caches.push_back(paths::join(paths::join(layout.base.config, candidate), folder));
    }
    return caches;
}

void scanAppImages(const Look& look, const HomeLayout& layout, std::vector<InstalledAppItem>& apps)
{
    std::vector<Path> folders{paths::join(layout.home, "Applications"), paths::join(layout.home, "AppImages"),
                              paths::join(layout.home, "Downloads"), paths::join(layout.home, ".local/bin")};
    if (const Path* downloads = layout.userDir("DOWNLOAD"))
        folders.push_back(*downloads);
    const std::vector<Launcher> launchers = appImageLaunchers(look, paths::join(layout.base.data, "applications"));
    std::unordered_set<FileIdentity, FileIdentityHash> seen; // a folder named twice is looked at once
    for (const Path& folder : folders) {
        const auto folderStat = look.reader.stat(folder);
        if (!folderStat || !S_ISDIR(folderStat->st_mode) || !seen.insert(FileIdentity::of(*folderStat)).second)
            continue;
        for (const auto& file : look.entriesOf(folder)) {
            const Path path = paths::join(folder, file.name);
            const Int64 size = file.kind == Kind::regular ? look.allocatedSizeOf(path) : 0;
            if (size <= kMinimumAppBytes || !appmeta::isAppImage(look.reader, path))
                continue;
            std::string name = file.name;
            if (paths::lowercasedExtension(name) == "appimage")
                name.resize(name.size() - 9);
            InstalledAppItem app = InstalledAppItem::listed(InstalledAppKind::appImage, path, name, name, size);
            for (const auto& launcher : launchers)
                if (launcher.program == path) {
                    app.uninstallPaths.push_back(launcher.desktopFile);
                    for (auto& icon : appImageIcons(look, paths::join(layout.base.data, "icons"), launcher.hash))
                        app.uninstallPaths.push_back(std::move(icon));
                }
            addLeftovers(look, app, appImageCaches(layout, name));
            apps.push_back(std::move(app));
        }
    }
}

// ---------------------------------------------------------------- Steam

void scanSteamGames(const Look& look, const HomeLayout& layout, std::vector<InstalledAppItem>& apps)
{
    for (const Path& steam : {paths::join(layout.base.data, "Steam"),
                              paths::join(layout.home, ".var/app/com.valvesoftware.Steam/.local/share/Steam")}) {
        const Path library = paths::join(steam, "steamapps");
        if (!look.isFolder(steam))
            continue;
        for (const auto& file : look.entriesOf(library)) {
            if (file.kind != Kind::regular || !file.name.starts_with("appmanifest_") || !file.name.ends_with(".acf"))
                continue;
            const auto manifest = appmeta::parseSteamManifest(look.text(paths::join(library, file.name)));
            const auto field = [&](const char* key) {
                const auto found = manifest.find(key);
                return found == manifest.end() ? std::string() : found->second;
            };
            const std::string appid = field("appid"), installdir = field("installdir");
            if (!isSingleComponent(appid) || !isSingleComponent(installdir))
                continue;
            const Path folder = paths::join(library, "common/" + installdir);
            if (!look.isFolder(folder))
                continue;
            Int64 size = 0;
            const std::string sizeText = field("SizeOnDisk");
            if (!sizeText.empty() && sizeText.size() < 19 &&
                sizeText.find_first_not_of("0123456789") == std::string::npos)
                size = std::stoll(sizeText);
            else
                size = directorySize(folder, kDeployDepth);
            const std::string name = field("name").empty() ? installdir : field("name");
            InstalledAppItem game = InstalledAppItem::listed(InstalledAppKind::steamGame, folder, name, appid, size);
            game.uninstallCommand = "steam steam://uninstall/" + appid;
            addLeftovers(look, game, {paths::join(library, "shadercache/" + appid)});
            apps.push_back(std::move(game));
        }
    }
}

} // namespace

std::vector<InstalledAppItem> scanLinuxApps(const HomeLayout& layout, const LinuxAppRoots& roots)
{
    std::vector<InstalledAppItem> apps;
    std::set<std::string> installedIds;
    // Without the machine's installations nothing can be called left behind.
    bool everyInstallationRead = !roots.systemFlatpak.empty();
    HomeReader reader(layout.home);
    const Look look{reader};
    scanFlatpaks(look, layout, roots, apps, installedIds, everyInstallationRead);
    scanSnaps(look, layout, roots, apps);
    std::set<std::string> otherAppNames = installedIds;
    for (const auto& app : apps)
        otherAppNames.insert(app.appId); // Snap names
    scanSystemPackages(reader, layout, roots, otherAppNames, apps);
    scanAppImages(look, layout, apps);
    scanSteamGames(look, layout, apps);
    if (everyInstallationRead)
        scanFlatpakLeftovers(look, layout, installedIds, apps);
    return apps;
}
