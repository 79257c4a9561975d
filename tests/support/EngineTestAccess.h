#pragma once
// Test-side access to the engine: lists seeded the way a scan would publish them.

#include "Services/MacStorageScanner.h"

struct MacStorageScannerTestAccess {
    static void setRuleCards(MacStorageScanner& s, std::vector<SafeCacheRuleCard> v) { s.setRuleCards(std::move(v)); }
    static void setProjectBloats(MacStorageScanner& s, std::vector<ProjectBloatItem> v)
    {
        s.setProjectBloats(std::move(v));
    }
    static void setDuplicateGroups(MacStorageScanner& s, std::vector<DuplicateFileGroup> v)
    {
        s.setDuplicateGroups(std::move(v));
    }
    static void setLargeFiles(MacStorageScanner& s, std::vector<LargeFileItem> v) { s.setLargeFiles(std::move(v)); }
    static void setInstalledApps(MacStorageScanner& s, std::vector<InstalledAppItem> v)
    {
        s.setInstalledApps(std::move(v));
    }
};
using EngineAccess = MacStorageScannerTestAccess;
