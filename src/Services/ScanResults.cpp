#include "Services/ScanResults.h"

#include "Models/SumOver.h"

#include <unordered_set>

namespace {

// Lists and records are published whole: every assignment notifies, and observers re-read.
template <typename T, typename Signal> void assignWhole(ScanResults* self, T& member, T value, Signal signal)
{
    member = std::move(value);
    Q_EMIT(self->*signal)();
}

// A shared list is replaced, never changed: whoever keeps the old one still has it as it was.
template <typename T, typename Signal>
void assignWhole(ScanResults* self, SharedList<T>& member, std::vector<T> value, Signal signal)
{
    member = std::make_shared<const std::vector<T>>(std::move(value));
    Q_EMIT(self->*signal)();
}

} // namespace

void ScanResults::setOverview(DiskOverview value)
{
    overviewMeasured_ = true;
    assignWhole(this, overview_, std::move(value), &ScanResults::overviewChanged);
}

void ScanResults::setRuleCards(std::vector<SafeCacheRuleCard> value)
{
    assignWhole(this, ruleCards_, std::move(value), &ScanResults::ruleCardsChanged);
}

void ScanResults::setProjectBloats(std::vector<ProjectBloatItem> value)
{
    assignWhole(this, projectBloats_, std::move(value), &ScanResults::projectBloatsChanged);
}

void ScanResults::setDuplicateGroups(std::vector<DuplicateFileGroup> value)
{
    assignWhole(this, duplicateGroups_, std::move(value), &ScanResults::duplicateGroupsChanged);
}

void ScanResults::setSunburstSlices(std::vector<SunburstSlice> value)
{
    assignWhole(this, sunburstSlices_, std::move(value), &ScanResults::sunburstSlicesChanged);
}

void ScanResults::setLargeFiles(std::vector<LargeFileItem> value)
{
    assignWhole(this, largeFiles_, std::move(value), &ScanResults::largeFilesChanged);
}

void ScanResults::setInstalledApps(std::vector<InstalledAppItem> value)
{
    assignWhole(this, installedApps_, std::move(value), &ScanResults::installedAppsChanged);
}

Int64 ScanResults::totalScannedSafeBytes() const
{
    return sumOver(*ruleCards_, [](const SafeCacheRuleCard& c) { return c.totalScannedBytes(); });
}
Int64 ScanResults::totalScannedBloatBytes() const
{
    return sumOver(*projectBloats_, [](const ProjectBloatItem& b) { return b.reclaimable(); });
}
Int64 ScanResults::totalScannedDuplicateBytes() const
{
    return sumOver(*duplicateGroups_, [](const DuplicateFileGroup& g) { return g.totalDuplicateCopiesBytes(); });
}
Int64 ScanResults::totalScannedLargeFileBytes() const
{
    return sumOver(*largeFiles_, [](const LargeFileItem& f) { return f.reclaimable(); });
}
Int64 ScanResults::totalScannedAppOrphanBytes() const
{
    return sumOver(*installedApps_, [](const InstalledAppItem& a) { return a.orphanSizeBytes; });
}
Int64 ScanResults::grandTotalDiscoverableBytes() const
{
    // A path two lists offer (a large file that is also a duplicate copy) counts once.
    std::unordered_set<Path> counted;
    Int64 total = 0;
    const auto add = [&](const Path& url, Int64 sizeBytes) {
        if (counted.insert(url).second)
            total += sizeBytes;
    };
    for (const auto& card : *ruleCards_)
        for (const auto& item : card.subItems)
            add(item.url, item.reclaimable());
    for (const auto& bloat : *projectBloats_)
        add(bloat.url, bloat.reclaimable());
    for (const auto& group : *duplicateGroups_)
        for (std::size_t i = 1; i < group.members.size(); ++i)
            add(group.members[i].url, group.members[i].reclaimable());
    for (const auto& file : *largeFiles_)
        add(file.url, file.reclaimable());
    return total;
}

void ScanResults::rememberScanned(const std::unordered_map<Path, FileStamp>& stamps)
{
    for (const auto& [path, stamp] : stamps)
        scannedStamps_.insert_or_assign(path, stamp);
}

void ScanResults::setScannedTrashEntries(std::optional<std::vector<FolderEntryStamp>> entries)
{
    scannedTrashEntries_ = std::move(entries);
}
