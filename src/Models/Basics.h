#pragma once
// The basic value types every layer speaks: byte counts, locations and points in time.

#include <chrono>
#include <cstdint>
#include <string>

using Int64 = std::int64_t;
// An absolute file system location: the path's bytes, never re-encoded.
using Path = std::string;
using Date = std::chrono::system_clock::time_point;
