// Two programs cleaning for one user at once: one clean or restore at a time, and what
// one clean put in the Trash is never emptied by another that looked at the Trash before.
#include "Platform/FaultInjection.h"
#include "support/CleanFixture.h"
#include "support/HomeFixtures.h"
#include "support/RunProgram.h"
#include "support/TreeSnapshot.h"

#include <atomic>
#include <sstream>
#include <thread>

namespace {

// Holds this process's clean inside its first move until released.
class HeldClean {
  public:
    explicit HeldClean(std::string path)
        : hook_([this, path = std::move(path)](fault::Op op, std::string_view at) {
              if (op == fault::Op::rename && at == path) {
                  entered_ = true;
                  while (!released_)
                      std::this_thread::sleep_for(std::chrono::milliseconds(5));
              }
              return 0;
          })
    {
    }
    ~HeldClean() { release(); }
    bool waitUntilHeld()
    {
        for (int i = 0; i < 2000 && !entered_; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return entered_;
    }
    void release() { released_ = true; }

  private:
    std::atomic<bool> entered_ = false;
    std::atomic<bool> released_ = false;
    fault::ScopedHook hook_;
};

std::vector<std::string> trashedPathsIn(const std::string& out)
{
    std::vector<std::string> paths;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("  moved to the Trash\t", 0) == 0)
            paths.push_back(line.substr(line.find(" -> ") + 4));
    return paths;
}

using ConcurrentCleans = CleanFixture;

} // namespace

TEST_F(ConcurrentCleans, ACleanWhileAnotherRunsSaysSoAndChangesNothing)
{
    const std::string held = home.fileWithContent(".cache/held/blob", "x");
    HeldClean hold(home.at(".cache/held"));
    engine->cleaner().startClean({{home.at(".cache/held"), 1, "held"}}, "L", {});
    ASSERT_TRUE(hold.waitUntilHeld());

    TempHome other; // another home of the same user: the lock is the user's
    dotCacheEntry(other, "tool", 'c');
    const TreeSnapshot before = snapshotTree(other.path());
    const auto run = runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "safe", "--home", other.path(), "--yes"});
    hold.release();
    ASSERT_TRUE(waitForClean(*engine));

    EXPECT_EQ(run.exitStatus, 1) << run.out << run.err;
    EXPECT_NE(run.err.find("another clean"), std::string::npos) << run.err;
    EXPECT_EQ(snapshotTree(other.path()), before);
    EXPECT_FALSE(fileops::exists(held)); // the first clean went on
}

// The window's side of the same rule: its clean and its restore wait a little, then say
// so in the banner, and change nothing.
TEST_F(ConcurrentCleans, TheWindowSaysAnotherCleanIsRunningInItsBanner)
{
    clean({{home.fileWithContent("Documents/restorable.txt", "back"), 1, "restorable"}});
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    TempHome otherHome;
    StorageEngine other(testOptions(otherHome.path()));
    const std::string held = otherHome.fileWithContent(".cache/held/blob", "x");
    HeldClean hold(otherHome.at(".cache/held"));
    other.cleaner().startClean({{otherHome.at(".cache/held"), 1, "held"}}, "L", {});
    ASSERT_TRUE(hold.waitUntilHeld());

    const std::string waiting = home.fileWithContent(".cache/tool/blob", "cache");
    clean({{home.at(".cache/tool"), 5, "tool"}});
    EXPECT_EQ(engine->cleaner().lastCleanBanner(), "另一项清理或还原正在进行中，本次未做任何改动");
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), 0);
    EXPECT_TRUE(fileops::exists(waiting));

    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    EXPECT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    EXPECT_FALSE(fileops::exists(home.at("Documents/restorable.txt")));
    hold.release();
    ASSERT_TRUE(waitForClean(other));
}

// The engine looked at the Trash (and offered to empty it) before the CLI cleaned;
// emptying it afterwards takes only what the engine saw.
TEST_F(ConcurrentCleans, TheTrashKeepsWhatAnotherCleanPutThereAfterTheScan)
{
    dotCacheEntry(home, "tool", 'c');
    oldTrashEntry(home, "old.bin", 't');
    engine->startInstantScan();
    ASSERT_TRUE(waitForScan(*engine));

    const auto run = runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "safe", "--home", home.path(), "--yes"});
    ASSERT_EQ(run.exitStatus, 0) << run.out << run.err;
    const auto trashedByTheCli = trashedPathsIn(run.out);
    ASSERT_FALSE(trashedByTheCli.empty()) << run.out;

    engine->commands().clean(CleanTarget::safeCaches);
    ASSERT_TRUE(waitForClean(*engine));
    for (const auto& trashed : trashedByTheCli)
        EXPECT_TRUE(fileops::exists(trashed)) << trashed;
}
