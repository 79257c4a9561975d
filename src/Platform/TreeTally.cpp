#include "Platform/TreeTally.h"

#include "Platform/DirectoryWalker.h"
#include "Platform/FileIdentity.h"

#include <unordered_set>

TreeTally tallyTree(const fileops::Place& place, int maxLevel)
{
    const auto st = fileops::stat(place);
    return st ? tallyTree(place, *st, maxLevel) : TreeTally{};
}

TreeTally tallyTree(const fileops::Place& place, const struct stat& itself, int maxLevel)
{
    TreeTally tally;
    const struct stat* st = &itself;
    tally.entries = 1;
    std::unordered_set<FileIdentity, FileIdentityHash> multiplyLinked;
    auto countFile = [&](const struct stat& file) {
        if (file.st_nlink <= 1 || multiplyLinked.insert(FileIdentity::of(file)).second)
            tally.bytes += allocatedBytes(file);
    };
    if (S_ISREG(st->st_mode))
        countFile(*st);
    if (!S_ISDIR(st->st_mode))
        return tally;
    const auto folder = fileops::openFolder(place);
    if (!folder)
        return tally;
    DirectoryWalker::walkOpened(folder->get(), place.path, {}, [&](const DirectoryWalker::Entry& entry) {
        ++tally.entries;
        if (entry.isRegularFile())
            if (const struct stat* file = entry.stat(); file && S_ISREG(file->st_mode))
                countFile(*file);
        return entry.level() >= maxLevel ? DirectoryWalker::Visit::skipDescendants : DirectoryWalker::Visit::proceed;
    });
    return tally;
}
