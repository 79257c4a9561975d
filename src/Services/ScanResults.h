#pragma once
// What the last scan found, as published state: the overview and the lists, each with
// its change signal, and what the scan saw at every path it offered. Lists are published
// whole; observers re-read on the signal. GUI thread only.

#include "Models/StorageModels.h"

#include <QObject>

#include <optional>
#include <unordered_map>
#include <vector>

class ScanResults : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    const DiskOverview& overview() const { return overview_; }
    // The overview holds its placeholder figures until the first one is published.
    bool overviewMeasured() const { return overviewMeasured_; }
    const std::vector<SafeCacheRuleCard>& ruleCards() const { return ruleCards_; }
    const std::vector<ProjectBloatItem>& projectBloats() const { return projectBloats_; }
    const std::vector<DuplicateFileGroup>& duplicateGroups() const { return duplicateGroups_; }
    const std::vector<SunburstSlice>& sunburstSlices() const { return sunburstSlices_; }
    const std::vector<LargeFileItem>& largeFiles() const { return largeFiles_; }
    const std::vector<InstalledAppItem>& installedApps() const { return installedApps_; }

    void setOverview(DiskOverview value);
    void setRuleCards(std::vector<SafeCacheRuleCard> value);
    void setProjectBloats(std::vector<ProjectBloatItem> value);
    void setDuplicateGroups(std::vector<DuplicateFileGroup> value);
    void setSunburstSlices(std::vector<SunburstSlice> value);
    void setLargeFiles(std::vector<LargeFileItem> value);
    void setInstalledApps(std::vector<InstalledAppItem> value);

    // Totals of what the scan found, selected or not.
    Int64 totalScannedSafeBytes() const;
    Int64 totalScannedBloatBytes() const;
    Int64 totalScannedDuplicateBytes() const;
    Int64 totalScannedLargeFileBytes() const;
    Int64 totalScannedAppOrphanBytes() const;
    // Caches, build folders, copies and large files, each path once.
    Int64 grandTotalDiscoverableBytes() const;

    // What a scan saw at every path it offered (kept until the same path is seen again:
    // lists of an earlier scan may still be shown), and the Trash entries it measured.
    void rememberScanned(const std::unordered_map<Path, FileStamp>& stamps);
    void setScannedTrashEntries(std::optional<std::vector<FolderEntryStamp>> entries);
    const std::unordered_map<Path, FileStamp>& scannedStamps() const { return scannedStamps_; }
    const std::optional<std::vector<FolderEntryStamp>>& scannedTrashEntries() const { return scannedTrashEntries_; }

  Q_SIGNALS:
    void overviewChanged();
    void ruleCardsChanged();
    void projectBloatsChanged();
    void duplicateGroupsChanged();
    void sunburstSlicesChanged();
    void largeFilesChanged();
    void installedAppsChanged();

  private:
    friend struct StorageEngineTestAccess;

    DiskOverview overview_;
    bool overviewMeasured_ = false;
    std::vector<SafeCacheRuleCard> ruleCards_;
    std::vector<ProjectBloatItem> projectBloats_;
    std::vector<DuplicateFileGroup> duplicateGroups_;
    std::vector<SunburstSlice> sunburstSlices_;
    std::vector<LargeFileItem> largeFiles_;
    std::vector<InstalledAppItem> installedApps_;
    std::unordered_map<Path, FileStamp> scannedStamps_;
    std::optional<std::vector<FolderEntryStamp>> scannedTrashEntries_;
};
