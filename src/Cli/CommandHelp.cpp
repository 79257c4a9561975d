#include "Cli/CommandHelp.h"
#include "Cli/CliCommands.h"
#include "Cli/CliText.h"

#include <iostream>

namespace cli {

const std::vector<CommandHelp>& commandHelps()
{
    // Summaries and details are message ids: "cli.help.<command>.summary" and ".details".
    static const std::vector<CommandHelp> helps = {
        {"scan", "[--home DIR] [--applications DIR] [--json] [--quiet] [--threads N]", "cli.help.scan.summary",
         "cli.help.scan.details"},
        {"size", "PATH... [--max-depth N] [--threads N]", "cli.help.size.summary", "cli.help.size.details"},
        {"phase", "PHASE [--home DIR] [--applications DIR] [--json] [--threads N]", "cli.help.phase.summary",
         "cli.help.phase.details"},
        {"clean", "--what KIND [--home DIR] [--applications DIR] [--delete] [--merge] [--yes] [--quiet] [--threads N]",
         "cli.help.clean.summary", "cli.help.clean.details"},
        {"history", "[--home DIR] [--json]", "cli.help.history.summary", "cli.help.history.details"},
        {"restore", "ID... | --last | --all [--home DIR] [--applications DIR]", "cli.help.restore.summary",
         "cli.help.restore.details"},
        {"help", "[COMMAND]", "cli.help.help.summary", ""},
    };
    return helps;
}

const CommandHelp* findCommandHelp(std::string_view name)
{
    for (const auto& help : commandHelps())
        if (help.name == name)
            return &help;
    return nullptr;
}

std::string overviewHelp()
{
    std::string text =
        say("cli.help.usage", {"quillmere-cli COMMAND [OPTIONS]"}) + "\n\n" + say("cli.help.commandsHeading") + "\n";
    for (const auto& help : commandHelps()) {
        std::string line = "  " + std::string(help.name);
        line.resize(10, ' ');
        text += line + say(help.summary) + "\n";
    }
    // The options block keeps its two columns in every language; option names stay as typed.
    text +=
        "\n" + say("cli.help.options") + "\n\n" + say("cli.help.exitStatus") + "\n" + say("cli.help.seeCommand") + "\n";
    return text;
}

std::string synopses()
{
    std::string text = say("cli.help.usageHeading") + "\n";
    for (const auto& help : commandHelps())
        text += "  quillmere-cli " + std::string(help.name) + " " + std::string(help.synopsis) + "\n";
    return text + "  quillmere-cli --version\n";
}

std::string commandHelpText(const CommandHelp& help)
{
    std::string text =
        say("cli.help.usage", {"quillmere-cli " + std::string(help.name) + " " + std::string(help.synopsis)}) + "\n\n";
    text += say("cli.help.summarySentence", {say(help.summary)}) + "\n";
    if (!help.details.empty())
        text += say(help.details) + "\n";
    return text;
}

int runHelp(const Arguments& args)
{
    if (args.empty()) {
        std::cout << overviewHelp();
        return 0;
    }
    if (args.size() > 1)
        return usage(say("cli.error.helpTakesOne"));
    const CommandHelp* help = findCommandHelp(args.front());
    if (!help)
        return usage(say("cli.error.unknownCommand", {args.front()}));
    std::cout << commandHelpText(*help);
    return 0;
}

} // namespace cli
