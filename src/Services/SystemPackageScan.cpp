#include "Services/SystemPackageScan.h"

#include "Models/Paths.h"
#include "Platform/DpkgDatabase.h"
#include "Platform/HomeLayout.h"
#include "Platform/HomeReader.h"
#include "Platform/KeyFile.h"
#include "Platform/PackageLogs.h"
#include "Services/DirectorySize.h"
#include "Services/LinuxAppScan.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

using Kind = DirectoryWalker::Kind;

constexpr Int64 kMinimumAppBytes = 5LL << 20;
constexpr Int64 kMinimumLeftoverBytes = 256'000;
constexpr int kLeftoverDepth = 6;
constexpr std::size_t kMaxLauncherBytes = 1u << 20;

// A launcher the desktop shows in its menus: an application that is neither hidden nor
// without a program to start.
struct ShownLauncher {
    Path file;
    std::string id; // the file name without ".desktop"
    KeyFile entry;
};

std::vector<ShownLauncher> shownLaunchers(HomeReader& reader, const std::vector<Path>& folders)
{
    std::vector<ShownLauncher> launchers;
    for (const Path& folder : folders) {
        const auto files = reader.list(folder);
        if (!files)
            continue;
        for (const auto& file : *files) {
            constexpr std::string_view kSuffix = ".desktop";
            if (file.kind != Kind::regular || !file.name.ends_with(kSuffix) || file.name.size() == kSuffix.size())
                continue;
            const Path path = paths::join(folder, file.name);
            const auto text = reader.readSmallFile(path, kMaxLauncherBytes);
            KeyFile entry = KeyFile::parse(text ? *text : std::string());
            constexpr std::string_view kGroup = "Desktop Entry";
            if (entry.value(kGroup, "Type") != "Application" || entry.value(kGroup, "NoDisplay") == "true" ||
                entry.value(kGroup, "Hidden") == "true" || launcherProgram(entry).empty())
                continue;
            launchers.push_back({path, file.name.substr(0, file.name.size() - kSuffix.size()), std::move(entry)});
        }
    }
    return launchers;
}

bool isFolderName(std::string_view name)
{
    return !name.empty() && name.front() != '.' && name.find('/') == std::string_view::npos;
}

// The names an application's per-user folders go by, exactly, each with the rule that
// gives it: its package's name, its launcher's id, its program's name and its window class.
std::map<std::string, std::string> folderNamesOf(const ShownLauncher& launcher, const std::string& package)
{
    std::map<std::string, std::string> names;
    names.emplace(package, "Package: " + package);
    names.emplace(launcher.id, launcher.id + ".desktop");
    const std::string program = paths::lastComponent(launcherProgram(launcher.entry));
    names.emplace(program, "Exec: " + program);
    if (auto windowClass = launcher.entry.value("Desktop Entry", "StartupWMClass"))
        names.emplace(*windowClass, "StartupWMClass: " + *windowClass);
    std::erase_if(names, [](const auto& name) { return !isFolderName(name.first); });
    return names;
}

// The places an application keeps per-user folders, cache first.
struct LeftoverPlace {
    Path folder;
    const char* shown;
    bool isCache;
    bool hidden; // the folder is ".<name>"
};

std::array<LeftoverPlace, 5> placesOf(const HomeLayout& layout)
{
    return {{{layout.base.cache, "~/.cache", true, false},
             {layout.base.config, "~/.config", false, false},
             {layout.base.data, "~/.local/share", false, false},
             {paths::join(layout.home, ".local/state"), "~/.local/state", false, false},
             {layout.home, "~", false, true}}};
}

// Adds each existing folder of `name` big enough to matter: a cache as a leftover, the
// rest as the person's settings and data.
void addFoldersNamed(HomeReader& reader, const HomeLayout& layout, const std::string& name, const std::string& rule,
                     InstalledAppItem& app, bool cachesOnly = false)
{
    for (const LeftoverPlace& place : placesOf(layout)) {
        if (cachesOnly && !place.isCache)
            continue;
        const Path folder = paths::join(place.folder, place.hidden ? "." + name : name);
        const bool known = std::find(app.orphanPaths.begin(), app.orphanPaths.end(), folder) != app.orphanPaths.end() ||
                           std::any_of(app.dataFolders.begin(), app.dataFolders.end(),
                                       [&](const AppDataFolder& data) { return data.path == folder; });
        if (known || !reader.isFolder(folder))
            continue;
        const Int64 size = directorySize(folder, kLeftoverDepth);
        if (size <= kMinimumLeftoverBytes)
            continue;
        if (place.isCache)
            app.addOrphan(folder, size, rule);
        else
            app.dataFolders.push_back({folder, size, rule});
    }
}

