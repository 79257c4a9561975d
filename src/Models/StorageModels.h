#pragma once
// Value records that the scan produces and the clean engine and the window consume.
// Paths are the exact bytes of the file system (an absolute path in a std::string);
// texts are UTF-8. Records are plain values of what was found; what is selected is kept
// apart from them (SelectionState).

#include "Models/Basics.h"
#include "Models/FileStamp.h"
#include "Models/TextRef.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// ---------------------------------------------------------------- enumerations

enum class CleanCategoryFilter { all, browserOffice, aiAndDev, sandboxContainers, systemTemp };
enum class LargeFileCategory { all, installerArchive, videoMedia, modelDatabase, other };
enum class CleanTrustWorkspace { oneClickSafe, devAndDuplicates, largeMedia, appSlimming };
// How an application is installed, which decides how it can be removed.
enum class InstalledAppKind {
    bundle,          // an application bundle in the Applications folder
    flatpakUser,     // a Flatpak of the person's own installation
    flatpakSystem,   // a Flatpak of a system installation (needs an administrator)
    snap,            // a Snap (needs an administrator)
    appImage,        // a single AppImage file
    steamGame,       // a game of the Steam library (removed through Steam)
    flatpakLeftover, // ~/.var/app/<id> of a Flatpak no installation holds any more
    systemPackage,   // a desktop application of the system's package manager (needs an administrator)
    removedPackage,  // per-user folders of a package the system's package manager has removed
};

std::string_view rawValue(CleanCategoryFilter value);
std::string_view rawValue(LargeFileCategory value);
std::string_view rawValue(CleanTrustWorkspace value);
std::string_view rawValue(InstalledAppKind value);

template <typename E> std::optional<E> fromRaw(std::string_view raw);
template <> std::optional<CleanCategoryFilter> fromRaw<CleanCategoryFilter>(std::string_view raw);
template <> std::optional<LargeFileCategory> fromRaw<LargeFileCategory>(std::string_view raw);
template <> std::optional<CleanTrustWorkspace> fromRaw<CleanTrustWorkspace>(std::string_view raw);
template <> std::optional<InstalledAppKind> fromRaw<InstalledAppKind>(std::string_view raw);

template <typename E> const std::vector<E>& allCases();
template <> const std::vector<CleanCategoryFilter>& allCases<CleanCategoryFilter>();
template <> const std::vector<LargeFileCategory>& allCases<LargeFileCategory>();
template <> const std::vector<CleanTrustWorkspace>& allCases<CleanTrustWorkspace>();
template <> const std::vector<InstalledAppKind>& allCases<InstalledAppKind>();

std::string_view symbolName(LargeFileCategory value);

// Whether a full uninstall removes the application by moving it to the Trash: bundles,
// AppImages and a removed Flatpak's data. The other kinds are removed by their own
// tool or by an administrator, so a full uninstall takes only their caches.
bool isRemovedByMovingIt(InstalledAppKind kind);
// Whether a full uninstall removes the application at all: by moving it, or (an app of
// the person's own Flatpak installation) through its own tool.
bool isRemovedByFullUninstall(InstalledAppKind kind);

// A file the inline player can show: mp4, mov, m4v, mp3, wav or m4a in any letter case.
bool isPlayableMediaPath(std::string_view url);

// ---------------------------------------------------------------- records

struct CacheSubItem {
    std::string id; // always url
    std::string name;
    std::string note;
    Path url;
    Int64 sizeBytes = 0;
    std::string safetyLevel;
    std::string verificationDetail;
    std::string lastModifiedText;
    std::vector<std::string> contentPreview;
    bool isSafeDefault = false;
    // What removing it would really free where its file system shares extents with other
    // files (a reflinked copy, a snapshot); unset where that equals sizeBytes.
    std::optional<Int64> reclaimableBytes;
    Int64 reclaimable() const { return reclaimableBytes.value_or(sizeBytes); }
    // The same texts by message id, for showing them in the person's language.
    TextRef nameRef, noteRef, safetyLevelRef, verificationDetailRef, lastModifiedRef;

    CacheSubItem() = default;
    CacheSubItem(std::string name, std::string note, Path url, Int64 sizeBytes, std::string safetyLevel,
                 std::string verificationDetail, std::string lastModifiedText, std::vector<std::string> contentPreview,
                 bool isSafeDefault);

    bool operator==(const CacheSubItem&) const = default;
};

struct SafeCacheRuleCard {
    std::string id;
    CleanCategoryFilter category = CleanCategoryFilter::all;
    std::string title;
    std::string subtitle;
    std::string symbolName;
    std::string accentHex;
    std::string secondaryHex;
    std::string protectionPromise;
    std::vector<CacheSubItem> subItems;
    bool isExpanded = false;
    // The title, subtitle and promise by message id.
    TextRef titleRef, subtitleRef, promiseRef;

