#pragma once
// The sub-commands of quillmere-cli. Each returns the process exit status:
// 0 success, 1 the work ran but something was left undone, 2 bad arguments.

#include "Cli/Arguments.h"

namespace cli {

int runScan(const Arguments& args);
int runSize(const Arguments& args);
int runPhase(const Arguments& args);
int runClean(const Arguments& args);
int runHistory(const Arguments& args);
int runRestore(const Arguments& args);
// help [COMMAND]: the overview, or how to use one command, on standard output.
int runHelp(const Arguments& args);

} // namespace cli
