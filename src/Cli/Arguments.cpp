#include "Cli/Arguments.h"
#include "Cli/CliText.h"
#include "Cli/CommandHelp.h"

#include <algorithm>
#include <climits>
#include <iostream>

namespace cli {

int usage(const std::string& problem)
{
    if (!problem.empty())
        std::cerr << "quillmere-cli: " << problem << "\n";
    std::cerr << synopses() << say("cli.usage.more") << "\n";
    return 2;
}

std::optional<std::string> ArgumentReader::option(const std::string& name, std::string_view what)
{
    const auto it = std::find(args_.begin(), args_.end(), name);
    if (it == args_.end())
        return std::nullopt;
    if (std::next(it) == args_.end()) {
        fail(say(what, {name}));
        args_.erase(it);
        return std::nullopt;
    }
    std::string value = *std::next(it);
    args_.erase(it, std::next(it, 2));
    return value;
}

std::optional<std::string> ArgumentReader::folderOption(const std::string& name)
{
    auto value = option(name, "cli.error.needsFolder");
    if (value && value->empty()) {
        fail(say("cli.error.needsFolder", {name}));
        return std::nullopt;
    }
    return value;
}

bool ArgumentReader::flag(const std::string& name)
{
    const auto it = std::find(args_.begin(), args_.end(), name);
    if (it == args_.end())
        return false;
    args_.erase(it);
    return true;
}

std::optional<int> ArgumentReader::number(const std::string& name, int minimum, int maximum)
{
    const auto text = option(name, "cli.error.needsNumber");
    if (!text)
        return std::nullopt;
    try {
        std::size_t used = 0;
        const int value = std::stoi(*text, &used);
        if (used == text->size() && value >= minimum && value <= maximum)
            return value;
    } catch (...) {
    }
    fail(maximum == INT_MAX ? say("cli.error.numberAtLeast", {name, std::to_string(minimum)})
                            : say("cli.error.numberBetween", {name, std::to_string(minimum), std::to_string(maximum)}));
    return std::nullopt;
}

void ArgumentReader::fail(const std::string& problem)
{
    if (!problem_)
        problem_ = problem;
}

void ArgumentReader::expectNothingLeft()
{
    if (!args_.empty())
        fail(say("cli.error.unexpectedArgument", {args_.front()}));
}

} // namespace cli
