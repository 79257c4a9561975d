#pragma once
// What the last scan found, as published state: the overview and the lists, each with
// its change signal, and what the scan saw at every path it offered. Lists are published
// whole; observers re-read on the signal. GUI thread only.
//
// A list once published never changes: the next publish replaces it. The window's rows share
// it rather than copy it, so a list of thousands of records reaches the window without the
// GUI thread copying (and first touching the memory of) any of them.

#include "Models/StorageModels.h"

#include <QObject>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

template <typename T> using SharedList = std::shared_ptr<const std::vector<T>>;

class ScanResults : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    const DiskOverview& overview() const { return overview_; }
    // The overview holds its placeholder figures until the first one is published.
    bool overviewMeasured() const { return overviewMeasured_; }
    const std::vector<SafeCacheRuleCard>& ruleCards() const { return *ruleCards_; }
    const std::vector<ProjectBloatItem>& projectBloats() const { return *projectBloats_; }
    const std::vector<DuplicateFileGroup>& duplicateGroups() const { return *duplicateGroups_; }
    const std::vector<SunburstSlice>& sunburstSlices() const { return sunburstSlices_; }
    const std::vector<LargeFileItem>& largeFiles() const { return *largeFiles_; }
    const std::vector<InstalledAppItem>& installedApps() const { return *installedApps_; }
    // The same lists, to keep: each stays as it is for as long as it is kept.
    SharedList<SafeCacheRuleCard> sharedRuleCards() const { return ruleCards_; }
    SharedList<ProjectBloatItem> sharedProjectBloats() const { return projectBloats_; }
    SharedList<DuplicateFileGroup> sharedDuplicateGroups() const { return duplicateGroups_; }
    SharedList<LargeFileItem> sharedLargeFiles() const { return largeFiles_; }
    SharedList<InstalledAppItem> sharedInstalledApps() const { return installedApps_; }

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
    SharedList<SafeCacheRuleCard> ruleCards_ = std::make_shared<const std::vector<SafeCacheRuleCard>>();
    SharedList<ProjectBloatItem> projectBloats_ = std::make_shared<const std::vector<ProjectBloatItem>>();
    SharedList<DuplicateFileGroup> duplicateGroups_ = std::make_shared<const std::vector<DuplicateFileGroup>>();
    std::vector<SunburstSlice> sunburstSlices_;
    SharedList<LargeFileItem> largeFiles_ = std::make_shared<const std::vector<LargeFileItem>>();
    SharedList<InstalledAppItem> installedApps_ = std::make_shared<const std::vector<InstalledAppItem>>();
    std::unordered_map<Path, FileStamp> scannedStamps_;
    std::optional<std::vector<FolderEntryStamp>> scannedTrashEntries_;
};
