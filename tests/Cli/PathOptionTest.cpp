// A folder given empty ("--home $UNSET" in a script) or not given at all after its option
// is a usage error in both programs, never "the default": that would be the real home.
// Every call also carries an option that makes a faulty program stop harmlessly.
#include "support/RunProgram.h"

#include <gtest/gtest.h>

TEST(PathOptions, AnEmptyOrMissingFolderIsAUsageError)
{
    for (const std::vector<std::string>& argv : {
             std::vector<std::string>{QUILLMERE_APP_PATH, "--home", "", "--version"},
             std::vector<std::string>{QUILLMERE_APP_PATH, "--applications", "", "--version"},
             std::vector<std::string>{QUILLMERE_APP_PATH, "--version", "--home"},
             std::vector<std::string>{QUILLMERE_CLI_PATH, "size", ""},
             std::vector<std::string>{QUILLMERE_CLI_PATH, "scan", "--home", "", "--json", "unexpected"},
         }) {
        SCOPED_TRACE(argv[1] + " " + argv[2]);
        const auto run = runProgram(argv);
        EXPECT_EQ(run.exitStatus, 2) << run.out << run.err;
        EXPECT_NE(run.err.find("usage"), std::string::npos) << run.err;
    }
}