    Int64 totalScannedBytes() const;

    bool operator==(const SafeCacheRuleCard&) const = default;
};

struct DiskOverview {
    std::string volumeName = "Macintosh HD";
    Int64 totalBytes = 244'813'135'872;    // 228 GiB placeholder until the first scan
    Int64 availableBytes = 69'793'218'560; // 65 GiB
    Int64 trashBytes = 0;

    Int64 usedBytes() const;
    double usedRatio() const;

    bool operator==(const DiskOverview&) const = default;
};

// A project left alone for this many whole days is idle: its artefacts are offered selected.
inline constexpr Int64 kIdleProjectDays = 5;

struct ProjectBloatItem {
    std::string id;
    std::string projectName;
    std::string artifactType;
    Path url;
    std::string displayPath;
    Int64 sizeBytes = 0;
    Int64 daysSinceModified = 0;
    std::string rebuildCommand;
    std::string verificationBadge;
    std::string verificationReason;
    TextRef badgeRef = {}, reasonRef = {}; // the same two by message id
    // False for an environment whose packages no file records: never selected by default.
    bool packagesRecorded = true;
    // What removing it would really free where its file system shares extents with other
    // files (a reflinked copy, a snapshot); unset where that equals sizeBytes.
    std::optional<Int64> reclaimableBytes;
    Int64 reclaimable() const { return reclaimableBytes.value_or(sizeBytes); }

    bool isIdle() const { return daysSinceModified >= kIdleProjectDays; }

    bool operator==(const ProjectBloatItem&) const = default;
};

struct DuplicateFileMember {
    std::string id;
    Path url;
    std::string name;
    std::string folderName;
    Int64 sizeBytes = 0;
    Date modifiedDate{};
    // What removing this copy would really free where its file system shares extents with other
    // files (a reflinked copy, a snapshot); unset where that equals sizeBytes.
    std::optional<Int64> reclaimableBytes;
    Int64 reclaimable() const { return reclaimableBytes.value_or(sizeBytes); }
    // Bytes a merge with the group's first member would free: what the two do not already
    // share. Unset where extents cannot be shared (then a merge is not offered).
    std::optional<Int64> mergeableBytes;

    bool operator==(const DuplicateFileMember&) const = default;
};

struct DuplicateFileGroup {
    std::string id;
    std::string title;
    std::string hashSummary;
    TextRef hashSummaryRef = {};
    Int64 eachSizeBytes = 0;
    std::vector<DuplicateFileMember> members;

    // What the copies beside one kept member take (the members are the same size).
    Int64 totalDuplicateCopiesBytes() const;

    bool operator==(const DuplicateFileGroup&) const = default;
};

struct LargeFileItem {
    std::string id;
    Path url;
    std::string name;
    std::string displayPath;
    LargeFileCategory category = LargeFileCategory::other;
    std::string categoryTag;
    std::string verificationBadge;
    std::string verificationReason;
    TextRef badgeRef = {}, reasonRef = {}, displayPathRef = {}; // the same texts by message id
    Int64 sizeBytes = 0;
    Date modifiedDate{};
    // What removing it would really free where its file system shares extents with other
    // files (a reflinked copy, a snapshot); unset where that equals sizeBytes.
    std::optional<Int64> reclaimableBytes;
    Int64 reclaimable() const { return reclaimableBytes.value_or(sizeBytes); }

    bool isPlayableMedia() const;

    bool operator==(const LargeFileItem&) const = default;
};

struct SunburstSlice {
    std::string id;
    std::string label;
    std::string detail;
    Int64 sizeBytes = 0;
    double fraction = 0;
    std::string colorHex;
    std::optional<Path> url;

    bool operator==(const SunburstSlice&) const = default;
};

struct AppDataFolder {
    Path path;
    Int64 sizeBytes = 0;
    std::string rule; // why it belongs to the app ("~/.config/<window class>")

    bool operator==(const AppDataFolder&) const = default;
};

struct InstalledAppItem {
    std::string id;
    Path appPath;
    std::string name;
    // The name in other languages, from its launcher: locale ("de", "zh_CN") → name.
    std::map<std::string, std::string> localizedNames;
    Path iconPath; // its launcher's icon as a file; empty when none was found
    std::string appId;
    Int64 appSizeBytes = 0;
    std::vector<Path> orphanPaths;
    std::vector<Int64> orphanSizes; // each leftover's measured size, in orphanPaths' order
    // Why each leftover belongs to the app ("~/.cache/<package>"), in orphanPaths' order;
    // empty for kinds whose leftovers sit at fixed places.
    std::vector<std::string> orphanRules;
    Int64 orphanSizeBytes = 0;
    // The person's settings and data the app keeps in the home. Never a cache: "clean
    // cache only" leaves them, and a full uninstall takes them only once the app is gone.
    std::vector<AppDataFolder> dataFolders;
    InstalledAppKind kind = InstalledAppKind::bundle;
    // The command that removes it, for kinds this program must not remove itself (an
    // administrator's, or another program's); empty when a full uninstall can.
    std::string uninstallCommand;
    // Further things a full uninstall takes along (an AppImage's launcher and icons).
    std::vector<Path> uninstallPaths;
    // A system package that PackageKit can remove: a full uninstall asks it to (the
    // system asks the person for an administrator's consent).
    bool removedThroughPackageKit = false;
    // For a removed package: the day the package manager's log says it went ("" when only
    // its database says it is gone).
    std::string removedOn;

