#pragma once
// What the person selected in the scan's lists, kept apart from the records: a path item
// (a cache, a build folder, a large file, a duplicate copy) by its path, an application by
// its id, and for each duplicate group the copy it keeps. Totals are computed from the
// current lists and this. Each list's selection has its change signal; an id that names
// nothing changes nothing. GUI thread only.
//
// A path has one state in every list that offers it (a Flatpak's cache is a catalogue item
// and that app's leftover; a large file can be a duplicate copy): the path lists share one
// set, and a change tells every list holding a changed path. An app's row covers its
// leftovers: ticking it ticks them, and unticking one of them anywhere unticks the row.

#include "Models/StorageModels.h"

#include <QObject>

#include <array>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class ScanResults;

class SelectionState : public QObject {
    Q_OBJECT

  public:
    explicit SelectionState(const ScanResults& results, QObject* parent = nullptr);

    // A fresh list of the scan: its selection becomes what the scan offers selected.
    // Silent: the publish of the list that follows tells observers.
    void offer(const std::vector<SafeCacheRuleCard>& cards);
    void offer(const std::vector<ProjectBloatItem>& bloats);
    void offer(const std::vector<DuplicateFileGroup>& groups);
    void offer(const std::vector<LargeFileItem>& files);
    void offer(const std::vector<InstalledAppItem>& apps);

    // What the scan offers selected: caches it verified as safe, idle projects' artefacts
    // that can be rebuilt as they were (an environment whose packages no file records cannot),
    // installers and archives, a removed Flatpak's leftover cache, and every duplicate copy
    // but the first (the shortest path, as the finder orders them), which is kept.
    static bool offeredSelected(const CacheSubItem& item) { return item.isSafeDefault; }
    static bool offeredSelected(const ProjectBloatItem& bloat) { return bloat.isIdle() && bloat.packagesRecorded; }
    static bool offeredSelected(const LargeFileItem& file)
    {
        return file.category == LargeFileCategory::installerArchive;
    }
    static bool offeredSelected(const InstalledAppItem& app)
    {
        return app.kind == InstalledAppKind::flatpakLeftover && app.orphanSizeBytes > 0;
    }

    bool isSelected(const CacheSubItem& item) const { return paths_.contains(item.url); }
    bool isSelected(const ProjectBloatItem& bloat) const { return paths_.contains(bloat.url); }
    bool isSelected(const LargeFileItem& file) const { return paths_.contains(file.url); }
    bool isSelected(const InstalledAppItem& app) const { return apps_.contains(app.id); }
    // The member a group keeps; null when it keeps none.
    const DuplicateFileMember* keptOriginal(const DuplicateFileGroup& group) const;
    bool isKept(const DuplicateFileGroup& group, const DuplicateFileMember& member) const;
    // A copy that a clean of the duplicates takes: selected, and not the one kept.
    bool isMarkedForDelete(const DuplicateFileGroup& group, const DuplicateFileMember& member) const;

    Int64 selectedBytes(const SafeCacheRuleCard& card) const;
    bool isAllSelected(const SafeCacheRuleCard& card) const;
    bool isAnySelectedForDelete(const DuplicateFileGroup& group) const;
    Int64 reclaimableBytes(const DuplicateFileGroup& group) const;

    Int64 totalSelectedSafeBytes() const;
    Int64 totalSelectedBloatBytes() const;
    Int64 totalSelectedDuplicateBytes() const;
    Int64 totalSelectedLargeFileBytes() const;
    Int64 totalSelectedAppOrphanBytes() const;
    Int64 totalSelectedUninstallBytes() const;
    // Caches, build folders, copies and large files, each selected path once.
    Int64 totalMasterSmartCleanBytes() const;

    void setAllSafeCards(bool selected);
    void toggleCard(const std::string& id);
    void toggleSubItem(const std::string& cardID, const std::string& subItemID);
    bool areAllSafeItemsSelected() const;
    void setAllProjectBloats(bool selected);
    void toggleProjectBloat(const std::string& id);
    void setAllDuplicates(bool selected);
    void toggleDuplicateGroup(const std::string& id);
    void swapDuplicateLockedOriginal(const std::string& groupID, const std::string& newOriginalID);
    void setAllLargeFiles(bool selected, LargeFileCategory category);
    void toggleLargeFile(const std::string& id);
    void setAllInstalledApps(bool selected, bool onlyCacheMode);
    void toggleInstalledApp(const std::string& id);
    // Whether a clean of the app list takes the leftovers only (the default) or the apps too.
    // Only then does a leftover ticked in another list tick its app's row: a cache's tick
    // never chooses an uninstall.
    void setAppsCleanLeftoversOnly(bool leftoversOnly);

    // Cache-only mode: an app without leftovers has nothing to clean, so it is unticked.
    void deselectInstalledAppsWithoutLeftovers();
    // Full-uninstall mode: a removed Flatpak's data folder (its chats, its saves) is never
    // taken along unless the person ticks it there.
    void deselectLeftoverFoldersForFullUninstall();

    // After a clean: a group whose kept copy went keeps its first remaining member, and
    // an app whose leftovers went is unselected. Silent, like offer.
    void keepAnOriginalIn(const std::vector<DuplicateFileGroup>& groups);
    void deselectApp(const InstalledAppItem& app);

  Q_SIGNALS:
    void ruleCardsChanged();
    void projectBloatsChanged();
    void duplicateGroupsChanged();
    void largeFilesChanged();
    void installedAppsChanged();

  private:
    friend struct StorageEngineTestAccess;

    enum List { cacheList, bloatList, copyList, largeFileList, appList, listCount };
    // Each path a list's last offer held, and whether that list offered it selected.
    using Offers = std::unordered_map<Path, bool>;

    void offerPaths(List list, Offers offers);
    // Sets one path's state, remembering it for announce when that changes it.
    void setPath(const Path& path, bool selected);
    // Tells `own` and every other list that holds a changed path; apps follow their leftovers.
    void announce(List own);
    void announceSilently(List own);
    // Apps whose leftovers changed: unticked when one is no longer selected, ticked when all
    // are and the list cleans leftovers only. Returns whether a row changed.
    bool followLeftovers(const std::unordered_set<Path>& changed);
    bool leftoversSelected(const InstalledAppItem& app) const;
    void setApp(const InstalledAppItem& app, bool selected);
    void emitChanged(List list);

    void deselectInstalledAppsWhere(const std::function<bool(const InstalledAppItem&)>& unwanted);
    void selectCard(const SafeCacheRuleCard& card, bool selected);
    void markCopies(const DuplicateFileGroup& group, bool selected);

    const ScanResults& results_;
    // Selected caches, build folders, copies, large files and app leftovers: one state a path.
    std::unordered_set<Path> paths_;
    std::unordered_set<std::string> apps_;
    std::array<Offers, listCount> offers_;
    std::unordered_set<Path> changed_;
    bool appsCleanLeftoversOnly_ = true;
    // The path of the member each group keeps; empty: none. A group not listed keeps its first.
    std::unordered_map<std::string, Path> kept_;
};