// Who may still use a folder name: every package whose launcher gives it, and "" for a
// launcher no package ships (/usr/local, a stray file).
using Claims = std::map<std::string, std::set<std::string>, std::less<>>;

// The program folders a package's commands live in; a program of a name found there
// that the package does not ship belongs to someone else.
std::set<Path, std::less<>> programFiles(const LinuxAppRoots& roots, const std::set<std::string>& names)
{
    std::set<Path, std::less<>> files;
    for (const Path& folder : roots.programFolders)
        for (const std::string& name : names)
            files.insert(paths::join(folder, name));
    return files;
}

// A launcher's Icon= as a file: an absolute path as given, a name looked up in the icon
// folders as .png or .svg. Only a regular file, never through a link's last step.
Path iconFileOf(HomeReader& reader, const KeyFile& entry, const std::vector<Path>& folders)
{
    const auto icon = entry.value("Desktop Entry", "Icon");
    if (!icon || icon->empty())
        return {};
    const auto isFile = [&](const Path& path) {
        const auto st = reader.stat(path);
        return st && S_ISREG(st->st_mode);
    };
    if (icon->front() == '/')
        return isFile(*icon) ? *icon : Path();
    if (!isFolderName(*icon))
        return {};
    for (const Path& folder : folders)
        for (const char* extension : {".png", ".svg"})
            if (const Path file = paths::join(folder, *icon + extension); isFile(file))
                return file;
    return {};
}

} // namespace

