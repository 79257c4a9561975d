#include "Cli/Arguments.h"
#include "Cli/CommandHelp.h"

#include <algorithm>
#include <climits>
#include <iostream>

namespace cli {

int usage(const std::string& problem)
{
    if (!problem.empty())
        std::cerr << "quillmere-cli: " << problem << "\n";
    std::cerr << synopses() << "Run 'quillmere-cli help' for more.\n";
    return 2;
}

std::optional<std::string> ArgumentReader::option(const std::string& name, const std::string& what)
{
    const auto it = std::find(args_.begin(), args_.end(), name);
    if (it == args_.end())
        return std::nullopt;
    if (std::next(it) == args_.end()) {
        fail(name + " needs " + what);
        args_.erase(it);
        return std::nullopt;
    }
    std::string value = *std::next(it);
    args_.erase(it, std::next(it, 2));
    return value;
}

std::optional<std::string> ArgumentReader::folderOption(const std::string& name)
{
    auto value = option(name, "a folder");
    if (value && value->empty()) {
        fail(name + " needs a folder");
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
    const auto text = option(name, "a number");
    if (!text)
        return std::nullopt;
    try {
        std::size_t used = 0;
        const int value = std::stoi(*text, &used);
        if (used == text->size() && value >= minimum && value <= maximum)
            return value;
    } catch (...) {
    }
    fail(name + " takes a whole number " +
         (maximum == INT_MAX ? "of at least " + std::to_string(minimum)
                             : "from " + std::to_string(minimum) + " to " + std::to_string(maximum)));
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
        fail("unexpected argument '" + args_.front() + "'");
}

} // namespace cli
