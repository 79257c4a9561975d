#pragma once
// Runs one of our programs as a child process and collects what it printed.

#include <string>
#include <vector>

struct ProgramResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// argv[0] is the program path; extra environment entries are "NAME=value". With
// terminalColumns > 0 standard error is a terminal of that width instead of a pipe.
ProgramResult runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv = {},
                         int timeoutSeconds = 120, int terminalColumns = 0);
