// quillmere-cli: the engine without the window, for scripts, benchmarks and power users.
#include "Cli/CliCommands.h"
#include "Cli/CliLanguage.h"
#include "Cli/CliText.h"
#include "Cli/CommandHelp.h"
#include "Cli/ProgressLine.h"
#include "QuillmereVersion.h"

#include <QCoreApplication>

#include <algorithm>
#include <iostream>

namespace {

bool asksForHelp(const cli::Arguments& args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Arguments are taken from argv as bytes: paths must not pass through QString.
    cli::Arguments args(argv + 1, argv + argc);
    if (args.empty())
        return cli::usage("");
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--version") {
        std::cout << "quillmere-cli " << kQuillmereVersion << "\n";
        return 0;
    }
    // --lang and --quiet are read first: help, too, speaks the language asked for.
    cli::ArgumentReader reader(std::move(args));
    cli::setProgressQuiet(reader.flag("--quiet"));
    if (const auto lang = reader.option("--lang", "cli.error.needsLanguage")) {
        const auto language = cli::languageNamed(*lang);
        if (!language)
            return cli::usage(cli::say("cli.error.unknownLanguage", {*lang}));
        cli::setLanguage(*language);
    }
    if (!reader.ok())
        return reader.usage();
    args = reader.rest();
    if (command == "-h" || command == "--help")
        return cli::runHelp({});
    if (command == "help")
        return cli::runHelp(asksForHelp(args) ? cli::Arguments{"help"} : args);
    // COMMAND --help only explains, whatever else is given: it never runs the command.
    if (asksForHelp(args))
        return cli::runHelp({command});
    if (command == "scan")
        return cli::runScan(args);
    if (command == "size")
        return cli::runSize(args);
    if (command == "phase")
        return cli::runPhase(args);
    if (command == "clean")
        return cli::runClean(args);
    if (command == "history")
        return cli::runHistory(args);
    if (command == "restore")
        return cli::runRestore(args);
    return cli::usage(cli::say("cli.error.unknownCommand", {command}));
}
