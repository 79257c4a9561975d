#pragma once
// The overview of the volume that holds the home folder: its name and capacities, and
// what the home trash holds.

#include "Models/StorageModels.h"

#include <functional>
#include <optional>
#include <string>

struct VolumeInfo {
    std::optional<std::string> name;
    std::optional<Int64> totalBytes;
    std::optional<Int64> availableBytes;
};
// The volume query behind the overview; replaceable so the fallback can be tested.
using VolumeQuery = std::function<std::optional<VolumeInfo>()>;

// The root file system: statvfs("/") and its device's label (else the device's name).
std::optional<VolumeInfo> queryRootVolume();

DiskOverview queryDiskOverview(const Path& home);
// What the volume query leaves unknown takes the fixed fallbacks.
DiskOverview queryDiskOverview(const Path& home, const VolumeQuery& volumeQuery);
// The same with the home trash's bytes already measured (a scan measures them once).
DiskOverview queryDiskOverview(Int64 trashBytes, const VolumeQuery& volumeQuery = &queryRootVolume);

// What the home trash holds, two levels deep into each entry, as the overview shows it;
// nothing when the trash is reached through a link or lies on another file system.
Int64 homeTrashBytes(const Path& home);
