// What the command line prints for people is in the language the locale or --lang chose:
// nothing of another script in a scan or the history, whichever variable decided.
#include "L10n/BidiIsolation.h"
#include "L10n/Catalogues.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"
#include "support/TextScripts.h"

#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

namespace {

// Fields that hold ids, paths, colours, commands and the disk's name: never a text of ours.
const std::set<std::string> kIdentifierFields{
    "id",         "url",       "appURL",       "home",     "bundleId",   "kind",           "clean",
    "symbolName", "accentHex", "secondaryHex", "colorHex", "volumeName", "rebuildCommand", "uninstallCommand"};

// The parts of a readable report a person reads: each field's value but for numbers, dates
// and truth values (field names are the records' own), and lines that are not fields as they
// are. A history line is a state keyword, an id, a date, a size and a path: its size is read.
std::vector<std::string> readParts(const std::string& out)
{
    static const std::regex field(R"(^\s*(?:- )?([A-Za-z]+): ?(.*)$)");
    static const std::regex figure(R"(^(true|false|null|[-+.0-9eE]+|[0-9-]+T[0-9:]+Z)$)");
    std::vector<std::string> parts;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::count(line.begin(), line.end(), '\t') == 4) {
            std::istringstream columns(line);
            std::string column;
            for (int i = 0; i < 4; ++i)
                std::getline(columns, column, '\t');
            parts.push_back(column);
        } else if (!std::regex_match(line, match, field)) {
            parts.push_back(line);
        } else if (!kIdentifierFields.contains(match[1].str()) && !std::regex_match(match[2].str(), figure)) {
            parts.push_back(match[2].str());
        }
    }
    return parts;
}

QStringList namesIn(const std::string& home)
{
    QStringList names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home))
        names.append(QString::fromStdString(entry.path().filename().string()));
    return names;
}

} // namespace

TEST(CliScripts, ScanAndHistoryAreSaidInTheLanguageTheLocaleOrLangChose)
{
    TempHome home;
    home.allocatedFile(".cache/mozilla/firefox/p.default/cache2/entry", 6 * MiB);
    home.allocatedFile(".cache/pip/wheels/w", 4 * MiB);
    home.allocatedFile("Downloads/tool_1.0_amd64.deb", 30 * MiB);
    home.allocatedFile("Documents/db/model.sqlite", 30 * MiB);
    home.file("Videos/trip.mp4", 4 * MiB, 'v');
    home.file("Desktop/trip copy.mp4", 4 * MiB, 'v');
    home.allocatedFile("Documents/analytics/node_modules/lib.js", 16 * MiB);
    home.file("Documents/analytics/package.json", 2);
    home.setModifiedDaysAgo("Documents/analytics", 40);
    const std::string state = "XDG_STATE_HOME=" + home.at(".local/state");
    const ProgramResult none = runProgram({QUILLMERE_CLI_PATH, "history", "--home", home.path()},
                                          {state, "LANG=ja_JP.UTF-8", "LC_ALL=", "LANGUAGE=", "LC_MESSAGES="});
    EXPECT_EQ(none.out, "まだどのクリーンアップもゴミ箱に何も移していません。\n");
    // A clean into the test home's own Trash gives the history something to list.
    const ProgramResult clean =
        runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "safe", "--home", home.path(), "--yes", "--quiet"}, {state});
    ASSERT_EQ(clean.exitStatus, 0) << clean.err;
    const QStringList names = namesIn(home.path());

    struct Case {
        std::vector<std::string> env; // LANG, LC_ALL, LANGUAGE
        std::vector<std::string> lang;
        AppLanguage said;
    };
    const Case cases[] = {
        {{"LANG=en_US.UTF-8", "LC_ALL=", "LANGUAGE="}, {}, AppLanguage::en},
        {{"LANG=C.UTF-8", "LC_ALL=", "LANGUAGE=ja"}, {}, AppLanguage::en}, // C reads no LANGUAGE
        {{"LANG=ja_JP.UTF-8", "LC_ALL=", "LANGUAGE="}, {}, AppLanguage::ja},
        {{"LANG=de_DE.UTF-8", "LC_ALL=", "LANGUAGE=ko:de"}, {}, AppLanguage::ko},
        {{"LANG=en_US.UTF-8", "LC_ALL=ar_EG.UTF-8", "LANGUAGE="}, {}, AppLanguage::ar},
        {{"LANG=ja_JP.UTF-8", "LC_ALL=", "LANGUAGE="}, {"--lang", "zh-Hant"}, AppLanguage::zhHant},
    };
    for (const Case& run : cases) {
        std::vector<std::string> env = run.env;
        env.push_back(state);
        env.push_back("LC_MESSAGES=");
        // English help has nothing of another script (other languages: the test below).
        if (run.said == AppLanguage::en)
            for (const char* topic : {"scan", "history"}) {
                const ProgramResult help = runProgram({QUILLMERE_CLI_PATH, "help", topic}, env);
                std::istringstream lines(help.out);
                for (std::string line; std::getline(lines, line);)
                    EXPECT_FALSE(wrongScriptPart(QString::fromStdString(line), AppLanguage::en)) << line;
            }
        for (const char* command : {"scan", "history"}) {
            std::vector<std::string> argv{QUILLMERE_CLI_PATH, command, "--home", home.path()};
            argv.insert(argv.end(), run.lang.begin(), run.lang.end());
            const ProgramResult result = runProgram(argv, env);
            ASSERT_EQ(result.exitStatus, 0) << command << " " << run.env.front() << ": " << result.err;
            EXPECT_GE(readParts(result.out).size(), 2u) << result.out;
            for (const std::string& part : readParts(result.out))
                if (auto wrong = wrongScriptPart(QString::fromStdString(part), run.said, names))
                    ADD_FAILURE() << command << " in " << code(run.said) << " (" << run.env.front() << " "
                                  << run.env.back() << "): \"" << part << "\" [" << wrong->toStdString() << "]";
        }
    }
}

