#pragma once
// What the commands that run the engine share: its options from the arguments, and a
// scan run to its end.

#include "Cli/Arguments.h"
#include "Services/MacStorageScanner.h"

namespace cli {

// --home DIR and --applications DIR.
MacStorageScanner::Options readEngineOptions(ArgumentReader& reader);
// Runs one instant scan to its end on this thread's event loop.
void runScanToCompletion(MacStorageScanner& scanner);

} // namespace cli
