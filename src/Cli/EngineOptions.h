#pragma once
// What the commands that run the engine share: its options from the arguments, and a
// scan run to its end.

#include "Cli/Arguments.h"
#include "Services/StorageEngine.h"

namespace cli {

// --home DIR, --applications DIR and --threads N.
StorageEngine::Options readEngineOptions(ArgumentReader& reader);
// --threads N: how many folders are read at once (1: one after another, and the scan's
// phases too). The default is four per core, at most 16.
void readThreadsOption(ArgumentReader& reader);
// Runs one instant scan to its end on this thread's event loop.
void runScanToCompletion(StorageEngine& scanner);

} // namespace cli