bool isDesktopOwnFolderName(std::string_view name)
{
    static constexpr std::array<std::string_view, 30> kNames{"autostart",
                                                             "dconf",
                                                             "keyrings",
                                                             "mimeapps.list",
                                                             "user-dirs.dirs",
                                                             "user-dirs.locale",
                                                             "systemd",
                                                             "pulse",
                                                             "pipewire",
                                                             "wireplumber",
                                                             "fontconfig",
                                                             "fonts",
                                                             "icons",
                                                             "themes",
                                                             "applications",
                                                             "Trash",
                                                             "recently-used.xbel",
                                                             "gvfs-metadata",
                                                             "tracker",
                                                             "tracker3",
                                                             "ibus",
                                                             "dbus",
                                                             "environment.d",
                                                             "menus",
                                                             "desktop-directories",
                                                             "sounds",
                                                             "session",
                                                             "evolution-data-server",
                                                             "flatpak",
                                                             "gtk"};
    // "kde" alone would take kdenlive: the session's own files are named one by one.
    static constexpr std::array<std::string_view, 16> kPrefixes{
        "gnome",    "gtk-",  "plasma", "kwin",       "xdg-",        "xfce",    "lxqt",      "lxsession",
        "cinnamon", "mate-", "kded",   "kdeglobals", "kdedefaults", "kscreen", "ksmserver", "kglobalshortcuts"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end() ||
           std::any_of(kPrefixes.begin(), kPrefixes.end(), [&](std::string_view p) { return name.starts_with(p); });
}

// Applications of the system's package manager: every shown launcher that an installed
// package ships, one row per package. The system itself (essential, required and
// important packages) and what other packages depend on are never offered: removing them
// takes more than the person chose. Its caches are leftovers; its settings and data are
// the app's only when no other program goes by the same name.
void scanSystemPackages(HomeReader& reader, const HomeLayout& layout, const LinuxAppRoots& roots,
                        const std::set<std::string>& otherAppNames, std::vector<InstalledAppItem>& apps)
{
    const DpkgDatabase dpkg = DpkgDatabase::read(reader, roots.dpkgAdmin);
    if (dpkg.empty())
        return;
    const std::vector<ShownLauncher> launchers = shownLaunchers(reader, roots.desktopEntries);
    std::set<Path, std::less<>> files;
    for (const auto& launcher : launchers)
        files.insert(launcher.file);
    Claims claims;
    std::set<std::string> everyName;
    for (const std::string& name : otherAppNames)
        claims[name].insert("");
    // Launchers first, to learn which names are whose; then the programs of those names.
    auto owners = dpkg.owners(reader, files);
    for (const auto& launcher : launchers) {
        const auto owner = owners.find(launcher.file);
        const std::string package = owner == owners.end() ? std::string() : owner->second->name;
        for (const auto& [name, rule] : folderNamesOf(launcher, package.empty() ? launcher.id : package)) {
            claims[name].insert(package);
            everyName.insert(name);
        }
    }
    const auto programs = programFiles(roots, everyName);
    const auto programOwners = dpkg.owners(reader, programs);
    for (const Path& program : programs)
        if (reader.stat(program)) {
            const auto owner = programOwners.find(program);
            claims[paths::lastComponent(program)].insert(owner == programOwners.end() ? "" : owner->second->name);
        }
    const bool packageKit = !roots.packageKitService.empty() && bool(reader.stat(roots.packageKitService));

    // One row per package, named by the launcher that bears the package's name when
    // there is one (vlc.desktop rather than vlc-stream.desktop), else by its first.
    std::map<std::string, const ShownLauncher*> rows;
    for (const auto& launcher : launchers) {
        const auto owner = owners.find(launcher.file);
        if (owner == owners.end())
            continue;
        const DpkgPackage& package = *owner->second;
        // The desktop's own programs (its shell, settings, session) are part of the system
        // even where no meta-package holds them.
        if (package.isPartOfTheSystem || package.isDependedOn || isDesktopOwnFolderName(package.name) ||
            package.installedBytes <= kMinimumAppBytes)
            continue;
        auto [row, first] = rows.try_emplace(package.name, &launcher);
        if (!first && launcher.id == package.name)
            row->second = &launcher;
    }
    for (const auto& [packageName, chosen] : rows) {
        const ShownLauncher& launcher = *chosen;
        const DpkgPackage& package = *dpkg.find(packageName);
        std::string name = launcher.entry.value("Desktop Entry", "Name").value_or(package.name);
        InstalledAppItem app = InstalledAppItem::listed(InstalledAppKind::systemPackage, launcher.file,
                                                        name.empty() ? package.name : std::move(name), package.name,
                                                        package.installedBytes);
        app.localizedNames = launcher.entry.translations("Desktop Entry", "Name");
        app.iconPath = iconFileOf(reader, launcher.entry, roots.iconFolders);
        app.uninstallCommand = "sudo apt remove " + package.name;
        app.removedThroughPackageKit = packageKit;
        for (const auto& [folderName, rule] : folderNamesOf(launcher, package.name)) {
            if (isDesktopOwnFolderName(folderName))
                continue;
            const auto& claimants = claims[folderName];
            // A cache another program shares is rebuilt by it; settings and data are not.
            const bool onlyItsOwn = claimants.size() == 1 && *claimants.begin() == package.name;
            addFoldersNamed(reader, layout, folderName, rule, app, !onlyItsOwn);
        }
        apps.push_back(std::move(app));
    }

    // What removed packages left: folders named exactly as a package the logs or the
    // database say is gone, that nothing installed goes by.
    std::map<std::string, std::string> removed; // package → day ("" when unknown)
    for (const std::string& package : dpkg.leftConfigFiles())
        removed.emplace(package, "");
    for (auto& [package, day] : readRemovalDays(reader, roots.packageLogs))
        if (!dpkg.find(package))
            removed.insert_or_assign(package, day);
    std::set<std::string> removedNames;
    for (const auto& [package, day] : removed)
        if (isFolderName(package) && !isDesktopOwnFolderName(package) && !claims.contains(package) &&
            !dpkg.find(package))
            removedNames.insert(package);
    const auto leftPrograms = programFiles(roots, removedNames);
    for (const Path& program : leftPrograms)
        if (reader.stat(program))
            removedNames.erase(paths::lastComponent(program));
    for (const std::string& package : removedNames) {
        InstalledAppItem left = InstalledAppItem::listed(InstalledAppKind::removedPackage, {}, package, package, 0);
        addFoldersNamed(reader, layout, package, "Package: " + package, left);
        if (left.orphanPaths.empty() && left.dataFolders.empty())
            continue;
        left.appPath = left.orphanPaths.empty() ? left.dataFolders.front().path : left.orphanPaths.front();
        left.id = left.appPath;
        left.removedOn = removed[package];
        apps.push_back(std::move(left));
    }
}
