#pragma once
// Whole days between two moments as a calendar in the local time zone counts them:
// a day has passed when the same wall-clock time has come round again, so a change to
// or from daylight saving time does not gain or lose a day.

#include "Models/Basics.h"

namespace calendar {

// Whole local calendar days from `from` to `to`; 0 when `to` is not later.
Int64 wholeDaysBetween(Date from, Date to);

} // namespace calendar
