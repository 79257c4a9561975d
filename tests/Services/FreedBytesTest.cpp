// What a clean says it freed is what the disk got back: measured on a tmpfs of the test's
// own, mounted over its home, where statvfs sees nothing but this clean. Deleted items
// free the blocks of their files whose last name went; an item moved to the Trash frees
// that much once the Trash is emptied, and emptying it is counted by the same rule.
#include "support/CleanFixture.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

class FreedBytes : public CleanFixture {
  protected:
    bool mounted = false;

    void SetUp() override
    {
        CleanFixture::SetUp();
        if (::mount("quillmere-test", home.path().c_str(), "tmpfs", 0, "size=64m,mode=0700") != 0)
            GTEST_SKIP() << "no private tmpfs here: " << std::strerror(errno);
        mounted = true;
    }
    void TearDown() override
    {
        CleanFixture::TearDown();
        if (mounted)
            ::umount2(home.path().c_str(), MNT_DETACH);
    }

    std::int64_t usedBytes() const
    {
        struct statvfs vfs;
        EXPECT_EQ(::statvfs(home.path().c_str(), &vfs), 0);
        return std::int64_t(vfs.f_blocks - vfs.f_bfree) * std::int64_t(vfs.f_frsize);
    }

    void writeAt(const std::string& relative, const std::string& data, off_t offset) const
    {
        const int fd = ::open(home.at(relative).c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, data.data(), data.size(), offset), ssize_t(data.size()));
        ::close(fd);
    }

    // A cache folder of small and odd-sized files, a file with two names inside it, a file
    // whose other name is a document outside it, and two sparse 2 GB twins.
    void buildCache(const std::string& cache)
    {
        home.file(cache + "/one-byte", 1);
        home.file(cache + "/odd", 10'001);
        home.file(cache + "/blob", 3 * MiB + 5);
        home.hardlink(cache + "/blob-again", cache + "/blob");
        home.file("Documents/report.pdf", 4 * MiB);
        home.hardlink(cache + "/report-link", "Documents/report.pdf");
        for (const char* twin : {"/disk-a.img", "/disk-b.img"}) {
            home.sparseFile(cache + twin, 2'000'000'000);
            writeAt(cache + twin, std::string(70'000, 'd'), 1'000'000'000);
        }
    }
};

// The hard-linked document, the file with two names and the twins are what a claimed
// figure gets wrong: 4 MiB, 3 MiB and 4 GB too much.
TEST_F(FreedBytes, ADeletionReportsWhatStatvfsShowsFreed)
{
    buildCache(".cache/app");
    const std::int64_t before = usedBytes();
    engine->cleaner().setMoveToTrashByDefault(false);
    clean({{home.at(".cache/app"), 8'000'000'000, "app cache"}});

    const std::int64_t freedOnDisk = before - usedBytes();
    ASSERT_EQ(engine->cleaner().lastCleanReport().size(), 1u);
    EXPECT_EQ(engine->cleaner().lastCleanReport()[0].result, CleanItemResult::cleaned);
    EXPECT_NEAR(double(engine->cleaner().lastFreedBytes()), double(freedOnDisk), 7 * 4096.0); // one block per entry
    EXPECT_LT(engine->cleaner().lastFreedBytes(), 4 * MiB);
    EXPECT_GT(engine->cleaner().lastFreedBytes(), 3 * MiB);
    EXPECT_EQ(home.allocated("Documents/report.pdf"), 4 * MiB);
}

TEST_F(FreedBytes, AFileWhoseOtherNameRemainsFreesNothingInEitherMode)
{
    home.file("Documents/thesis.pdf", 4 * MiB);
    for (const bool toTrash : {true, false}) {
        SCOPED_TRACE(toTrash ? "to the Trash" : "deleting");
        const std::string cached = toTrash ? ".cache/thumb-t" : ".cache/thumb-d";
        home.hardlink(cached, "Documents/thesis.pdf");
        const std::int64_t before = usedBytes();
        engine->cleaner().setMoveToTrashByDefault(toTrash);
        clean({{home.at(cached), 4 * MiB, "thumbnail"}});
        EXPECT_EQ(engine->cleaner().lastFreedBytes(), 0);
        EXPECT_NEAR(double(usedBytes()), double(before), 2 * 4096.0); // the Trash's own bookkeeping
        if (toTrash) {
            ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
            EXPECT_EQ(engine->cleaner().recentCleanRecords()[0].sizeBytes, 0);
        }
    }
}

// What a move to the Trash reports is what removing the entry later gives back.
TEST_F(FreedBytes, AMoveToTheTrashReportsWhatEmptyingItWillFree)
{
    buildCache(".cache/app");
    engine->cleaner().setMoveToTrashByDefault(true);
    clean({{home.at(".cache/app"), 8'000'000'000, "app cache"}});
    const std::int64_t promised = engine->cleaner().lastFreedBytes();
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    EXPECT_EQ(engine->cleaner().recentCleanRecords()[0].sizeBytes, promised);

    const std::int64_t before = usedBytes();
    std::filesystem::remove_all(engine->cleaner().recentCleanRecords()[0].trashedPath);
    EXPECT_NEAR(double(promised), double(before - usedBytes()), 7 * 4096.0);
}

// Emptying reports what went, not what the scan measured.
TEST_F(FreedBytes, EmptyingTheTrashReportsWhatStatvfsShowsFreed)
{
    buildCache(".local/share/Trash/files/app");
    CleanItem trash = trashAsScanned();
    ASSERT_TRUE(trash.trashEntries && trash.trashEntries->size() == 1u);
    trash.sizeBytes = 8'000'000'000;
    (*trash.trashEntries)[0].bytes = 8'000'000'000; // what a scan might have claimed
    const std::int64_t before = usedBytes();
    clean({trash});
    EXPECT_NEAR(double(engine->cleaner().lastFreedBytes()), double(before - usedBytes()), 7 * 4096.0);
    EXPECT_GT(engine->cleaner().lastFreedBytes(), 3 * MiB);
    EXPECT_LT(engine->cleaner().lastFreedBytes(), 4 * MiB);
}

} // namespace