namespace {

// What the command line writes as it is in every language: commands, options, KIND and PHASE
// keywords, placeholders, the history's state words, tools and formats it names.
const QStringList kCliKeywords =
    QStringLiteral("quillmere-cli(1)|quillmere-cli|COMMAND|OPTIONS|DIR|PATH|PHASE|KIND|CODE|ID|N|C|"
                   "--home|--applications|--json|--quiet|--threads|--max-depth|--what|--delete|--merge|--yes|"
                   "--last|--all|--lang|--version|--help|-h|"
                   "scan|size|phase|clean|history|restore|help|safe|bloat|duplicates|large|app-cache|"
                   "app-uninstall|all|overview|catalogue|apps|media|restorable|restored|gone|id|ids|"
                   "zh-Hans|zh-Hant|en|ja|ko|de|fr|es|pt|ru|it|ar|JSON|ISO|UTC|UTF-8|\\xNN|\\x5C|du -x|btrfs|XFS|"
                   "flatpak uninstall --user|flatpak|PackageKit|chmod go-w|XDG_STATE_HOME|$XDG_STATE_HOME|"
                   "nope|no-such-record")
        .split(u'|');

struct CliRun {
    std::string what;
    ProgramResult result;
};

// Every line a person reads on either stream; tab-separated columns are read one by one.
void expectAllSaidIn(const std::vector<CliRun>& runs, AppLanguage language, const QStringList& names)
{
    for (const CliRun& run : runs)
        for (std::string stream : {run.result.out, run.result.err}) {
            // A progress line is redrawn after a carriage return and ends by clearing the rest.
            std::replace(stream.begin(), stream.end(), '\r', '\n');
            for (auto at = stream.find("\033[K"); at != std::string::npos; at = stream.find("\033[K", at))
                stream.erase(at, 3);
            std::istringstream lines(stream);
            for (std::string line; std::getline(lines, line);)
                if (auto wrong = wrongScriptPart(QString::fromStdString(line), language, names))
                    ADD_FAILURE() << run.what << " in " << code(language) << ": \"" << line << "\" ["
                                  << wrong->toStdString() << "]";
        }
}

} // namespace

