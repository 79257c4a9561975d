// Merging duplicate copies in place on btrfs: both paths keep their bytes and metadata,
// the space is freed, and a copy that changed since the scan is left.
#include "Platform/SharedExtents.h"
#include "Services/CleanHistoryLog.h"
#include "Services/ReclaimableSize.h"
#include "support/EngineTestAccess.h"
#include "support/EngineWait.h"
#include "support/LoopVolume.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kCopyBytes = 20 << 20;

std::string randomBytes(std::int64_t size, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::string bytes(std::size_t(size), '\0');
    for (std::size_t i = 0; i + 8 <= bytes.size(); i += 8) {
        const std::uint64_t word = random();
        std::memcpy(bytes.data() + i, &word, 8);
    }
    return bytes;
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    fsync(fd);
    close(fd);
}

struct stat statOf(const std::string& path)
{
    struct stat st {};
    lstat(path.c_str(), &st);
    return st;
}

std::string attribute(const std::string& path, const char* name)
{
    char value[256];
    const ssize_t size = lgetxattr(path.c_str(), name, value, sizeof value);
    return size < 0 ? std::string() : std::string(value, std::size_t(size));
}

class MergeCopies : public ::testing::Test {
  protected:
    LoopVolume volume{LoopVolume::Kind::btrfs};
    std::string home, original, copy, content;

    void SetUp() override
    {
        if (!volume.mounted())
            GTEST_SKIP() << volume.skipReason();
        home = volume.path() + "/home";
        original = home + "/Downloads/a.bin";
        copy = home + "/Documents/archive/a.bin";
        content = randomBytes(kCopyBytes, 11);
        writeFile(original, content);
        writeFile(copy, content);
        // What a merge must not change: an odd mode, an old time, an attribute.
        ASSERT_EQ(chmod(copy.c_str(), 0640), 0);
        ASSERT_EQ(lsetxattr(copy.c_str(), "user.origin", "camera", 6, 0), 0);
        const timespec times[2] = {{1'600'000'000, 123}, {1'500'000'000, 456}};
        ASSERT_EQ(utimensat(AT_FDCWD, copy.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
        volume.settle();
    }

    // Scans, lets `between` act, then cleans the duplicates as the window's button does.
    const CleanItemReport& scanAndMerge(StorageEngine& engine, const std::function<void()>& between = {})
    {
        engine.startInstantScan();
        EXPECT_TRUE(waitForScan(engine));
        EXPECT_EQ(engine.results().duplicateGroups().size(), 1u);
        if (between)
            between();
        const auto items = engine.commands().items(CleanTarget::duplicates);
        EXPECT_EQ(items.size(), 1u);
        EXPECT_TRUE(!items.empty() && items.front().mergeIntoOriginal && items.front().url == copy);
        engine.commands().clean(CleanTarget::duplicates);
        EXPECT_TRUE(waitForClean(engine));
        static const CleanItemReport none;
        const auto& reports = engine.cleaner().lastCleanReport();
        return reports.size() == 1 ? reports.front() : none;
    }
};

} // namespace

TEST_F(MergeCopies, BothPathsKeepTheirBytesAndMetadataAndTheSpaceIsFreed)
{
    const struct stat before = statOf(copy);
    const std::int64_t availableBefore = volume.availableBytes();
    StorageEngine engine(testOptions(home));
    const CleanItemReport& report = scanAndMerge(engine);
    EXPECT_EQ(report.result, CleanItemResult::cleaned);
    EXPECT_TRUE(report.mergedInPlace);
    EXPECT_FALSE(report.trashedAt);

    EXPECT_EQ(readFileBytes(original), content);
    EXPECT_EQ(readFileBytes(copy), content);
    const struct stat after = statOf(copy);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(attribute(copy, "user.origin"), "camera");
    EXPECT_EQ(reclaimableSize(copy, 0), 0); // now it shares everything with the original

    volume.settle();
    const std::int64_t freed = volume.availableBytes() - availableBefore;
    EXPECT_NEAR(double(freed), double(kCopyBytes), double(2 * volume.blockSize()));
    ASSERT_TRUE(engine.cleaner().lastMeasuredFreedBytes());
    EXPECT_NEAR(double(*engine.cleaner().lastMeasuredFreedBytes()), double(kCopyBytes), double(2 * volume.blockSize()));
    // Nothing waits in the Trash, and the history still reads (and has nothing to restore).
    EXPECT_TRUE(engine.cleaner().recentCleanRecords().empty());
    const auto history = engine.cleaner().persistedCleanHistory();
    ASSERT_TRUE(history);
    EXPECT_TRUE(history->empty());
    EXPECT_NE(readFileBytes(engine.cleaner().cleanHistoryPath()).find("\"mergedInPlace\""), std::string::npos);

    // A second scan offers the merged copy as freeing nothing.
    engine.startInstantScan();
    ASSERT_TRUE(waitForScan(engine));
    for (const auto& group : engine.results().duplicateGroups())
        for (std::size_t i = 1; i < group.members.size(); ++i)
            EXPECT_EQ(group.members[i].mergeableBytes, 0) << group.members[i].url;
}

TEST_F(MergeCopies, ACopyChangedSinceTheScanIsLeft)
{
    StorageEngine engine(testOptions(home));
    std::string edited = content;
    edited[100] ^= 1;
    const CleanItemReport& report = scanAndMerge(engine, [&] { writeFile(copy, edited); });
    EXPECT_EQ(report.result, CleanItemResult::skipped);
    EXPECT_EQ(report.reason, CleanSkipReason::changedSinceScan);
    EXPECT_EQ(readFileBytes(copy), edited);
}

TEST_F(MergeCopies, BytesThatDifferBehindAnUnchangedStampAreFoundByTheKernel)
{
    StorageEngine engine(testOptions(home));
    const CleanItemReport& report = scanAndMerge(engine, [&] {
        // Same size and time as scanned; only the kernel's comparison can tell.
        const struct stat st = statOf(copy);
        std::string edited = content;
        edited[kCopyBytes - 5] ^= 1;
        writeFile(copy, edited);
        const timespec times[2] = {st.st_atim, st.st_mtim};
        utimensat(AT_FDCWD, copy.c_str(), times, AT_SYMLINK_NOFOLLOW);
        volume.settle();
    });
    EXPECT_EQ(report.result, CleanItemResult::skipped);
    EXPECT_EQ(report.reason, CleanSkipReason::copyDiffers);
    EXPECT_NE(readFileBytes(copy), content);
    EXPECT_EQ(readFileBytes(original), content);
}

TEST(MergeCopiesElsewhere, AFileSystemThatCannotMergeSaysSoAndLeavesBothCopies)
{
    TempHome home;
    if (extents::mayShareAt(home.path()))
        GTEST_SKIP() << "/var/tmp lies on a file system that shares extents";
    const std::string content = randomBytes(4 << 20, 12);
    writeFile(home.at("Downloads/b.bin"), content);
    writeFile(home.at("Documents/b.bin"), content);
    const auto run =
        runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "duplicates", "--merge", "--yes", "--home", home.path()});
    EXPECT_EQ(run.exitStatus, 1) << run.out << run.err;
    EXPECT_NE(run.out.find("cannot merge copies in place"), std::string::npos) << run.out;
    EXPECT_EQ(readFileBytes(home.at("Downloads/b.bin")), content);
    EXPECT_EQ(readFileBytes(home.at("Documents/b.bin")), content);
}
