#include "Services/ScanStamps.h"

#include "Models/Paths.h"
#include "Platform/Beneath.h"
#include "Platform/FileIdentity.h"
#include "Platform/FileOperations.h"

#include <algorithm>

ScanStamps::ScanStamps(std::vector<URL> roots) : roots_(std::move(roots)) {}

bool ScanStamps::record(const URL& path)
{
    if (stamps_.count(path))
        return true;
    const URL* root = nullptr;
    for (const URL& candidate : roots_)
        if (paths::isSameOrInside(path, candidate) && path != candidate && (!root || candidate.size() > root->size()))
            root = &candidate;
    if (!root)
        return false;
    auto opened = rootFolders_.find(*root);
    if (opened == rootFolders_.end())
        opened = rootFolders_.emplace(*root, beneath::openRoot(*root)).first;
    if (!opened->second)
        return false;
    const auto location = beneath::locate(opened->second->get(), *root, path);
    if (!location)
        return false;
    const auto st = fileops::stat(fileops::placeOf(*location));
    if (!st)
        return false;
    stamps_.emplace(path, stampOf(*st));
    return true;
}

bool ScanStamps::sawUnchanged(const URL& path, Date modified)
{
    if (!record(path))
        return false;
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
    return stamps_.at(path).modifiedNanoseconds == nanoseconds;
}

void ScanStamps::keepUnchangedFiles(std::vector<LargeFileItem>& files)
{
    std::erase_if(files, [&](const LargeFileItem& file) { return !sawUnchanged(file.url, file.modifiedDate); });
}

void ScanStamps::keepUnchangedFiles(std::vector<DuplicateFileGroup>& groups)
{
    for (auto& group : groups)
        std::erase_if(group.members, [&](const DuplicateFileMember& member) {
            return !sawUnchanged(member.url, member.modifiedDate);
        });
}

void ScanStamps::keepRecordedLeftovers(std::vector<InstalledAppItem>& apps)
{
    for (auto& app : apps) {
        const Int64 share = app.orphanSizeBytes / std::max<Int64>(Int64(app.orphanURLs.size()), 1);
        std::erase_if(app.orphanURLs, [&](const URL& url) { return !record(url); });
        app.orphanSizeBytes = share * Int64(app.orphanURLs.size());
    }
}
