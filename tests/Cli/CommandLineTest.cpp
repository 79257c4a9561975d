// quillmere-cli behaves as a command line is expected to: version, help, and a progress
// line that only a person at a terminal sees.
#include "Platform/FileOperations.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

namespace {

// The command names the overview lists under "Commands:".
std::vector<std::string> listedCommands(const std::string& overview)
{
    std::vector<std::string> names;
    std::istringstream lines(overview.substr(overview.find("Commands:\n") + 10));
    for (std::string line; std::getline(lines, line) && !line.empty();)
        names.push_back(line.substr(2, line.find(' ', 2) - 2));
    return names;
}

// The text of the last drawing of the progress line, and whether the line was cleared after it.
struct DrawnLines {
    std::vector<std::string> lines;
    bool clearedAtEnd = false;
};

DrawnLines drawnLines(const std::string& err)
{
    DrawnLines drawn;
    drawn.clearedAtEnd = err.size() >= 4 && err.substr(err.size() - 4) == "\r\033[K";
    std::istringstream parts(err);
    for (std::string part; std::getline(parts, part, '\r');)
        if (part.size() > 3)
            drawn.lines.push_back(part.substr(0, part.size() - 3)); // without the erase-to-end
    return drawn;
}

// Terminal cells of a UTF-8 line whose only wide characters are CJK ideographs; -1 when a
// character is cut.
int cells(const std::string& text)
{
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (i + length > text.size())
            return -1;
        width += length == 3 && lead >= 0xE4 && lead <= 0xE9 ? 2 : 1;
        i += length;
    }
    return width;
}

} // namespace

TEST(CliCommandLine, VersionAndHelpAnswerWithoutDoingAnyWork)
{
    const auto version = runProgram({QUILLMERE_CLI_PATH, "--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("quillmere-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
    // The window answers before it needs a display: here none can be reached.
    const auto window = runProgram({QUILLMERE_APP_PATH, "--version"}, {"QT_QPA_PLATFORM=xcb", "DISPLAY="});
    EXPECT_EQ(window.exitStatus, 0) << window.err;
    EXPECT_EQ(window.out, "quillmere" + version.out.substr(13));

    const auto overview = runProgram({QUILLMERE_CLI_PATH, "help"});
    EXPECT_EQ(overview.exitStatus, 0);
    const auto commands = listedCommands(overview.out);
    EXPECT_EQ(commands, (std::vector<std::string>{"scan", "size", "phase", "clean", "history", "restore", "help"}));
    for (const auto& command : commands) {
        const auto help = runProgram({QUILLMERE_CLI_PATH, "help", command});
        EXPECT_EQ(help.exitStatus, 0) << command;
        EXPECT_EQ(help.out.rfind("usage: quillmere-cli " + command + " ", 0), 0u) << help.out;
        const auto flag = runProgram({QUILLMERE_CLI_PATH, command, "--help"});
        EXPECT_EQ(flag.exitStatus, 0) << command;
        EXPECT_EQ(flag.out, help.out);
    }
    EXPECT_EQ(runProgram({QUILLMERE_CLI_PATH, "help", "frobnicate"}).exitStatus, 2);
    EXPECT_EQ(runProgram({QUILLMERE_CLI_PATH, "frobnicate", "--help"}).exitStatus, 2);
}

TEST(CliCommandLine, HelpAnywhereInACleanExplainsAndCleansNothing)
{
    TempHome home;
    const std::string installer = home.allocatedFile("Downloads/setup.iso", 26 * MiB);
    const auto result =
        runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "large", "--home", home.path(), "--yes", "-h"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out.rfind("usage: quillmere-cli clean ", 0), 0u) << result.out;
    EXPECT_TRUE(fileops::exists(installer));
}

TEST(CliProgress, OnATerminalOneLineIsRedrawnAndClearedElsewhereNothingIsWritten)
{
    TempHome home;
    home.allocatedFile("Downloads/setup.iso", 26 * MiB);
    const std::vector<std::string> scan = {QUILLMERE_CLI_PATH, "scan", "--home", home.path()};

    const auto piped = runProgram(scan);
    EXPECT_EQ(piped.exitStatus, 0);
    EXPECT_EQ(piped.err, "");

    const auto terminal = runProgram(scan, {}, 120, 200);
    EXPECT_EQ(terminal.exitStatus, 0);
    EXPECT_NE(terminal.out.find("name: setup.iso\n"), std::string::npos); // the report is untouched
    EXPECT_EQ(terminal.err.find('\n'), std::string::npos);
    const auto drawn = drawnLines(terminal.err);
    EXPECT_TRUE(drawn.clearedAtEnd) << terminal.err;
    // Redrawn as the scan moves on (a small home may be done before a second drawing), never
    // going back.
    ASSERT_FALSE(drawn.lines.empty());
    int lastPercent = -1;
    for (const auto& line : drawn.lines) {
        ASSERT_EQ(line.rfind("Scanning ", 0), 0u) << line;
        const int percent = std::stoi(line.substr(9));
        EXPECT_GE(percent, lastPercent) << line;
        lastPercent = percent;
    }

    auto quiet = scan;
    quiet.push_back("--quiet");
    const auto silenced = runProgram(quiet, {}, 120, 200);
    EXPECT_EQ(silenced.exitStatus, 0);
    EXPECT_EQ(silenced.err, "");
}

// The name of the item being cleaned is shown in the line: it must neither steer the
// terminal nor break the line by being cut inside a character or running past the width.
TEST(CliProgress, ACleanLineShowsAHostileWideNameSafelyWithinTheWidth)
{
    TempHome home;
    const std::string name = "Downloads/\033]0;owned\007\xC2\x9B"
                             "2J大文件大文件大文件大文件大文件大文件大文件.iso";
    home.allocatedFile(name, 26 * MiB);

    const auto result =
        runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "large", "--yes", "--home", home.path()}, {}, 120, 74);
    EXPECT_EQ(result.exitStatus, 0) << result.out;
    EXPECT_FALSE(fileops::exists(home.at(name)));
    const auto drawn = drawnLines(result.err);
    EXPECT_TRUE(drawn.clearedAtEnd);
    // The clean's first drawing names the item; its ideographs reach the edge of the line.
    const auto clean = std::find_if(drawn.lines.begin(), drawn.lines.end(),
                                    [](const std::string& line) { return line.rfind("Cleaning 0/1 ", 0) == 0; });
    ASSERT_NE(clean, drawn.lines.end()) << result.err;
    EXPECT_NE(clean->find("\\x1B]0;owned\\x07"), std::string::npos) << *clean;
    EXPECT_GE(cells(*clean), 72);
    for (const auto& line : drawn.lines) {
        EXPECT_EQ(line.find_first_of("\033\007"), std::string::npos) << line;
        EXPECT_EQ(line.find("\xC2\x9B"), std::string::npos) << line; // the one-character escape
        const int width = cells(line);
        EXPECT_GE(width, 0) << "a character was cut: " << line;
        EXPECT_LE(width, 73) << line;
    }
}
