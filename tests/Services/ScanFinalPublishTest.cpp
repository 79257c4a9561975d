#include "Models/DiskFormat.h"
#include "Services/StorageEngine.h"
#include "support/EngineWait.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

// The last phase publishes applications, chart, large files and groups in that order,
// and the closing total counts duplicates and large files but not leftovers.
TEST(ScanFinalPublish, PublishesApplicationsMediaAndGroupsInOrderWithTheirTotal)
{
    TempHome home;
    home.allocatedFile("Apps/Viewer.app/Contents/Executables/viewer", 6 * MiB);
    home.allocatedFile("Library/Caches/Viewer/blob", 1 * MiB);
    home.allocatedFile("Downloads/viewer-setup.zip", 30 * MiB);
    const std::string content(4 * MiB, 'v');
    home.fileWithContent("Desktop/photo.raw", content);
    home.fileWithContent("Documents/backup/photo.raw", content);

    StorageEngine scanner({.home = home.path(), .applications = home.at("Apps")});
    std::vector<std::string> published;
    auto record = [&](const char* name) { return [&published, name] { published.push_back(name); }; };
    QObject::connect(&scanner.results(), &ScanResults::installedAppsChanged, &scanner, record("apps"));
    QObject::connect(&scanner.results(), &ScanResults::sunburstSlicesChanged, &scanner, record("slices"));
    QObject::connect(&scanner.results(), &ScanResults::largeFilesChanged, &scanner, record("large"));
    QObject::connect(&scanner.results(), &ScanResults::duplicateGroupsChanged, &scanner, record("groups"));
    scanner.startInstantScan();
    ASSERT_TRUE(waitForScan(scanner));

    EXPECT_EQ(published, (std::vector<std::string>{"apps", "slices", "large", "groups"}));
    ASSERT_EQ(scanner.results().installedApps().size(), 1u);
    ASSERT_EQ(scanner.results().largeFiles().size(), 1u);
    ASSERT_EQ(scanner.results().duplicateGroups().size(), 1u);
    const std::int64_t total = scanner.results().totalScannedSafeBytes() + scanner.results().totalScannedBloatBytes() +
                               4 * MiB + scanner.results().largeFiles()[0].sizeBytes;
    EXPECT_EQ(scanner.currentScanningPath(), "已完成全自动核验 · 共发现 " + DiskFormat::bytes(total) + " 可整理空间");
}

} // namespace
