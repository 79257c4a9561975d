#pragma once
// Content modification time of a stat record as the records' Date.

#include "Models/Basics.h"

#include <sys/stat.h>

inline Date contentModificationDate(const struct stat& st)
{
    using namespace std::chrono;
    return Date(duration_cast<Date::duration>(seconds(st.st_mtim.tv_sec) + nanoseconds(st.st_mtim.tv_nsec)));
}
