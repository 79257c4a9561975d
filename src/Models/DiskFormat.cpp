#include "Models/DiskFormat.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <locale.h>

namespace {

// snprintf follows LC_NUMERIC, which Qt and setlocale() may have switched to a locale
// with another decimal separator. Format in the "C" locale for this thread only.
std::string format(const char* pattern, double value)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const locale_t previous = uselocale(cLocale);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    uselocale(previous);
    return buffer;
}

constexpr double kKiB = 1024.0;
constexpr double kMiB = 1024.0 * 1024.0;
constexpr double kGiB = 1024.0 * 1024.0 * 1024.0;

} // namespace

namespace DiskFormat {

std::string bytes(std::int64_t value)
{
    const double b = double(std::max<std::int64_t>(value, 0));
    if (b / kGiB >= 1)
        return format("%.2f GB", b / kGiB);
    if (b / kMiB >= 1)
        return format("%.1f MB", b / kMiB);
    if (b / kKiB >= 1)
        return format("%.0f KB", b / kKiB);
    return "0 KB";
}

std::string shortGB(std::int64_t value)
{
    const double b = double(std::max<std::int64_t>(value, 0));
    if (b / kGiB >= 0.1)
        return format("%.1f GB", b / kGiB);
    if (b / kMiB >= 1)
        return format("%.0f MB", b / kMiB);
    return "0 MB";
}

} // namespace DiskFormat
