#include "Platform/CalendarDays.h"

#include <ctime>

namespace calendar {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's days_from_civil).
Int64 daysFromCivil(Int64 y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const Int64 era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + Int64(doe) - 719468;
}

struct LocalTime {
    Int64 day;       // local calendar date as a day number
    Int64 nanoOfDay; // wall-clock time within that day
};

LocalTime local(Date when)
{
    using namespace std::chrono;
    const auto since = when.time_since_epoch();
    auto secs = duration_cast<seconds>(since);
    if (secs > since)
        secs -= seconds(1); // floor for moments before 1970
    const Int64 subSecond = duration_cast<nanoseconds>(since - secs).count();
    const std::time_t t = std::time_t(secs.count());
    std::tm tm{};
    localtime_r(&t, &tm);
    return {daysFromCivil(Int64(tm.tm_year) + 1900, unsigned(tm.tm_mon + 1), unsigned(tm.tm_mday)),
            (Int64(tm.tm_hour) * 3600 + tm.tm_min * 60 + tm.tm_sec) * 1'000'000'000 + subSecond};
}

} // namespace

Int64 wholeDaysBetween(Date from, Date to)
{
    if (to <= from)
        return 0;
    const LocalTime a = local(from);
    const LocalTime b = local(to);
    Int64 days = b.day - a.day;
    if (b.nanoOfDay < a.nanoOfDay)
        --days; // the wall-clock time of `from` has not come round yet today
    return days > 0 ? days : 0;
}

} // namespace calendar
