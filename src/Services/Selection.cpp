// Selection operations and the totals the window and the scan read.
#include "Services/MacStorageScanner.h"

namespace {
template <typename List, typename Fn> Int64 sumOver(const List& list, Fn bytesOf)
{
    Int64 sum = 0;
    for (const auto& element : list)
        sum += bytesOf(element);
    return sum;
}
} // namespace

Int64 MacStorageScanner::totalScannedSafeBytes() const
{
    return sumOver(ruleCards_, [](const SafeCacheRuleCard& c) { return c.totalScannedBytes(); });
}
Int64 MacStorageScanner::totalSelectedSafeBytes() const
{
    return sumOver(ruleCards_, [](const SafeCacheRuleCard& c) { return c.selectedBytes(); });
}
Int64 MacStorageScanner::totalScannedBloatBytes() const
{
    return sumOver(projectBloats_, [](const ProjectBloatItem& b) { return b.sizeBytes; });
}
Int64 MacStorageScanner::totalSelectedBloatBytes() const
{
    return sumOver(projectBloats_, [](const ProjectBloatItem& b) { return b.isSelected ? b.sizeBytes : 0; });
}
Int64 MacStorageScanner::totalScannedDuplicateBytes() const
{
    return sumOver(duplicateGroups_, [](const DuplicateFileGroup& g) { return g.totalDuplicateCopiesBytes(); });
}
Int64 MacStorageScanner::totalSelectedDuplicateBytes() const
{
    return sumOver(duplicateGroups_, [](const DuplicateFileGroup& g) { return g.reclaimableBytes(); });
}
Int64 MacStorageScanner::totalScannedLargeFileBytes() const
{
    return sumOver(largeFiles_, [](const LargeFileItem& f) { return f.sizeBytes; });
}
Int64 MacStorageScanner::totalSelectedLargeFileBytes() const
{
    return sumOver(largeFiles_, [](const LargeFileItem& f) { return f.isSelected ? f.sizeBytes : 0; });
}
Int64 MacStorageScanner::totalScannedAppOrphanBytes() const
{
    return sumOver(installedApps_, [](const InstalledAppItem& a) { return a.orphanSizeBytes; });
}
Int64 MacStorageScanner::totalSelectedAppOrphanBytes() const
{
    return sumOver(installedApps_, [](const InstalledAppItem& a) { return a.isSelected ? a.orphanSizeBytes : 0; });
}
Int64 MacStorageScanner::totalSelectedUninstallBytes() const
{
    return sumOver(installedApps_, [](const InstalledAppItem& a) { return a.isSelected ? a.totalSizeBytes() : 0; });
}
Int64 MacStorageScanner::totalMasterSmartCleanBytes() const
{
    return totalSelectedSafeBytes() + totalSelectedBloatBytes() + totalSelectedDuplicateBytes() +
           totalSelectedLargeFileBytes();
}
Int64 MacStorageScanner::grandTotalDiscoverableBytes() const
{
    return totalScannedSafeBytes() + totalScannedBloatBytes() + totalScannedDuplicateBytes() +
           totalScannedLargeFileBytes();
}
