#include "Services/DiskOverview.h"

#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/MountTable.h"
#include "Platform/Trash.h"
#include "Services/DirectorySize.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/statvfs.h>

namespace {

// The device that holds "/", from the kernel's mount table; "" when unknown.
std::string rootMountSource()
{
    std::ifstream mountinfo("/proc/self/mountinfo");
    std::string line, source;
    while (std::getline(mountinfo, line)) {
        std::istringstream fields(line);
        std::string id, parentId, majMin, root, mountPoint;
        fields >> id >> parentId >> majMin >> root >> mountPoint;
        if (mountPoint != "/")
            continue;
        const auto dash = line.find(" - ");
        if (dash == std::string::npos)
            continue;
        std::istringstream tail(line.substr(dash + 3));
        std::string fsType;
        tail >> fsType >> source; // the last "/" mount wins: it is the one in effect
    }
    return mounts::unescapeOctal(source);
}

// The label udev published for a block device, if any.
std::optional<std::string> labelOfDevice(const std::string& device)
{
    char resolvedDevice[PATH_MAX];
    if (!realpath(device.c_str(), resolvedDevice))
        return std::nullopt;
    const auto labels = DirectoryWalker::list("/dev/disk/by-label");
    if (!labels)
        return std::nullopt;
    for (const auto& label : *labels) {
        char target[PATH_MAX];
        const std::string linkPath = "/dev/disk/by-label/" + label.name;
        if (realpath(linkPath.c_str(), target) && std::string(target) == resolvedDevice) {
            // udev writes unsafe bytes as \xNN.
            std::string out;
            for (std::size_t i = 0; i < label.name.size(); ++i) {
                if (label.name.compare(i, 2, "\\x") == 0 && i + 3 < label.name.size()) {
                    out.push_back(char(std::stoi(label.name.substr(i + 2, 2), nullptr, 16)));
                    i += 3;
                } else {
                    out.push_back(label.name[i]);
                }
            }
            return out;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<VolumeInfo> queryRootVolume()
{
    struct statvfs vfs;
    if (statvfs("/", &vfs) != 0)
        return std::nullopt;
    VolumeInfo info;
    info.totalBytes = Int64(vfs.f_blocks) * Int64(vfs.f_frsize);
    info.availableBytes = Int64(vfs.f_bavail) * Int64(vfs.f_frsize);
    const std::string source = rootMountSource();
    if (!source.empty()) {
        if (auto label = labelOfDevice(source))
            info.name = *label;
        else
            info.name = paths::lastComponent(source);
    }
    return info;
}

// Measured entry by entry through the trash's opened folder. A trash reached through a
// link, or on another file system mounted in the home, would measure another disk.
Int64 homeTrashBytes(const Path& home)
{
    if (mounts::crossesMountBelow(home, Trash::homeFilesFolder(home)))
        return 0;
    const auto trash = Trash::openHome(home, false);
    const auto entries = trash ? trash->entries(2) : Result<std::vector<FolderEntryStamp>>(trash.status());
    Int64 bytes = 0;
    for (const auto& entry : entries ? *entries : std::vector<FolderEntryStamp>{})
        bytes += entry.bytes;
    return bytes;
}

DiskOverview queryDiskOverview(const Path& home) { return queryDiskOverview(home, &queryRootVolume); }

DiskOverview queryDiskOverview(const Path& home, const VolumeQuery& volumeQuery)
{
    return queryDiskOverview(homeTrashBytes(home), volumeQuery);
}

DiskOverview queryDiskOverview(Int64 trashBytes, const VolumeQuery& volumeQuery)
{
    constexpr Int64 kFallbackTotal = 228LL << 30;
    constexpr Int64 kFallbackAvailable = 65LL << 30;
    DiskOverview overview;
    overview.trashBytes = trashBytes;
    const auto volume = volumeQuery ? volumeQuery() : std::nullopt;
    overview.volumeName = volume && volume->name && !volume->name->empty() ? *volume->name : "Macintosh HD";
    overview.totalBytes = volume && volume->totalBytes ? *volume->totalBytes : kFallbackTotal;
    overview.availableBytes = volume && volume->availableBytes ? *volume->availableBytes : kFallbackAvailable;
    return overview;
}
