#include "Platform/TreeTally.h"

#include "Platform/DirectoryWalker.h"
#include "Platform/FileIdentity.h"

#include <unordered_map>
#include <unordered_set>

TreeTally tallyTree(const fileops::Place& place, int maxLevel)
{
    const auto st = fileops::stat(place);
    return st ? tallyTree(place, *st, maxLevel) : TreeTally{};
}

TreeTally tallyTree(const fileops::Place& place, const struct stat& itself, int maxLevel)
{
    return tallyTree(place, itself, -1, maxLevel);
}

TreeTally tallyTree(const fileops::Place& place, const struct stat& itself, int nearLevel, int maxLevel)
{
    TreeTally tally;
    tally.entries = 1;
    struct Names {
        nlink_t seen = 0;
        nlink_t all = 0;
        std::int64_t bytes = 0;
    };
    std::unordered_map<FileIdentity, Names, FileIdentityHash> multiplyLinked;
    std::unordered_set<FileIdentity, FileIdentityHash> multiplyLinkedNear;
    auto countFile = [&](const struct stat& file, int level) {
        if (level <= nearLevel && (file.st_nlink <= 1 || multiplyLinkedNear.insert(FileIdentity::of(file)).second))
            tally.nearBytes += allocatedBytes(file);
        if (file.st_nlink <= 1) {
            tally.bytes += allocatedBytes(file);
            tally.ownBytes += allocatedBytes(file);
            return;
        }
        auto [names, first] = multiplyLinked.try_emplace(FileIdentity::of(file), Names{0, file.st_nlink, 0});
        ++names->second.seen;
        if (first) {
            names->second.bytes = allocatedBytes(file);
            tally.bytes += allocatedBytes(file);
        }
    };
    if (S_ISREG(itself.st_mode))
        countFile(itself, 0);
    if (S_ISDIR(itself.st_mode)) {
        if (const auto folder = fileops::openFolder(place))
            DirectoryWalker::walkOpened(folder->get(), place.path, {}, [&](const DirectoryWalker::Entry& entry) {
                ++tally.entries;
                if (entry.isRegularFile())
                    if (const struct stat* file = entry.stat(); file && S_ISREG(file->st_mode))
                        countFile(*file, entry.level());
                return entry.level() >= maxLevel ? DirectoryWalker::Visit::skipDescendants
                                                 : DirectoryWalker::Visit::proceed;
            });
    }
    for (const auto& [identity, names] : multiplyLinked)
        if (names.seen >= names.all)
            tally.ownBytes += names.bytes;
    return tally;
}
