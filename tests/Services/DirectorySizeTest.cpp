#include "Services/DirectorySize.h"
#include "Platform/FaultInjection.h"
#include "Services/DiskOverview.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(DirectorySize, CountsAllocatedBytesOfRegularFilesDownToTheDepthLimit)
{
    TempHome home;
    home.allocatedFile("d/level1", 4096);
    home.allocatedFile("d/x/level2", 8192);
    home.allocatedFile("d/x/y/level3", 16384);
    home.mkdir("d/empty");
    EXPECT_EQ(directorySize(home.at("d/empty"), 10), 0);
    EXPECT_EQ(directorySize(home.at("d/level1"), 0), home.allocated("d/level1"));
    EXPECT_EQ(directorySize(home.at("d"), 1), home.allocated("d/level1"));
    EXPECT_EQ(directorySize(home.at("d"), 2), home.allocated("d/level1") + home.allocated("d/x/level2"));
    EXPECT_EQ(directorySize(home.at("d"), 3),
              home.allocated("d/level1") + home.allocated("d/x/level2") + home.allocated("d/x/y/level3"));
}

TEST(DirectorySize, LinksAreNeitherCountedNorFollowed)
{
    TempHome home;
    home.allocatedFile("big", 1 << 20);
    home.symlink("d/to-big", home.at("big"));
    home.symlink("d/to-folder", home.path());
    home.symlink("link-itself", home.at("big"));
    EXPECT_EQ(directorySize(home.at("d"), 10), 0);
    EXPECT_EQ(directorySize(home.at("link-itself"), 10), 0);
}

TEST(DirectorySize, HardLinkedFileCountsOnceSparseFileCountsWhatItOccupies)
{
    TempHome home;
    home.allocatedFile("d/original", 1 << 20);
    home.hardlink("d/again", "d/original");
    home.hardlink("d/sub/third", "d/original");
    home.sparseFile("d/sparse", 1LL << 30);
    const auto size = directorySize(home.at("d"), 10);
    EXPECT_EQ(size, home.allocated("d/original") + home.allocated("d/sparse"));
    EXPECT_LT(size, 1LL << 30);
}

TEST(DirectorySize, MissingAndUnreadableThingsMeasureZero)
{
    TempHome home;
    home.allocatedFile("d/ok", 4096);
    home.allocatedFile("d/locked/hidden", 1 << 20);
    EXPECT_EQ(directorySize(home.at("nothing-here"), 10), 0);
    fault::ScopedHook hook([&](fault::Op op, std::string_view path) {
        return op == fault::Op::openDirectory && path == home.at("d/locked") ? EACCES : 0;
    });
    EXPECT_EQ(directorySize(home.at("d"), 10), home.allocated("d/ok"));
}

TEST(DiskOverview, MeasuresTheHomeTrashTwoLevelsDeep)
{
    TempHome home;
    const std::string trash = ".local/share/Trash/files/";
    home.allocatedFile(trash + "Old/photo.jpg", 8192);
    home.allocatedFile(trash + "Old/Album/photo.jpg", 1 << 20);
    const DiskOverview overview = queryDiskOverview(home.path());
    EXPECT_EQ(overview.trashBytes, home.allocated(trash + "Old/photo.jpg"));
    EXPECT_GT(overview.totalBytes, 0);
    EXPECT_FALSE(overview.volumeName.empty());
}

TEST(DiskOverview, FallsBackToFixedValuesOnlyWhenTheVolumeQueryFails)
{
    TempHome home;
    const auto failed = queryDiskOverview(home.path(), [] { return std::nullopt; });
    EXPECT_EQ(failed.volumeName, "Macintosh HD");
    EXPECT_EQ(failed.totalBytes, 228LL << 30);
    EXPECT_EQ(failed.availableBytes, 65LL << 30);

    const auto partial = queryDiskOverview(home.path(), [] {
        return VolumeInfo{std::string("data"), std::nullopt, Int64(5)};
    });
    EXPECT_EQ(partial.volumeName, "data");
    EXPECT_EQ(partial.totalBytes, 228LL << 30);
    EXPECT_EQ(partial.availableBytes, 5);
}
