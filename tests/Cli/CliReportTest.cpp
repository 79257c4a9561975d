// What quillmere-cli prints must be true and unambiguous: a missing path is an error as
// du has it, every \xNN in JSON stands for one byte, and a partly cleaned item is said
// to be partly cleaned, with exit status 1.
#include "support/HomeFixtures.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>

TEST(CliReport, SizeOfAMissingPathIsAnErrorAndTheOthersArePrinted)
{
    TempHome home;
    home.allocatedFile("here/blob", 8192);
    const auto run = runProgram({QUILLMERE_CLI_PATH, "size", home.at("gone"), home.at("here")});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.err.find(home.at("gone")), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, std::to_string(home.allocated("here/blob")) + "\t" + home.at("here") + "\n");
}

// A name holding the four characters \xFF and a name holding the byte 0xFF must not
// print alike: a backslash of the name is written as \x5C.
TEST(CliReport, JsonTellsABackslashFromAnEscapedByteAndCarriesEveryTotal)
{
    TempHome home;
    largeInstaller(home, "Downloads/a\\xFF.zip", 'b');
    largeInstaller(home, "Downloads/a\xFF.zip", 'c');
    const auto run = runProgram({QUILLMERE_CLI_PATH, "scan", "--json", "--home", home.path()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const auto report = nlohmann::json::parse(run.out);
    std::set<std::string> names;
    for (const auto& file : report["largeFiles"])
        names.insert(file["name"]);
    EXPECT_EQ(names, (std::set<std::string>{"a\\x5CxFF.zip", "a\\xFF.zip"}));
    EXPECT_TRUE(report["totals"].contains("totalSelectedUninstallBytes"));
}

// Deleting an idle project's dependencies whose tree is deeper than a removal can go
// leaves part of it: the clean says so and ends with status 1.
TEST(CliReport, APartlyDeletedFolderIsReportedAsSuchWithStatusOne)
{
    TempHome home;
    const std::string artefact = idleArtefact(home, "Documents/webapp", "node_modules", 'n');
    home.deepChain("Documents/webapp/node_modules/deep", 5000);
    home.setModifiedDaysAgo("Documents/webapp", 30);

    const auto run = runProgram(
        {QUILLMERE_CLI_PATH, "clean", "--what", "bloat", "--home", home.path(), "--delete", "--yes", "--lang", "en"});
    EXPECT_EQ(run.exitStatus, 1) << run.out << run.err;
    EXPECT_NE(run.out.find("partly cleaned"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("  removed\t"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Left untouched (in use or no permission): 1"), std::string::npos) << run.out;
}
