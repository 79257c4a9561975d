#pragma once
// The sub-commands of quillmere-cli. Each returns the process exit status:
// 0 success, 1 the work ran but something was left undone, 2 bad arguments.

#include "Services/MacStorageScanner.h"

#include <string>
#include <vector>

namespace cli {

using Arguments = std::vector<std::string>;

int runScan(const Arguments& args);
int runSize(const Arguments& args);
int runPhase(const Arguments& args);
int runClean(const Arguments& args);
// help [COMMAND]: the overview, or how to use one command, on standard output.
int runHelp(const Arguments& args);

int usage(const std::string& problem);

// Reads "--name VALUE" out of args; false when the flag is given without a value.
bool takeOption(Arguments& args, const std::string& name, std::string& value, bool& ok);
bool takeFlag(Arguments& args, const std::string& name);

} // namespace cli

namespace cli {
// Shared by the commands that scan first.
void runScanToCompletion(MacStorageScanner& scanner);
bool parseEngineOptions(Arguments& args, MacStorageScanner::Options& options, std::string& problem);
// The engine options plus --json, shared by the commands that print a report.
bool parseReportOptions(Arguments& args, MacStorageScanner::Options& options, bool& json, std::string& problem);
} // namespace cli
