// Clone-aware figures on real file systems: reflinked copies and snapshot files free
// nothing alone, a clean frees what the figures said, and volumes that cannot share
// extents are not asked at all.
#include "Platform/SharedExtents.h"
#include "Services/DirectorySize.h"
#include "Services/ReclaimableSize.h"
#include "support/EngineTestAccess.h"
#include "support/EngineWait.h"
#include "support/LoopVolume.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <unistd.h>

namespace {

constexpr std::int64_t kMiB = 1 << 20;

class BtrfsVolume : public ::testing::Test {
  protected:
    LoopVolume volume{LoopVolume::Kind::btrfs};
    std::string home;

    void SetUp() override
    {
        if (!volume.mounted())
            GTEST_SKIP() << volume.skipReason();
        // The home is a subvolume of its own, so it can be snapshotted.
        home = volume.path() + "/home";
        ASSERT_EQ(LoopVolume::run({LoopVolume::tool("btrfs"), "-q", "subvolume", "create", home}), 0);
    }
    void snapshotHome() const
    {
        ASSERT_EQ(LoopVolume::run({LoopVolume::tool("btrfs"), "-q", "subvolume", "snapshot", "-r", home,
                                   volume.path() + "/snapshot"}),
                  0);
    }
};

} // namespace

TEST_F(BtrfsVolume, ReflinkedCopiesShareOnePlaceAndFreeNothingAlone)
{
    const std::string original = home + "/Documents/original.bin";
    const std::string copy = home + "/Documents/copy.bin";
    const std::string own = home + "/Documents/own.bin";
    writeRandomFile(original, 8 * kMiB, 1);
    reflinkFile(original, copy);
    writeRandomFile(own, 4 * kMiB, 2);
    volume.settle();

    const auto first = fileExtents(original);
    const auto second = fileExtents(copy);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->extents.sharedBytes, 8 * kMiB);
    // Both name the same physical extents: together they hold one copy's bytes.
    EXPECT_EQ(extents::overlapBytes(first->extents.shared, second->extents.shared), 8 * kMiB);
    EXPECT_EQ(reclaimableSize(copy, 0), 0);
    EXPECT_EQ(reclaimableSize(own, 0), allocatedBytes(own));
    // The folder's full size still counts every file; what removing it frees cannot be
    // proven for the shared pair without privileges, so only the file of its own counts.
    EXPECT_EQ(directorySize(home + "/Documents", 4),
              allocatedBytes(original) + allocatedBytes(copy) + allocatedBytes(own));
    EXPECT_EQ(reclaimableSize(home + "/Documents", 4, home), allocatedBytes(own));
}

TEST_F(BtrfsVolume, AFileInASnapshotFreesNothingAndOneWrittenAfterFreesAll)
{
    writeRandomFile(home + "/Videos/kept.mov", 6 * kMiB, 3);
    volume.settle();
    snapshotHome();
    writeRandomFile(home + "/Videos/new.mov", 6 * kMiB, 4);
    volume.settle();

    EXPECT_EQ(reclaimableSize(home + "/Videos/kept.mov", 0), 0);
    EXPECT_EQ(reclaimableSize(home + "/Videos/new.mov", 0), allocatedBytes(home + "/Videos/new.mov"));
}

TEST_F(BtrfsVolume, ACleanFreesWhatTheFiguresSaid)
{
    // 30 MiB each: large files. One the snapshot holds, one reflinked pair, one of its own.
    writeRandomFile(home + "/Videos/snapshotted.mov", 30 * kMiB, 5);
    volume.settle();
    snapshotHome();
    writeRandomFile(home + "/Videos/own.mov", 30 * kMiB, 6);
    writeRandomFile(home + "/Videos/pair-a.mov", 30 * kMiB, 7);
    reflinkFile(home + "/Videos/pair-a.mov", home + "/Movies/pair-b.mov");
    volume.settle();

    StorageEngine engine(testOptions(home));
    engine.startInstantScan();
    ASSERT_TRUE(waitForScan(engine));
    std::vector<CleanItem> items;
    Int64 figures = 0;
    int sharedShown = 0;
    for (const auto& file : engine.results().largeFiles()) {
        if (file.url == home + "/Movies/pair-b.mov")
            continue; // its twin goes; it stays
        EXPECT_EQ(file.sizeBytes, allocatedBytes(file.url)) << file.url;
        sharedShown += file.reclaimableBytes.has_value();
        figures += file.reclaimable();
        items.push_back(CleanItem{file.url, file.reclaimable(), file.name});
    }
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(sharedShown, 2); // the snapshot's file and the pair's member
    EXPECT_EQ(figures, allocatedBytes(home + "/Videos/own.mov"));
    EXPECT_EQ(engine.selection().totalSelectedLargeFileBytes(), 0); // nothing preselected

    engine.cleaner().setMoveToTrashByDefault(false);
    const std::int64_t before = volume.availableBytes();
    engine.cleaner().startClean(items, "大体积文件", nullptr);
    ASSERT_TRUE(waitForClean(engine));
    volume.settle();
    const std::int64_t freed = volume.availableBytes() - before;
    EXPECT_NEAR(double(freed), double(figures), double(items.size() * volume.blockSize()));
    ASSERT_TRUE(engine.cleaner().lastMeasuredFreedBytes());
    EXPECT_NEAR(double(*engine.cleaner().lastMeasuredFreedBytes()), double(figures),
                double(items.size() * volume.blockSize()));
}

TEST(ExtentFigures, VolumesThatCannotShareAreNotAskedAndScanOutputStaysTheSame)
{
    LoopVolume volume(LoopVolume::Kind::ext4, 64 << 20);
    if (!volume.mounted())
        GTEST_SKIP() << volume.skipReason();
    const std::string home = volume.path() + "/home";
    writeRandomFile(home + "/Downloads/a.bin", 4 * kMiB, 8);
    writeRandomFile(home + "/Documents/a.bin", 4 * kMiB, 8); // a duplicate group
    EXPECT_EQ(reclaimableSize(home + "/Downloads/a.bin", 0), std::nullopt);
    EXPECT_EQ(reclaimableSize(home, 8), std::nullopt);

    const auto asked = runProgram({QUILLMERE_CLI_PATH, "scan", "--json", "--home", home});
    const auto notAsked =
        runProgram({QUILLMERE_CLI_PATH, "scan", "--json", "--home", home}, {"QUILLMERE_NO_EXTENTS=1"});
    ASSERT_EQ(asked.exitStatus, 0) << asked.err;
    // The volume's free space may move between the runs; everything else must not.
    auto withoutOverview = [](const std::string& out) {
        auto json = nlohmann::ordered_json::parse(out);
        json.erase("overview");
        return json.dump(2);
    };
    EXPECT_EQ(withoutOverview(asked.out), withoutOverview(notAsked.out));
    EXPECT_EQ(asked.out.find("mergeableBytes"), std::string::npos);
    EXPECT_NE(asked.out.find("a.bin"), std::string::npos); // the copies were found at all
}
