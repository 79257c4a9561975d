#include "Cli/CommandHelp.h"
#include "Cli/CliCommands.h"

#include <iostream>

namespace cli {

const std::vector<CommandHelp>& commandHelps()
{
    static const std::vector<CommandHelp> helps = {
        {"scan", "[--home DIR] [--applications DIR] [--json] [--quiet] [--threads N]",
         "Run the full scan and print everything it found",
         "Prints the disk overview, every result list with every field, the totals and the\n"
         "final texts. JSON keys are the record field names; dates are ISO 8601 UTC; bytes of\n"
         "a path that are not UTF-8, control characters and a backslash are written as \\xNN\n"
         "(a backslash is \\x5C), so every \\xNN stands for one byte.\n"},
        {"size", "PATH... [--max-depth N] [--threads N]", "Print the bytes each path occupies on disk",
         "One line per PATH: bytes, a tab, the path. Counts regular files only, never follows\n"
         "a symbolic link and counts a hard-linked file once. --max-depth N counts only files\n"
         "at most N levels below each PATH. Like du -x, it leaves out what another file\n"
         "system mounted below a PATH holds. A PATH that cannot be read is reported on\n"
         "standard error and the status is 1.\n"},
        {"phase", "PHASE [--home DIR] [--applications DIR] [--json] [--threads N]", "Run one scanner alone",
         "PHASE is one of overview, catalogue, bloat, apps, media. Prints what that one\n"
         "scanner finds, as scan prints it.\n"},
        {"clean", "--what KIND [--home DIR] [--applications DIR] [--delete] [--merge] [--yes] [--quiet] [--threads N]",
         "Clean what a scan selects (a dry run without --yes)",
         "KIND is one of safe, bloat, duplicates, large, app-cache, app-uninstall, all.\n"
         "Scans, takes what the scan preselects in that workspace and lists it. With --yes\n"
         "it cleans: to the Trash, or for good with --delete, and says for every item what\n"
         "became of it. Exits with 1 when an item was left in place or only partly cleaned,\n"
         "or when another clean or restore was running, the clean lock could not be taken or\n"
         "the restore history cannot be written (then nothing is done).\n"
         "Duplicate copies on btrfs or XFS are merged with their original in place (both\n"
         "paths stay, the space is freed, nothing goes to the Trash); --merge merges every\n"
         "copy and leaves, with a reason, those that cannot be merged.\n"},
        {"history", "[--home DIR] [--json]", "List what cleans moved to the Trash, newest first",
         "Every clean, from the window or from this command, keeps a record of each item it\n"
         "moved to the Trash in $XDG_STATE_HOME/quillmere/history.jsonl (by default\n"
         "~/.local/state; with --home, DIR/.local/state unless XDG_STATE_HOME is set). One\n"
         "line per record: its state, id, when it was cleaned, its size and where it came\n"
         "from. The state is restorable (it still waits in the Trash), restored, or gone\n"
         "(the Trash was emptied or the item was moved out of it).\n"},
        {"restore", "ID... | --last | --all [--home DIR] [--applications DIR]",
         "Put items back from the Trash where they were",
         "Restores the records with these ids, every record of the last clean that moved\n"
         "something to the Trash (--last), or every record not restored yet (--all), the\n"
         "newest first. Whatever now stands at an item's place goes to the Trash, never\n"
         "away, as a record of its own; a folder that is there again gets the item's entries\n"
         "merged in (\"partly restored\" when some cannot go back: the record stays). An item that\n"
         "is gone from the Trash is reported as such and never as restored. Exits with 1\n"
         "when something could not be restored, or when another clean or restore was\n"
         "running (then nothing is done).\n"},
        {"help", "[COMMAND]", "Print the commands, or how to use one", ""},
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

namespace {

constexpr std::string_view kCommonOptions =
    "Options:\n"
    "  --home DIR          work on DIR instead of your home folder\n"
    "  --applications DIR  also list macOS-layout app bundles in DIR\n"
    "  --quiet             no progress line while scanning or cleaning\n"
    "  --lang CODE         names and messages in this language (zh-Hans, en, ja, zh-Hant, ko, de,\n"
    "                      fr, es, pt, ru, it, ar); default: the locale's, English for C\n"
    "  --threads N         read N folders at once (1 to 64; default four per core, at most 16)\n"
    "  -h, --help          print how to use a command\n"
    "  --version           print the version\n";

} // namespace

std::string overviewHelp()
{
    std::string text = "usage: quillmere-cli COMMAND [OPTIONS]\n\nCommands:\n";
    for (const auto& help : commandHelps()) {
        std::string line = "  " + std::string(help.name);
        line.resize(10, ' ');
        text += line + std::string(help.summary) + "\n";
    }
    text += "\n" + std::string(kCommonOptions) +
            "\nExit status: 0 done, 1 the work ran but left something undone, 2 bad arguments.\n"
            "Run 'quillmere-cli help COMMAND' for one command; see quillmere-cli(1).\n";
    return text;
}

std::string synopses()
{
    std::string text = "usage:\n";
    for (const auto& help : commandHelps())
        text += "  quillmere-cli " + std::string(help.name) + " " + std::string(help.synopsis) + "\n";
    return text + "  quillmere-cli --version\n";
}

std::string commandHelpText(const CommandHelp& help)
{
    std::string text = "usage: quillmere-cli " + std::string(help.name) + " " + std::string(help.synopsis) + "\n\n";
    text += std::string(help.summary) + ".\n";
    if (!help.details.empty())
        text += std::string(help.details);
    return text;
}

int runHelp(const Arguments& args)
{
    if (args.empty()) {
        std::cout << overviewHelp();
        return 0;
    }
    if (args.size() > 1)
        return usage("help takes one command");
    const CommandHelp* help = findCommandHelp(args.front());
    if (!help)
        return usage("unknown command '" + args.front() + "'");
    std::cout << commandHelpText(*help);
    return 0;
}

} // namespace cli
