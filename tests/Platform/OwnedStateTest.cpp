// The program's own state (restore history, clean lock) is used only when it is the
// user's alone: another user's file, or one others may write, or a folder above it that
// others may write, is refused, and a clean or restore refuses with it. Any failure to
// take the lock is a refusal, and the lock's place does not follow the environment.
#include "Platform/CleanLock.h"
#include "Platform/OwnedPath.h"
#include "Services/CleanHistoryLog.h"
#include "support/CleanFixture.h"
#include "support/ScopedEnvironment.h"

#include <filesystem>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using OwnedState = CleanFixture;

constexpr uid_t kAnotherUser = 54321;

std::string lockFolder() { return std::getenv("QUILLMERE_LOCK_DIR"); }

} // namespace

TEST_F(OwnedState, AHistoryThatIsNotOursAloneIsRefusedAndStopsTheClean)
{
    const std::string first = home.fileWithContent("Documents/first.txt", "first");
    clean({{first, 5, "first.txt"}});
    const CleanHistoryLog log = CleanHistoryLog::forHome(home.path());
    ASSERT_TRUE(log.read());
    const std::string folder = paths::parent(log.path());

    // Writable by others: a forged line could mark any record restored.
    ASSERT_EQ(::chmod(log.path().c_str(), 0666), 0);
    EXPECT_EQ(log.read().error(), owned::kWritableByOthers);
    const std::string second = home.fileWithContent("Documents/second.txt", "second");
    clean({{second, 6, "second.txt"}});
    EXPECT_EQ(engine->cleaner().lastCleanReport()[0].reason, CleanSkipReason::historyUnwritable);
    EXPECT_EQ(readFileBytes(second), "second");
    ASSERT_EQ(::chmod(log.path().c_str(), 0600), 0);

    // Its folder, or a folder above it, open to others.
    ASSERT_EQ(::chmod(folder.c_str(), 0707), 0);
    EXPECT_EQ(log.read().error(), owned::kWritableByOthers);
    ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
    // Group-writable counts only when the group has other members than us: a folder of
    // the account's own group (umask 002 set-ups) is fine.
    ASSERT_EQ(::chmod(folder.c_str(), 0770), 0);
    const struct group* own = ::getgrgid(::getegid());
    if (own && (!own->gr_mem || !own->gr_mem[0])) {
        EXPECT_TRUE(log.read());
    }
    if (::geteuid() == 0) {
        ASSERT_EQ(::chmod(folder.c_str(), 0770), 0); // the read above made it private again
        ASSERT_EQ(::chown(folder.c_str(), -1, kAnotherUser), 0);
        EXPECT_EQ(log.read().error(), owned::kWritableByOthers);
        ASSERT_EQ(::chown(folder.c_str(), -1, ::getegid()), 0);
    }
    ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(home.path().c_str(), 0777), 0);
    EXPECT_EQ(log.read().error(), owned::kUnsafeParent);
    ASSERT_EQ(::chmod(home.path().c_str(), 01777), 0); // sticky: others cannot swap our folders
    EXPECT_TRUE(log.read());
    ASSERT_EQ(::chmod(home.path().c_str(), 0700), 0);

    if (::geteuid() != 0)
        GTEST_SKIP() << "handing a file to another user needs root";
    ASSERT_EQ(::chown(log.path().c_str(), kAnotherUser, kAnotherUser), 0);
    EXPECT_EQ(log.read().error(), owned::kOtherOwner);
    clean({{second, 6, "second.txt"}});
    EXPECT_EQ(readFileBytes(second), "second");
    ASSERT_EQ(::chown(log.path().c_str(), 0, 0), 0);
    EXPECT_TRUE(log.read());
}

TEST_F(OwnedState, ALockThatCannotBeTakenStopsCleansAndRestores)
{
    const std::string kept = home.fileWithContent("Documents/kept.txt", "kept");
    clean({{kept, 4, "kept.txt"}});
    const std::string id = engine->cleaner().recentCleanRecords()[0].id;
    const std::string lockFile = paths::join(lockFolder(), CleanLock::kFileName);
    std::filesystem::remove(lockFile);
    ASSERT_EQ(::symlink("/dev/null", lockFile.c_str()), 0); // a link is not our lock file

    const std::string waiting = home.fileWithContent("Documents/waiting.txt", "waiting");
    clean({{waiting, 7, "waiting.txt"}});
    EXPECT_EQ(engine->cleaner().lastCleanReport()[0].reason, CleanSkipReason::lockUnavailable);
    EXPECT_EQ(engine->cleaner().lastCleanReport()[0].error, ELOOP);
    EXPECT_EQ(readFileBytes(waiting), "waiting");

    engine->cleaner().restoreSingleRecord(id);
    EXPECT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    EXPECT_FALSE(fileops::exists(kept));
    EXPECT_FALSE(engine->cleaner().restoreFromHistory({id}));

    // A regular lock file of someone else's is not ours to take either.
    std::filesystem::remove(lockFile);
    home.fileWithContent("lock", "");
    std::filesystem::rename(home.at("lock"), lockFile);
    ASSERT_EQ(::chmod(lockFile.c_str(), 0622), 0);
    EXPECT_EQ(CleanLock::acquire({lockFolder(), ""}, CleanLock::kPatience).error(), owned::kWritableByOthers);
    ASSERT_EQ(::chmod(lockFile.c_str(), 0600), 0);
    EXPECT_TRUE(CleanLock::acquire({lockFolder(), ""}, CleanLock::kPatience));
}

TEST(CleanLockPlace, OnePlacePerUserWhateverTheEnvironmentSays)
{
    TempHome runtime;
    const std::string account = runtime.mkdir("account");
    const uid_t me = ::geteuid();
    const std::string mine = paths::join(runtime.path(), std::to_string(me));
    const std::string stateFolder = stateFolderInside(account).path();

    EXPECT_EQ(CleanLock::folderFor(me, runtime.path(), account).path(), stateFolder); // no runtime folder
    ASSERT_EQ(::mkdir(mine.c_str(), 0700), 0);
    EXPECT_EQ(CleanLock::folderFor(me, runtime.path(), account).path(), mine);
    ASSERT_EQ(::chmod(mine.c_str(), 0770), 0); // open to others: not a private runtime folder
    EXPECT_EQ(CleanLock::folderFor(me, runtime.path(), account).path(), stateFolder);
    ASSERT_EQ(::rmdir(mine.c_str()), 0);
    runtime.symlink(std::to_string(me), account); // a link is not the user's runtime folder
    EXPECT_EQ(CleanLock::folderFor(me, runtime.path(), account).path(), stateFolder);

    // cron, ssh and su start programs with other runtime variables, or none.
    const ScopedEnvironment noTestFolder("QUILLMERE_LOCK_DIR", "");
    const std::string withOne = CleanLock::defaultFolder(account).path();
    {
        const ScopedEnvironment other("XDG_RUNTIME_DIR", runtime.path());
        EXPECT_EQ(CleanLock::defaultFolder(account).path(), withOne);
    }
    const char* runtimeVariable = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = runtimeVariable ? runtimeVariable : "";
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(CleanLock::defaultFolder(account).path(), withOne);
    if (runtimeVariable)
        setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}
