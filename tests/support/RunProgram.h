#pragma once
// Runs one of our programs as a child process and collects what it printed.

#include <string>
#include <vector>

struct ProgramResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// argv[0] is the program path; extra environment entries are "NAME=value".
ProgramResult runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv = {},
                         int timeoutSeconds = 120);
