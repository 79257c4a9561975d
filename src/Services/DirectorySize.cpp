#include "Services/DirectorySize.h"

#include "Platform/Beneath.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FileIdentity.h"
#include "Platform/FileOperations.h"

#include <unordered_set>

Int64 directorySize(const Path& url, int maxDepth, std::string_view within)
{
    // One look at the path tells both what it is and, for a file, what it occupies.
    const auto st = within.empty() ? fileops::statNoFollow(url) : beneath::statInside(std::string(within), url);
    if (!st || S_ISLNK(st->st_mode))
        return 0; // a link is measured as nothing, and never followed
    if (!S_ISDIR(st->st_mode))
        return allocatedBytes(*st);

    Int64 total = 0;
    // Files with several names count once per measured tree, as du counts them.
    std::unordered_set<FileIdentity, FileIdentityHash> multiplyLinked;
    DirectoryWalker::walkRegularFiles(url, {.within = within}, maxDepth,
                                      [&](const DirectoryWalker::Entry&, const struct stat& st) {
                                          if (st.st_nlink > 1 && !multiplyLinked.insert(FileIdentity::of(st)).second)
                                              return;
                                          total += allocatedBytes(st);
                                      });
    return total;
}
