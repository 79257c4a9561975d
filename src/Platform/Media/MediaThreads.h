#pragma once
// The media framework decodes on pooled threads that outlive the players and thumbnailers that
// used them: once those are gone, the threads idle in the pool and end on their own some
// seconds later. A process that exits while they idle or end takes them down half torn (a leak
// checker that walks every thread at exit trips over their thread-local storage). The programs
// call this once the last player and thumbnail worker are gone, just before they end.

#include <chrono>

namespace mediathreads {

// Ends the media framework's idle pooled threads and waits until they are gone, at most
// `patience`. Does nothing when the framework was never loaded.
void endPooled(std::chrono::milliseconds patience = std::chrono::seconds(5));

} // namespace mediathreads
