// quillmere-cli clean as a user runs it: a dry run first, then the real clean.
#include "Platform/FileOperations.h"
#include "support/RunProgram.h"
#include "support/StandInFlatpak.h"
#include "support/TempHome.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sstream>
#include <unistd.h>

namespace {

// Paths of the lines that start with `prefix`, up to the next tab.
std::set<std::string> pathsAfter(const std::string& out, const std::string& prefix)
{
    std::set<std::string> paths;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(prefix, 0) != 0)
            continue;
        const std::string rest = line.substr(prefix.size());
        paths.insert(rest.substr(0, rest.find_first_of("\t ")));
    }
    return paths;
}

} // namespace

TEST(CliClean, DryRunChangesNothingAndTheRealRunDoesWhatItListed)
{
    TempHome home;
    home.allocatedFile("Documents/webapp/node_modules/pkg/index.js", 16 << 20); // big enough to be offered
    home.fileWithContent("Documents/webapp/package.json", "{}");
    home.setModifiedDaysAgo("Documents/webapp", 30);
    home.file("Movies/film.mov", 1 << 20);
    const auto before = snapshotTree(home.path());

    const auto dry = runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "all", "--home", home.path()});
    ASSERT_EQ(dry.exitStatus, 0) << dry.err;
    EXPECT_EQ(snapshotTree(home.path()), before);
    std::set<std::string> planned;
    std::istringstream lines(dry.out);
    for (std::string line; std::getline(lines, line);) {
        const auto firstTab = line.find('\t');
        if (line.rfind("  ", 0) == 0 && firstTab != std::string::npos)
            planned.insert(line.substr(firstTab + 1, line.find('\t', firstTab + 1) - firstTab - 1));
    }
    if (planned.empty())
        EXPECT_EQ(dry.out, "Nothing selected to clean.\n");
    else
        EXPECT_NE(dry.out.find("Dry run: nothing was changed."), std::string::npos) << dry.out;

    const auto real = runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "all", "--home", home.path(), "--yes"});
    const auto moved = pathsAfter(real.out, "  moved to the Trash\t");
    const auto skipped = pathsAfter(real.out, "  skipped (left in place)\t");
    EXPECT_EQ(real.exitStatus, skipped.empty() ? 0 : 1) << real.out << real.err;
    std::set<std::string> reported = moved;
    reported.insert(skipped.begin(), skipped.end());
    for (const auto& path : pathsAfter(real.out, "  removed\t"))
        reported.insert(path);
    EXPECT_EQ(reported, planned);
    for (const auto& path : moved)
        EXPECT_FALSE(fileops::exists(path)) << path;
    EXPECT_TRUE(fileops::exists(home.at("Documents/webapp/package.json")));
}

TEST(CliClean, AUserFlatpakItsToolFailedToRemoveIsReportedSkippedAndFailsTheRun)
{
    TempHome home;
    const std::string app = ".local/share/flatpak/app/org.gimp.GIMP";
    home.fileWithContent(app + "/x86_64/stable/0a1b/metadata", "[Application]\nname=org.gimp.GIMP\n");
    home.allocatedFile(app + "/x86_64/stable/0a1b/files/bin/app", 6 * MiB);
    home.symlink(app + "/x86_64/stable/active", "0a1b");
    const StandInFlatpak tool(3);

    const auto run = runProgram(
        {QUILLMERE_CLI_PATH, "clean", "--what", "app-uninstall", "--home", home.path(), "--yes"}, {tool.pathEntry()});
    EXPECT_EQ(run.exitStatus, 1) << run.out << run.err;
    EXPECT_EQ(tool.calls(), std::vector<std::string>{"uninstall|--user|--noninteractive|org.gimp.GIMP|"});
    EXPECT_NE(run.out.find("  skipped (left in place)\t" + home.at(app) + "\tflatpak uninstall failed (exit status 3)"),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(fileops::exists(home.at(app + "/x86_64/stable/0a1b/files/bin/app")));

    // Nothing of that goes to the Trash: the dry run says what would run, and that it is final.
    const auto dry =
        runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "app-uninstall", "--home", home.path()}, {tool.pathEntry()});
    EXPECT_EQ(dry.exitStatus, 0) << dry.err;
    EXPECT_NE(dry.out.find("would run flatpak uninstall --user org.gimp.GIMP (cannot be restored)"), std::string::npos)
        << dry.out;
    EXPECT_EQ(dry.out.find(home.at(app)), std::string::npos) << dry.out;
}

// Whatever lies under /tmp/ is deleted even in Trash mode; the dry run must not promise
// the Trash for it. Only a dry run runs on this home.
TEST(CliClean, DryRunSaysWhatWouldBeDeletedForGood)
{
    std::string home = "/tmp/quillmere-cli-XXXXXX";
    ASSERT_NE(mkdtemp(home.data()), nullptr);
    std::filesystem::create_directories(home + "/Downloads");
    const std::string installer = home + "/Downloads/setup.dmg";
    const int fd = ::open(installer.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    const int allocated = posix_fallocate(fd, 0, 26 << 20); // large enough to be offered, and preselected
    ::close(fd);

    const auto dry = runProgram({QUILLMERE_CLI_PATH, "clean", "--what", "large", "--home", home});
    std::filesystem::remove_all(home);
    ASSERT_EQ(allocated, 0);
    ASSERT_EQ(dry.exitStatus, 0) << dry.err;
    const auto line = dry.out.find(installer);
    ASSERT_NE(line, std::string::npos) << dry.out;
    EXPECT_NE(dry.out.substr(line, dry.out.find('\n', line) - line).find("deleted for good"), std::string::npos)
        << dry.out;
}
