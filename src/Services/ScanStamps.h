#pragma once
// What a scan saw at every path it offers for cleaning, recorded as it publishes: the
// clean compares it with what stands there just before it acts. A path that cannot be
// reached from its root without meeting a link (a catalogue location under a linked
// ~/Library, say) is not offered at all.

#include "Models/FileStamp.h"
#include "Models/StorageModels.h"
#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <map>
#include <unordered_map>
#include <vector>

using ScannedStamps = std::unordered_map<URL, FileStamp>;

class ScanStamps {
  public:
    explicit ScanStamps(std::vector<URL> roots);

    // Records the path; false when it is gone or reached through a link.
    bool record(const URL& path);
    // Records every element's path and drops the elements that cannot be recorded.
    template <typename T, typename UrlOf> void keepRecorded(std::vector<T>& list, UrlOf urlOf)
    {
        std::erase_if(list, [&](const T& element) { return !record(urlOf(element)); });
    }
    // Files whose stamp shows another modification time than the scan's own sighting
    // changed while the scan ran: they are dropped as well.
    void keepUnchangedFiles(std::vector<LargeFileItem>& files);
    void keepUnchangedFiles(std::vector<DuplicateFileGroup>& groups);
    void keepRecordedLeftovers(std::vector<InstalledAppItem>& apps);

    const ScannedStamps& stamps() const { return stamps_; }

  private:
    bool sawUnchanged(const URL& path, Date modified);

    std::vector<URL> roots_;
    std::map<URL, Result<UniqueFd>> rootFolders_;
    ScannedStamps stamps_;
};
