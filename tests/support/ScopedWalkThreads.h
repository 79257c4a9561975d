#pragma once
// Sets how many threads read folders for the walks, for one test, and puts the
// default back afterwards.

#include "Platform/WalkPool.h"

class ScopedWalkThreads {
  public:
    explicit ScopedWalkThreads(int count) { WalkPool::shared().setThreadCount(count); }
    ~ScopedWalkThreads() { WalkPool::shared().setThreadCount(WalkPool::defaultThreadCount()); }
    ScopedWalkThreads(const ScopedWalkThreads&) = delete;
    ScopedWalkThreads& operator=(const ScopedWalkThreads&) = delete;
};
