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
