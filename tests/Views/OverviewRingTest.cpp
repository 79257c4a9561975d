// The ring's figures: the share in use, the share the selection frees and the size its centre
// names, at the edges a volume and a selection can reach.
#include "OverviewRingFigures.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr Int64 kMax = std::numeric_limits<Int64>::max();
constexpr Int64 GiB = Int64(1) << 30;
} // namespace

TEST(OverviewRingFigures, AVolumeOfUnknownSizeDrawsAnEmptyRing)
{
    // Nothing measured yet, or a volume that reports nothing: no division, no full circle.
    for (const DiskOverview& overview : {DiskOverview{"v", 0, 0, 0}, DiskOverview{"v", -5, 3, 0}}) {
        const OverviewRingFigures figures = overviewRingFigures(overview, 4 * GiB, 9 * GiB);
        EXPECT_EQ(figures.usedRatio, 0);
        EXPECT_EQ(figures.reclaimableRatio, 0);
        EXPECT_EQ(figures.centerBytes, 4 * GiB); // the centre still names the selection
    }
}

TEST(OverviewRingFigures, TheCentreNamesTheWorkspacesSelectionOrElseEverySelection)
{
    const DiskOverview disk{"v", 100 * GiB, 40 * GiB, 0};
    EXPECT_EQ(overviewRingFigures(disk, 0, 7 * GiB).centerBytes, 7 * GiB);
    EXPECT_EQ(overviewRingFigures(disk, 2 * GiB, 7 * GiB).centerBytes, 2 * GiB);
    EXPECT_EQ(overviewRingFigures(disk, 0, 0).centerBytes, 0);
    // The arc shows the larger of the two: the workspace's selection may lie outside the four totals.
    EXPECT_DOUBLE_EQ(overviewRingFigures(disk, 2 * GiB, 7 * GiB).reclaimableRatio, 0.07);
    EXPECT_DOUBLE_EQ(overviewRingFigures(disk, 9 * GiB, 7 * GiB).reclaimableRatio, 0.09);
    EXPECT_DOUBLE_EQ(overviewRingFigures(disk, 0, 0).usedRatio, 0.6);
}

TEST(OverviewRingFigures, NeverMoreThanAFullCircleAndNoOverflow)
{
    const DiskOverview small{"v", 10 * GiB, 1 * GiB, 0};
    EXPECT_EQ(overviewRingFigures(small, 30 * GiB, 50 * GiB).reclaimableRatio, 1);
    // Sizes at the top of the range, and an available figure that would overflow the subtraction.
    const DiskOverview huge{"v", kMax, -1, 0};
    const OverviewRingFigures figures = overviewRingFigures(huge, kMax, saturatingSum({kMax, kMax, 1}));
    EXPECT_EQ(figures.usedRatio, 0);
    EXPECT_EQ(figures.reclaimableRatio, 1);
    EXPECT_EQ(figures.centerBytes, kMax);
    EXPECT_EQ(overviewRingFigures(small, -3, -4).reclaimableRatio, 0); // negative selections count as none
    EXPECT_EQ(saturatingSum({kMax - 1, 1}), kMax);
    EXPECT_EQ(saturatingSum({kMax, kMax, 1}), kMax);
    EXPECT_EQ(saturatingSum({-7, 5}), 5); // a negative count adds nothing
}
