#pragma once
// The two ways byte counts are shown. Units are binary, written KB/MB/GB, and the
// decimal separator is always a full stop whatever the process locale says.

#include <cstdint>
#include <string>

namespace DiskFormat {
std::string bytes(std::int64_t value);   // lists, banners, totals: "1.00 GB", "1.0 MB", "1 KB", "0 KB"
std::string shortGB(std::int64_t value); // tight places: "0.1 GB", "102 MB", "0 MB"
} // namespace DiskFormat
