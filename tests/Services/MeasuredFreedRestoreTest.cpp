// Restoring gives back what went to the Trash in both session totals of freed space: the
// estimate and the one with measured parts in place of their estimates.
#include "support/CleanFixture.h"

namespace {
class MeasuredFreedRestore : public CleanFixture {};
} // namespace

TEST_F(MeasuredFreedRestore, RestoringTakesTheTrashedBytesOutOfBothSessionTotals)
{
    home.file(".cache/one/blob", 2 * MiB);
    home.file(".cache/two/blob", 3 * MiB);
    engine->cleaner().setMoveToTrashByDefault(true);
    clean({{home.at(".cache/one"), 2 * MiB, "one"}, {home.at(".cache/two"), 3 * MiB, "two"}});
    const CleanRunner& cleaner = engine->cleaner();
    ASSERT_GT(cleaner.sessionTotalFreedBytes(), 0);
    EXPECT_EQ(cleaner.sessionMeasuredFreedBytes(), cleaner.sessionTotalFreedBytes());

    engine->cleaner().restoreSingleRecord(cleaner.recentCleanRecords().front().id);
    EXPECT_EQ(cleaner.sessionMeasuredFreedBytes(), cleaner.sessionTotalFreedBytes());
    engine->cleaner().restoreAllRecentCleans();
    EXPECT_EQ(cleaner.sessionTotalFreedBytes(), 0);
    EXPECT_EQ(cleaner.sessionMeasuredFreedBytes(), 0);
}
