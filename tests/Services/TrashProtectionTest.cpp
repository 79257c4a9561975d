// Emptying the Trash never takes what a restore could still bring back, whatever the
// history says or wherever it is kept, and never an entry that is not the one the scan
// measured. The program's own state is never offered, and nothing goes to a trash
// outside the home.
#include "Services/TrashProtection.h"
#include "Platform/FaultInjection.h"
#include "Services/CleanHistoryLog.h"
#include "support/CleanFixture.h"
#include "support/HomeFixtures.h"
#include "support/ScopedEnvironment.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>

namespace {

class TrashProtection : public CleanFixture {
  protected:
    std::vector<std::string> mounts;

    void TearDown() override
    {
        CleanFixture::TearDown();
        for (auto it = mounts.rbegin(); it != mounts.rend(); ++it)
            ::umount2(it->c_str(), MNT_DETACH);
    }

    bool offersTheTrash() const
    {
        for (const auto& card : engine->results().ruleCards())
            for (const auto& item : card.subItems)
                if (item.url == trashFiles())
                    return true;
        return false;
    }
};

} // namespace

TEST_F(TrashProtection, WhatACleanPutThereSurvivesAHistoryKeptElsewhereOrUnreadable)
{
    const std::string installer = home.fileWithContent("Downloads/setup.bin", "installer");
    const std::string notes = home.fileWithContent("Documents/notes.txt", "notes");
    clean({{installer, 9, "setup.bin"}, {notes, 5, "notes.txt"}});
    const Path trashed = engine->cleaner().recentCleanRecords()[0].trashedPath;
    const Path trashedNotes = engine->cleaner().recentCleanRecords()[1].trashedPath;

    // A process started with another XDG_STATE_HOME: its history knows nothing of them. One
    // entry's info file cannot even be opened: whose it is stays unknown, so it stays too.
    const std::string thrown = oldTrashEntry(home, "thrown.bin", 't');
    {
        const ScopedEnvironment elsewhere("XDG_STATE_HOME", home.mkdir("other-state"));
        fault::ScopedHook unopenable([info = infoFileOfEntry(trashedNotes)](fault::Op op, std::string_view path) {
            return op == fault::Op::openFile && path == info ? EACCES : 0;
        });
        StorageEngine other(testOptions(home.path()));
        other.cleaner().startClean({trashAsScanned()}, "L", {});
        ASSERT_TRUE(waitForClean(other));
    }
    EXPECT_EQ(readFileBytes(trashed), "installer");
    EXPECT_EQ(readFileBytes(trashedNotes), "notes");
    EXPECT_FALSE(fileops::exists(thrown)); // what the desktop threw away goes as before

    // A history that cannot be read (here a FIFO) protects nothing by itself: then the
    // Trash is neither offered nor emptied at all.
    const std::string historyFile = CleanHistoryLog::forHome(home.path()).path();
    std::filesystem::remove(historyFile);
    ASSERT_EQ(::mkfifo(historyFile.c_str(), 0600), 0);
    const std::string another = oldTrashEntry(home, "another.bin", 'a');
    EXPECT_FALSE(protectedTrashEntries(home.path()));
    engine->startInstantScan();
    ASSERT_TRUE(waitForScan(*engine));
    EXPECT_FALSE(offersTheTrash());
    engine->cleaner().setMoveToTrashByDefault(false);
    clean({trashAsScanned()});
    EXPECT_EQ(engine->cleaner().lastCleanReport()[0].reason, CleanSkipReason::trashProtectionUnknown);
    EXPECT_TRUE(fileops::exists(another));
    EXPECT_EQ(readFileBytes(trashed), "installer");
}

// An inode number freed by emptying may go at once to the next file made under the same
// name; such an entry is the same (device, inode) but not the same object. Changing an
// entry in place stands for that here.
TEST_F(TrashProtection, AnEntryThatIsNotWhatTheScanMeasuredIsKept)
{
    const std::string resized = oldTrashEntry(home, "resized.bin", 'r');
    const std::string touched = oldTrashEntry(home, "touched.bin", 't');
    const std::string same = oldTrashEntry(home, "same.bin", 's');
    const CleanItem trash = trashAsScanned();
    std::this_thread::sleep_for(std::chrono::milliseconds(30)); // past the clock's coarse step
    std::filesystem::resize_file(resized, 10);                  // size and both times differ
    ASSERT_EQ(::chmod(touched.c_str(), 0600), 0);               // only the change time differs

    clean({trash});
    EXPECT_TRUE(fileops::exists(resized));
    EXPECT_TRUE(fileops::exists(touched));
    EXPECT_FALSE(fileops::exists(same));
}

TEST_F(TrashProtection, TheProgramsOwnStateIsNeverOfferedOrCleaned)
{
    // The history kept inside the cache folder, next to a real cache.
    const ScopedEnvironment state("XDG_STATE_HOME", home.mkdir(".cache/state"));
    const std::string cache = dotCacheEntry(home, "tool", 'c');
    clean({{home.fileWithContent("Documents/a.txt", "a"), 1, "a"}});
    const std::string history = CleanHistoryLog::forHome(home.path()).path();
    ASSERT_TRUE(paths::isSameOrInside(history, home.at(".cache/state")));
    home.file(".cache/state/other.bin", 4 * MiB, 's'); // large enough to be offered

    engine->startInstantScan();
    ASSERT_TRUE(waitForScan(*engine));
    bool cacheOffered = false;
    for (const auto& card : engine->results().ruleCards())
        for (const auto& item : card.subItems) {
            EXPECT_FALSE(paths::isSameOrInside(history, item.url)) << item.url;
            cacheOffered = cacheOffered || item.url == cache;
        }
    EXPECT_TRUE(cacheOffered);

    // Handed over anyway, it stays.
    clean({{home.at(".cache/state"), 1, "state"}, {home.at(".cache/state/quillmere"), 1, "quillmere"}});
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 2);
    EXPECT_EQ(engine->cleaner().lastCleanReport()[0].reason, CleanSkipReason::offLimits);
    EXPECT_TRUE(fileops::exists(history));
}

// The home's Trash on a disk of its own: an item of the home's disk cannot go there, and
// no trash is made at the top of the home's disk instead. The whole setup lies on a tmpfs
// of the test's own, so that even a failing run makes nothing outside it.
TEST_F(TrashProtection, NoTrashIsMadeOutsideTheHome)
{
    const std::string disk = home.mkdir("disk");
    if (::mount("quillmere-test", disk.c_str(), "tmpfs", 0, "size=4m") != 0)
        GTEST_SKIP() << "no mounting here: " << std::strerror(errno);
    mounts.push_back(disk);
    const std::string me = home.mkdir("disk/me");
    const std::string trashRoot = home.mkdir("disk/me/.local/share/Trash");
    ASSERT_EQ(::mount("quillmere-test", trashRoot.c_str(), "tmpfs", 0, "size=4m"), 0);
    mounts.push_back(trashRoot);
    engine = std::make_unique<StorageEngine>(testOptions(me));

    const std::string report = home.fileWithContent("disk/me/Documents/report.txt", "report");
    clean({{report, 6, "report.txt"}});
    EXPECT_EQ(readFileBytes(report), "report");
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
    EXPECT_FALSE(fileops::exists(disk + "/.Trash-" + std::to_string(::getuid())));
}
