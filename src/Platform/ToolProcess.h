#pragma once
// Runs another program by its argument vector (found on PATH, never through a shell) and
// waits for it. Its input is empty and its normal output discarded, so a tool that asks
// or talks never blocks a clean or mixes into our own output.

#include <string>
#include <vector>

struct ToolRun {
    enum class Outcome {
        exited,     // ran to its end; `status` is its exit status
        notFound,   // no such program on PATH
        notStarted, // it could not be started (`status` is the errno)
        killed,     // ended by a signal (`status` is the signal)
    };
    Outcome outcome = Outcome::notStarted;
    int status = 0;

    bool succeeded() const { return outcome == Outcome::exited && status == 0; }
};

// `environment` entries ("NAME=value") are added to ours, replacing a variable of the same name.
ToolRun runTool(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {});
