#pragma once
// What the person selected in the scan's lists, and the totals of it. Selection changes
// write a modified copy back into the published list; an id that names nothing changes
// nothing. Totals are recomputed from the current lists on every read. GUI thread only.

#include "Models/StorageModels.h"

#include <functional>
#include <string>

class ScanResults;

class SelectionState {
  public:
    explicit SelectionState(ScanResults& results) : results_(results) {}

    Int64 totalSelectedSafeBytes() const;
    Int64 totalSelectedBloatBytes() const;
    Int64 totalSelectedDuplicateBytes() const;
    Int64 totalSelectedLargeFileBytes() const;
    Int64 totalSelectedAppOrphanBytes() const;
    Int64 totalSelectedUninstallBytes() const;
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

    // Cache-only mode: an app without leftovers has nothing to clean, so it is unticked.
    void deselectInstalledAppsWithoutLeftovers();
    // Full-uninstall mode: a removed Flatpak's data folder (its chats, its saves) is never
    // taken along unless the person ticks it there.
    void deselectLeftoverFoldersForFullUninstall();

  private:
    void deselectInstalledAppsWhere(const std::function<bool(const InstalledAppItem&)>& unwanted);

    ScanResults& results_;
};
