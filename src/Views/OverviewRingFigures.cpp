#include "OverviewRingFigures.h"

#include <algorithm>
#include <cmath>
#include <limits>

Int64 saturatingSum(std::initializer_list<Int64> counts)
{
    Int64 total = 0;
    for (Int64 count : counts)
        if (__builtin_add_overflow(total, std::max<Int64>(count, 0), &total))
            return std::numeric_limits<Int64>::max();
    return total;
}

OverviewRingFigures overviewRingFigures(const DiskOverview& overview, Int64 currentTabSelected, Int64 allSelected)
{
    OverviewRingFigures figures;
    figures.usedRatio = overview.usedRatio();
    // A volume of unknown size draws an empty ring: a selection measured against one byte
    // would otherwise fill the whole circle. In double precision, byte counts near the top of
    // Int64 neither wrap nor divide by zero.
    if (overview.totalBytes >= 1) {
        const double reclaimable = double(std::max({currentTabSelected, allSelected, Int64(0)}));
        const double ratio = reclaimable / double(overview.totalBytes);
        figures.reclaimableRatio = std::isfinite(ratio) ? std::clamp(ratio, 0.0, 1.0) : 0.0;
    }
    figures.centerBytes = std::max<Int64>(currentTabSelected > 0 ? currentTabSelected : allSelected, 0);
    return figures;
}
