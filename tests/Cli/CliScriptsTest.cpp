// What the command line prints for people is in the language the locale or --lang chose:
// nothing of another script in a scan or the history, whichever variable decided.
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
        // Help is written in English only: it must not slip into another script there.
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
