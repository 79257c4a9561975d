#include "Services/DirectorySize.h"

#include "Platform/Beneath.h"
#include "Platform/DirectoryWalker.h"
#include "Platform/FileIdentity.h"
#include "Platform/FileOperations.h"

#include <unordered_set>

Int64 directorySize(const Path& url, int maxDepth, std::string_view within)
{
    const auto kind = kindAtPath(url, within);
    if (!kind || *kind == DirectoryWalker::Kind::symlink)
        return 0; // a link is measured as nothing, and never followed
    if (*kind != DirectoryWalker::Kind::directory) {
        const auto st = within.empty() ? fileops::statNoFollow(url) : beneath::statInside(std::string(within), url);
        return st ? allocatedBytes(*st) : 0;
    }

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
