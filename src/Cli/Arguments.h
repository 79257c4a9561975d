#pragma once
// A sub-command's arguments, taken out option by option. Arguments are argv's bytes:
// paths never pass through QString.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

using Arguments = std::vector<std::string>;

// Prints the problem (if any) and the usage to stderr; returns the status for bad arguments (2).
int usage(const std::string& problem);

// Takes options out of the arguments and keeps the first problem it meets.
class ArgumentReader {
  public:
    explicit ArgumentReader(Arguments args) : args_(std::move(args)) {}

    // "--name VALUE": the value, or none when the flag is absent. A flag without a value
    // is a problem, said by the message `needsMessage` with the flag as %1.
    std::optional<std::string> option(const std::string& name, std::string_view needsMessage);
    // The same for a folder; an empty one is a problem too, never "the default".
    std::optional<std::string> folderOption(const std::string& name);
    bool flag(const std::string& name);
    // "--name N" with N a whole number within [minimum, maximum]; anything else is a problem.
    std::optional<int> number(const std::string& name, int minimum, int maximum);

    // Records a problem unless one was recorded before.
    void fail(const std::string& problem);
    // A leftover argument is a problem.
    void expectNothingLeft();

    const Arguments& rest() const { return args_; }
    bool ok() const { return !problem_; }
    // usage() with the first problem.
    int usage() const { return cli::usage(problem_.value_or("")); }

  private:
    Arguments args_;
    std::optional<std::string> problem_;
};

} // namespace cli
