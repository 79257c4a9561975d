// quillmere-cli: the engine without the window, for scripts, benchmarks and power users.
#include "Cli/CliCommands.h"

#include <QCoreApplication>

#include <iostream>

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
