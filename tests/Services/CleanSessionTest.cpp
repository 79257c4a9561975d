// A whole session as a person has it: one scan, several cleans of different workspaces
// (the last one also empties the Trash), then everything restored.
#include "support/CleanFixture.h"
#include "support/HomeFixtures.h"
#include "support/TreeSnapshot.h"

namespace {

class CleanSession : public CleanFixture {
  protected:
    void scan()
    {
        engine->startInstantScan();
        ASSERT_TRUE(waitForScan(*engine));
    }
    void run(CleanTarget target)
    {
        engine->commands().clean(target);
        ASSERT_TRUE(waitForClean(*engine));
    }
    bool offersTheTrash() const
    {
        for (const auto& card : engine->results().ruleCards())
            for (const auto& item : card.subItems)
                if (item.url == trashFiles())
                    return engine->selection().isSelected(item);
        return false;
    }
};

} // namespace

// Emptying the Trash in the fourth clean must not take what the first three moved there.
TEST_F(CleanSession, FourCleansThenRestoreAllBringsEveryItemBack)
{
    largeInstaller(home, "Downloads/setup.dmg", 'd');
    home.file("Documents/photo.raw", 4 * MiB, 'p');
    home.file("Documents/old backups/photo.raw", 4 * MiB, 'p');
    idleArtefact(home, "Desktop/projects/app", "node_modules", 'n');
    dotCacheEntry(home, "tool", 'c');
    oldTrashEntry(home, "thrown-away.bin", 't');
    const TreeSnapshot before = snapshotTree(home.path(), ".local");

    scan();
    ASSERT_TRUE(offersTheTrash());
    run(CleanTarget::largeFiles);
    run(CleanTarget::duplicates);
    run(CleanTarget::projectBloats);
    run(CleanTarget::safeCaches);
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 0);
    EXPECT_FALSE(fileops::exists(trashFiles() + "/thrown-away.bin")); // what the scan measured there went
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 4u);     // the Trash itself was emptied, not moved

    engine->cleaner().restoreAllRecentCleans();
    ASSERT_TRUE(waitForScan(*engine));
    EXPECT_EQ(engine->cleaner().lastCleanBanner()->rfind("已为您原路还原 4 项文件", 0), 0u)
        << *engine->cleaner().lastCleanBanner();
    EXPECT_EQ(snapshotTree(home.path(), ".local"), before);
    EXPECT_TRUE(entriesOf(trashFiles()).empty());
}

// What arrives in the Trash after the scan (another program's, another clean's) was never
// measured and is not the scan's to empty; a cache keeps working meanwhile and is still
// cleaned as the folder it was.
TEST_F(CleanSession, EmptyingTheTrashLeavesWhatArrivedAfterTheScan)
{
    const std::string cache = dotCacheEntry(home, "tool", 'c');
    oldTrashEntry(home, "thrown-away.bin", 't');
    scan();
    ASSERT_TRUE(offersTheTrash());
    home.fileWithContent(".local/share/Trash/files/just-now.txt", "arrived after the scan");
    home.fileWithContent(".local/share/Trash/info/just-now.txt.trashinfo", "[Trash Info]\nPath=/x\n");
    home.fileWithContent(".cache/tool/new-entry", "the cache kept working");

    run(CleanTarget::safeCaches);
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 0);
    EXPECT_EQ(entriesOf(trashFiles()).size(), 2u); // the cache's entry and the late one
    EXPECT_EQ(readFileBytes(trashFiles() + "/just-now.txt"), "arrived after the scan");
    EXPECT_TRUE(fileops::exists(trashInfo() + "/just-now.txt.trashinfo"));
    EXPECT_FALSE(fileops::exists(cache));
}
