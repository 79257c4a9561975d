#pragma once
// While the personal folders are walked, starts the reads the duplicate pipeline will
// make after the walk: the fingerprints of files that share their size and, where those
// agree, the whole files. The pipeline then finds its data in memory instead of waiting
// for the disk once the walk is over. Only the page cache is touched: what the pipeline
// decides does not depend on any of this.

#include "Models/Basics.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class DuplicateWarmup {
  public:
    // Starts its thread only when the walk pool has threads to spare.
    DuplicateWarmup();
    ~DuplicateWarmup();
    DuplicateWarmup(const DuplicateWarmup&) = delete;
    DuplicateWarmup& operator=(const DuplicateWarmup&) = delete;

    // A file that shares its logical size with another candidate.
    void sameSize(const Path& url, Int64 size);

  private:
    void run();
    void warm(const Path& url, Int64 size);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::pair<Path, Int64>> pending_;
    bool stopping_ = false;
    // Per size, the files met per fingerprint (the thread's own).
    std::map<Int64, std::map<std::string, std::vector<Path>>> fingerprints_;
    Int64 wholeBytesAsked_ = 0;
    std::thread thread_;
};
