#pragma once
// Room in the process's table of open files, made before a scan needs it.
//
// The kernel grows the table by doubling it when a file is opened past its end, and while
// threads share the table each growth waits for a read-copy-update grace period; every
// thread that opens a file meanwhile sleeps too. A scan's walkers hold over a thousand
// folders open at their peak, so the first scan grew the table three times, and the GUI
// thread, opening a file just then, slept 15–30 ms. The table never shrinks:
// growing it once at start is the whole cost.

namespace DescriptorTable {

// Makes room for `descriptors` open files (at most the soft limit on open files).
void reserve(int descriptors);

} // namespace DescriptorTable