    // A listed application: found at `path` (also its id), called `name`, known to its
    // installer as `id`, occupying `size`.
    static InstalledAppItem listed(InstalledAppKind kind, const Path& path, std::string name, std::string id,
                                   Int64 size);

    Int64 totalSizeBytes() const { return appSizeBytes + orphanSizeBytes; }
    Int64 dataBytes() const;

    void addOrphan(Path path, Int64 sizeBytes, std::string rule = {});
    Int64 orphanSize(std::size_t index) const;
    // Drops the leftovers `drop` picks; the total becomes exactly the sum of what remains.
    template <class Predicate> void dropOrphansWhere(Predicate drop)
    {
        std::erase_if(dataFolders, [&](const AppDataFolder& folder) { return drop(folder.path); });
        std::vector<bool> dropped;
        for (const Path& path : orphanPaths)
            dropped.push_back(drop(path));
        keepOrphans(dropped);
    }
    // What a full uninstall frees: the app itself only when this program may remove it;
    // otherwise its leftovers alone, and the app stays for its own command.
    Int64 fullUninstallBytes() const;
    bool isRemovedByFullUninstall() const { return ::isRemovedByFullUninstall(kind) || removedThroughPackageKit; }
    // Whether a full uninstall takes the settings and data too: only where the app goes
    // with it, or went long ago.
    bool dataGoesWithFullUninstall() const
    {
        return isRemovedByFullUninstall() || kind == InstalledAppKind::removedPackage;
    }

    bool operator==(const InstalledAppItem&) const = default;

  private:
    void keepOrphans(const std::vector<bool>& dropped);
};

struct CleanHistoryRecord {
    std::string id;
    std::string name;
    Path originalPath;
    Path trashedPath;
    Int64 sizeBytes = 0;
    Date cleanedAt{};
    std::string categoryLabel;
    // The clean that made it: every record of one clean has the same.
    std::string cleanID;
    // What stood at trashedPath when the item got there. A restore takes back only that
    // object, never another that has since taken the name.
    std::optional<FileStamp> trashedEntry;
    // The name by message id, for showing it in the person's language; empty for names
    // that are shown as they are (file names) and in records written before ids were kept.
    TextRef nameRef = {};

    bool operator==(const CleanHistoryRecord&) const = default;
};

// A path with what the scan saw there (nothing recorded: nullopt).
struct ScannedPath {
    Path url;
    std::optional<FileStamp> stamp;

    bool operator==(const ScannedPath&) const = default;
};

// One thing handed to the clean executor: where it is, what the scan measured, what to call it.
struct CleanItem {
    CleanItem() = default;
    CleanItem(Path url, Int64 sizeBytes, std::string name)
        : url(std::move(url)), sizeBytes(sizeBytes), name(std::move(name))
    {
    }

    Path url;
    Int64 sizeBytes = 0;
    std::string name;
    TextRef nameRef; // the name by message id, where it has one
    // What the scan saw at `url`. When given, the item is cleaned only while the same
    // object stands there unchanged.
    std::optional<FileStamp> scanned;
    // For a duplicate copy: the original its group keeps, which must still be as scanned.
    std::optional<ScannedPath> keptOriginal;
    // For the Trash folder: the entries the scan measured. Only these may go.
    std::optional<std::vector<FolderEntryStamp>> trashEntries;
    // For an app of the person's own Flatpak installation (`url` is its app folder): the
    // id its tool removes it by. Nothing at `url` is touched by us.
    std::optional<std::string> userFlatpakId;
    // For a system package's application (`url` is its launcher): the package PackageKit
    // is asked to remove. Nothing at `url` is touched by us.
    std::optional<std::string> systemPackage;
    // Cleaned only once nothing stands at this path any more: an app's settings go only
    // after the app itself went.
    std::optional<Path> onlyOnceGone;
    // For a duplicate copy: merge its extents with keptOriginal's in place (both paths
    // stay) instead of moving it anywhere.
    bool mergeIntoOriginal = false;

    bool operator==(const CleanItem&) const = default;
};
