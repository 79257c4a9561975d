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

#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kMiB = 1 << 20;

// A file of incompressible bytes (btrfs may compress), written out.
void writeRandom(const std::string& path, std::int64_t bytes, unsigned seed)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::mt19937_64 random(seed);
    std::string block(kMiB, '\0');
    const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path;
    for (std::int64_t done = 0; done < bytes; done += kMiB) {
        for (std::size_t i = 0; i + 8 <= block.size(); i += 8) {
            const std::uint64_t word = random();
            std::memcpy(block.data() + i, &word, 8);
        }
        ASSERT_EQ(write(fd, block.data(), block.size()), ssize_t(block.size()));
    }
    fsync(fd);
    close(fd);
}

// `to` becomes a reflinked copy of `from` (what cp --reflink=always does).
void reflink(const std::string& from, const std::string& to)
{
    std::filesystem::create_directories(std::filesystem::path(to).parent_path());
    const int source = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    const int target = open(to.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_EQ(ioctl(target, FICLONE, source), 0) << std::strerror(errno);
    fsync(target);
    close(source);
    close(target);
}

std::int64_t allocated(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? std::int64_t(st.st_blocks) * 512 : -1;
}

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
    writeRandom(original, 8 * kMiB, 1);
    reflink(original, copy);
    writeRandom(own, 4 * kMiB, 2);
    volume.settle();

    const auto first = fileExtents(original);
    const auto second = fileExtents(copy);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->extents.sharedBytes, 8 * kMiB);
    // Both name the same physical extents: together they hold one copy's bytes.
    EXPECT_EQ(extents::overlapBytes(first->extents.shared, second->extents.shared), 8 * kMiB);
    EXPECT_EQ(reclaimableSize(copy, 0), 0);
    EXPECT_EQ(reclaimableSize(own, 0), allocated(own));
    // The folder's full size still counts every file; what removing it frees cannot be
    // proven for the shared pair without privileges, so only the file of its own counts.
    EXPECT_EQ(directorySize(home + "/Documents", 4), allocated(original) + allocated(copy) + allocated(own));
    EXPECT_EQ(reclaimableSize(home + "/Documents", 4, home), allocated(own));
}

TEST_F(BtrfsVolume, AFileInASnapshotFreesNothingAndOneWrittenAfterFreesAll)
{
    writeRandom(home + "/Videos/kept.mov", 6 * kMiB, 3);
    volume.settle();
    snapshotHome();
    writeRandom(home + "/Videos/new.mov", 6 * kMiB, 4);
    volume.settle();

    EXPECT_EQ(reclaimableSize(home + "/Videos/kept.mov", 0), 0);
    EXPECT_EQ(reclaimableSize(home + "/Videos/new.mov", 0), allocated(home + "/Videos/new.mov"));
}

TEST_F(BtrfsVolume, ACleanFreesWhatTheFiguresSaid)
{
    // 30 MiB each: large files. One the snapshot holds, one reflinked pair, one of its own.
    writeRandom(home + "/Videos/snapshotted.mov", 30 * kMiB, 5);
    volume.settle();
    snapshotHome();
    writeRandom(home + "/Videos/own.mov", 30 * kMiB, 6);
    writeRandom(home + "/Videos/pair-a.mov", 30 * kMiB, 7);
    reflink(home + "/Videos/pair-a.mov", home + "/Movies/pair-b.mov");
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
        EXPECT_EQ(file.sizeBytes, allocated(file.url)) << file.url;
        sharedShown += file.reclaimableBytes.has_value();
        figures += file.reclaimable();
        items.push_back(CleanItem{file.url, file.reclaimable(), file.name});
    }
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(sharedShown, 2); // the snapshot's file and the pair's member
    EXPECT_EQ(figures, allocated(home + "/Videos/own.mov"));
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
    writeRandom(home + "/Downloads/a.bin", 4 * kMiB, 8);
    writeRandom(home + "/Documents/a.bin", 4 * kMiB, 8); // a duplicate group
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
