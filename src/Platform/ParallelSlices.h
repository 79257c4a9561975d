#pragma once
// Work over many independent items (a million Trash entries, their info files) cut into
// contiguous slices that run side by side. Each item costs a system call or two that
// waits on the kernel, so threads help even beyond the cores, within the walk pool's bound.

#include <cstddef>
#include <functional>

// How many slices forEachSlice cuts `count` items into: 1 when the walk pool runs
// single-threaded or the items are few.
std::size_t sliceCountFor(std::size_t count);

// Calls work(slice, begin, end) for each slice of [0, count), slice < sliceCountFor(count),
// each on a thread of its own (the first on this one), and returns when all are done.
void forEachSlice(std::size_t count,
                  const std::function<void(std::size_t slice, std::size_t begin, std::size_t end)>& work);
