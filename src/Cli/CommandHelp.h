#pragma once
// What `quillmere-cli help [COMMAND]`, `COMMAND --help` and a usage error print: one entry
// per command, in the order the overview lists them.

#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct CommandHelp {
    std::string_view name;
    std::string_view synopsis; // the arguments after the command name
    std::string_view summary;  // message id: one line for the overview
    std::string_view details;  // message id: the rest of `help COMMAND`, or empty
};

const std::vector<CommandHelp>& commandHelps();
// nullptr when no command has that name.
const CommandHelp* findCommandHelp(std::string_view name);

// Every command's synopsis and summary, and the options every command takes.
std::string overviewHelp();
std::string commandHelpText(const CommandHelp& help);
// One usage line per command, for a usage error.
std::string synopses();

} // namespace cli
