// quillmere-cli: the engine without the window, for scripts, benchmarks and power users.
#include "Cli/CliCommands.h"

#include <QCoreApplication>

#include <algorithm>
#include <iostream>

namespace cli {

int usage(const std::string& problem)
{
    if (!problem.empty())
        std::cerr << "quillmere-cli: " << problem << "\n";
    std::cerr
        << "usage:\n"
           "  quillmere-cli scan [--home DIR] [--applications DIR] [--json]\n"
           "  quillmere-cli size PATH... [--max-depth N]\n"
           "  quillmere-cli phase overview|catalogue|bloat|apps|media [--home DIR] [--applications DIR] [--json]\n"
           "  quillmere-cli clean --what safe|bloat|duplicates|large|app-cache|app-uninstall|all\n"
           "                      [--home DIR] [--applications DIR] [--delete] [--yes]\n";
    return 2;
}

bool takeOption(Arguments& args, const std::string& name, std::string& value, bool& ok)
{
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end())
        return false;
    if (std::next(it) == args.end()) {
        ok = false;
        return false;
    }
    value = *std::next(it);
    args.erase(it, std::next(it, 2));
    return true;
}

bool takeFlag(Arguments& args, const std::string& name)
{
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end())
        return false;
    args.erase(it);
    return true;
}

} // namespace cli

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Arguments are taken from argv as bytes: paths must not pass through QString.
    cli::Arguments args(argv + 1, argv + argc);
    if (args.empty())
        return cli::usage("");
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "scan")
        return cli::runScan(args);
    if (command == "size")
        return cli::runSize(args);
    if (command == "phase")
        return cli::runPhase(args);
    if (command == "clean")
        return cli::runClean(args);
    if (command == "-h" || command == "--help") {
        cli::usage("");
        return 0;
    }
    return cli::usage("unknown command '" + command + "'");
}
