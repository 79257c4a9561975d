// Whole days as the local calendar counts them.
#include "Platform/CalendarDays.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

Date localTime(int year, int month, int day, int hour, int minute)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

} // namespace

TEST(CalendarDays, CountsWholeDaysByWallClockAcrossDaylightSaving)
{
    const ScopedEnvironment zone("TZ", "America/New_York", tzset); // clocks go forward on 8 March 2026
    const Date from = localTime(2026, 3, 6, 12, 0);
    EXPECT_EQ(calendar::wholeDaysBetween(from, localTime(2026, 3, 11, 12, 0)), 5); // 119 hours later
    EXPECT_EQ(calendar::wholeDaysBetween(from, localTime(2026, 3, 11, 11, 59)), 4);
    EXPECT_EQ(calendar::wholeDaysBetween(from, localTime(2026, 3, 7, 11, 0)), 0);
    EXPECT_EQ(calendar::wholeDaysBetween(localTime(2025, 12, 31, 23, 0), localTime(2026, 1, 1, 23, 0)), 1);
}