// Help, a clean's plan and outcome, a restore and the errors of bad arguments: each in the
// chosen language with every count, size and path in place, and English exactly as before.
TEST(CliScripts, HelpCleanRestoreAndErrorsAreSaidInTheChosenLanguage)
{
    TempHome home;
    // Each case cleans these and restores them for the next.
    home.allocatedFile(".cache/mozilla/firefox/p.default/cache2/entry", 6 * MiB);
    home.allocatedFile(".cache/pip/wheels/w", 4 * MiB);
    const std::string state = "XDG_STATE_HOME=" + home.at(".local/state");
    QStringList names = namesIn(home.path()) + kCliKeywords;
    names.append(QString::fromStdString(home.path()));

    struct Case {
        std::vector<std::string> env;
        std::vector<std::string> lang;
        AppLanguage said;
    };
    const Case cases[] = {
        {{"LANG=ja_JP.UTF-8", "LC_ALL=", "LANGUAGE="}, {}, AppLanguage::ja},
        {{"LANG=C.UTF-8", "LC_ALL=", "LANGUAGE=ja"}, {"--lang", "ar"}, AppLanguage::ar},
        {{"LANG=en_US.UTF-8", "LC_ALL=", "LANGUAGE="}, {"--lang", "ru"}, AppLanguage::ru},
        {{"LANG=en_US.UTF-8", "LC_ALL=", "LANGUAGE="}, {}, AppLanguage::en},
        {{"LANG=C.UTF-8", "LC_ALL=", "LANGUAGE=de"}, {}, AppLanguage::en},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(std::string(code(each.said)) + " " + each.env.front());
        std::vector<std::string> env = each.env;
        env.push_back(state);
        env.push_back("LC_MESSAGES=");
        const auto run = [&](std::vector<std::string> args, int terminalColumns = 0) {
            args.insert(args.begin(), QUILLMERE_CLI_PATH);
            args.insert(args.end(), each.lang.begin(), each.lang.end());
            std::string what;
            for (std::size_t i = 1; i < args.size(); ++i)
                what += (i > 1 ? " " : "") + args[i];
            return CliRun{what, runProgram(args, env, 120, terminalColumns)};
        };
        const std::vector<std::string> inHome{"--home", home.path(), "--quiet"};
        const auto with = [&inHome](std::vector<std::string> args) {
            args.insert(args.end(), inHome.begin(), inHome.end());
            return args;
        };
        std::vector<CliRun> runs{run({"help"}), run({"help", "clean"}), run(with({"clean", "--what", "safe"}))};
        // On a terminal, so that the scan's and the clean's progress lines are read too.
        runs.push_back(run({"clean", "--what", "safe", "--yes", "--home", home.path()}, 200));
        runs.push_back(run(with({"restore", "--last"})));
        runs.push_back(run(with({"restore", "no-such-record"})));
        runs.push_back(run(with({"clean", "--what", "nope"})));
        runs.push_back(run(with({"history", "--threads", "0"})));
        const CliRun &help = runs[0], &helpClean = runs[1], &plan = runs[2], &clean = runs[3], &restore = runs[4],
                     &unknownId = runs[5], &unknownKind = runs[6], &badNumber = runs[7];

        // The work itself is the same in every language: statuses, files moved and put back.
        EXPECT_EQ(help.result.exitStatus, 0);
        EXPECT_EQ(plan.result.exitStatus, 0) << plan.result.err;
        ASSERT_EQ(clean.result.exitStatus, 0) << clean.result.err;
        ASSERT_EQ(restore.result.exitStatus, 0) << restore.result.out << restore.result.err;
        EXPECT_TRUE(std::filesystem::exists(home.at(".cache/pip/wheels/w")));
        EXPECT_EQ(unknownId.result.exitStatus, 1);
        EXPECT_EQ(unknownKind.result.exitStatus, 2);
        EXPECT_EQ(badNumber.result.exitStatus, 2);
        EXPECT_NE(plan.result.out.find("\t" + home.at(".cache/pip")), std::string::npos) << plan.result.out;
        EXPECT_NE(unknownKind.result.err.find("nope"), std::string::npos) << unknownKind.result.err;

        expectAllSaidIn(runs, each.said, names);
        if (each.said == AppLanguage::en) {
            EXPECT_NE(
                help.result.out.find("usage: quillmere-cli COMMAND [OPTIONS]\n\nCommands:\n  scan    Run the full"),
                std::string::npos);
            EXPECT_NE(helpClean.result.out.find("Clean what a scan selects (a dry run without --yes).\nKIND is one"),
                      std::string::npos);
            EXPECT_NE(plan.result.out.find("Would move to the Trash:\n"), std::string::npos);
            EXPECT_TRUE(std::regex_search(plan.result.out, std::regex("\n2 items, [0-9.]+ MB in all.\nDry run: "
                                                                      "nothing was changed. Add --yes to clean.\n$")))
                << plan.result.out;
            EXPECT_NE(clean.result.out.find("  moved to the Trash\t" + home.at(".cache/pip")), std::string::npos);
            EXPECT_TRUE(
                std::regex_search(restore.result.out, std::regex("\nRestored 2 of 2 items \\([0-9.]+ MB\\).\n$")))
                << restore.result.out;
            EXPECT_TRUE(
                std::regex_match(unknownId.result.out,
                                 std::regex("  no such record\tno-such-record\nRestored 0 of 1 item \\(.+\\)\\.\n")))
                << unknownId.result.out;
            EXPECT_EQ(unknownKind.result.err.substr(0, unknownKind.result.err.find('\n')),
                      "quillmere-cli: unknown --what 'nope'");
            EXPECT_EQ(badNumber.result.err.substr(0, badNumber.result.err.find('\n')),
                      "quillmere-cli: --threads takes a whole number from 1 to 64");
        } else {
            // Said, not only free of other scripts: each sentence is the catalogue's own.
            EXPECT_NE(plan.result.out.find(Catalogues::text("cli.clean.dryRun", each.said)), std::string::npos)
                << plan.result.out;
            EXPECT_NE(clean.result.out.find(Catalogues::text("cli.clean.movedToTrash", each.said)), std::string::npos);
            EXPECT_NE(unknownId.result.out.find(Catalogues::text("cli.restore.unknown", each.said)), std::string::npos);
            std::string restored = Catalogues::plural("cli.restore.total", each.said, 2);
            restored = restored.substr(0, restored.find("%2"));
            restored.replace(restored.find("%1"), 2, isolatedFigure("2", each.said));
            EXPECT_NE(restore.result.out.find(restored), std::string::npos) << restore.result.out;
            EXPECT_NE(helpClean.result.out.find("--what KIND [--home DIR]"), std::string::npos);
        }
    }
}
