#include "Models/StorageModels.h"
#include "Models/DiskFormat.h"
#include "support/TempHome.h" // withLocale

#include <gtest/gtest.h>

#include <limits>

TEST(InstalledAppItem, LeftoversThatGoTakeExactlyTheirOwnSizeWithThem)
{
    InstalledAppItem app;
    app.addOrphan("/h/.config/app", 1'000'003);
    app.addOrphan("/h/.cache/app", 2'000'000);
    app.addOrphan("/h/.local/share/app", 7);
    EXPECT_EQ(app.orphanSizeBytes, 3'000'010);

    app.dropOrphansWhere([](const Path& path) { return path == "/h/.cache/app"; });
    EXPECT_EQ(app.orphanPaths, (std::vector<Path>{"/h/.config/app", "/h/.local/share/app"}));
    EXPECT_EQ(app.orphanSizeBytes, 1'000'010); // not two thirds of the old total
    EXPECT_EQ(app.orphanSize(1), 7);

    // Listed by hand without sizes: the shares still add up to the total.
    InstalledAppItem listed;
    listed.orphanPaths = {"/a", "/b", "/c"};
    listed.orphanSizeBytes = 10;
    EXPECT_EQ(listed.orphanSize(0) + listed.orphanSize(1) + listed.orphanSize(2), 10);
    listed.dropOrphansWhere([](const Path&) { return false; });
    EXPECT_EQ(listed.orphanSizeBytes, 10);
}

TEST(DiskOverview, UsedRatioIsClampedAndSafeForEmptyVolumes)
{
    DiskOverview overview{"v", 0, 0, 0};
    EXPECT_EQ(overview.usedRatio(), 0);
    overview = {"v", 100, 250, 0};
    EXPECT_EQ(overview.usedBytes(), 0);
    EXPECT_EQ(overview.usedRatio(), 0);
    overview = {"v", 200, 50, 0};
    EXPECT_EQ(overview.usedBytes(), 150);
    EXPECT_DOUBLE_EQ(overview.usedRatio(), 0.75);
    // Available space below zero that would overflow the subtraction: nothing used, no trap.
    overview = {"v", std::numeric_limits<Int64>::max(), -2, 0};
    EXPECT_EQ(overview.usedBytes(), 0);
    EXPECT_EQ(overview.usedRatio(), 0);
}

TEST(LargeFileItem, PlayableMediaIgnoresCase)
{
    LargeFileItem item;
    for (const char* name : {"/m/a.MOV", "/m/b.Mp3", "/m/c.m4v"}) {
        item.url = name;
        EXPECT_TRUE(item.isPlayableMedia()) << name;
    }
    for (const char* name : {"/m/a.mkv", "/m/mp4", "/m/.mp4"}) {
        item.url = name;
        EXPECT_FALSE(item.isPlayableMedia()) << name;
    }
}

TEST(Enumerations, RawValuesRoundTripAndUnknownValuesGiveNothing)
{
    for (auto value : allCases<CleanCategoryFilter>())
        EXPECT_EQ(fromRaw<CleanCategoryFilter>(rawValue(value)), value);
    for (auto value : allCases<LargeFileCategory>())
        EXPECT_EQ(fromRaw<LargeFileCategory>(rawValue(value)), value);
    for (auto value : allCases<CleanTrustWorkspace>())
        EXPECT_EQ(fromRaw<CleanTrustWorkspace>(rawValue(value)), value);
    EXPECT_FALSE(fromRaw<CleanTrustWorkspace>("Safe"));
    EXPECT_FALSE(fromRaw<LargeFileCategory>(""));
}

TEST(DiskFormat, BytesAtEachUnitBoundary)
{
    EXPECT_EQ(DiskFormat::bytes(0), "0 KB");
    EXPECT_EQ(DiskFormat::bytes(1023), "0 KB");
    EXPECT_EQ(DiskFormat::bytes(-5), "0 KB");
    EXPECT_EQ(DiskFormat::bytes(1024), "1 KB");
    EXPECT_EQ(DiskFormat::bytes(1536), "2 KB"); // printf rounds half away from zero here
    EXPECT_EQ(DiskFormat::bytes(1048575), "1024 KB");
    EXPECT_EQ(DiskFormat::bytes(1048576), "1.0 MB");
    EXPECT_EQ(DiskFormat::bytes(1073741823), "1024.0 MB");
    EXPECT_EQ(DiskFormat::bytes(1073741824), "1.00 GB");
}

TEST(DiskFormat, ShortGBAtEachUnitBoundary)
{
    EXPECT_EQ(DiskFormat::shortGB(1048575), "0 MB");
    EXPECT_EQ(DiskFormat::shortGB(1048576), "1 MB");
    EXPECT_EQ(DiskFormat::shortGB(107374182), "102 MB");
    EXPECT_EQ(DiskFormat::shortGB(107374183), "0.1 GB");
    EXPECT_EQ(DiskFormat::shortGB(-1), "0 MB");
}

TEST(DiskFormat, DecimalSeparatorIsAFullStopInAnyLocale)
{
    bool ran = false;
    for (const char* locale : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
        ran |= withLocale(locale, [] {
            EXPECT_EQ(DiskFormat::bytes(1610612736), "1.50 GB");
            EXPECT_EQ(DiskFormat::bytes(1572864), "1.5 MB");
            EXPECT_EQ(DiskFormat::shortGB(1610612736), "1.5 GB");
        });
    }
    if (!ran)
        GTEST_SKIP() << "no comma-decimal locale installed";
}
