// What either program does not understand is a usage error (status 2, a usage line), never
// a guess. A folder given empty ("--home $UNSET" in a script) or not given at all after its
// option is never "the default": that would be the real home. Calls that a faulty program
// could act on carry an option that makes it stop harmlessly (--version, --json unexpected),
// or point at an empty test home.
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

TEST(UsageErrors, EveryArgumentNotUnderstoodStopsBothPrograms)
{
    TempHome home;
    const std::string app = QUILLMERE_APP_PATH, cli = QUILLMERE_CLI_PATH, h = home.path();
    for (const std::vector<std::string>& argv : {
             std::vector<std::string>{app, "--home", "", "--version"},
             std::vector<std::string>{app, "--applications", "", "--version"},
             std::vector<std::string>{app, "--version", "--home"},
             std::vector<std::string>{cli},
             std::vector<std::string>{cli, "size"},
             std::vector<std::string>{cli, "size", ""},
             std::vector<std::string>{cli, "size", h, "--max-depth", "x"},
             std::vector<std::string>{cli, "scan", "--home"},
             std::vector<std::string>{cli, "scan", "--frobnicate"},
             std::vector<std::string>{cli, "scan", "--home", h, "--applications"},
             std::vector<std::string>{cli, "scan", "--home", "", "--json", "unexpected"},
             std::vector<std::string>{cli, "clean", "--home", h},
             std::vector<std::string>{cli, "clean", "--what", "everything", "--home", h},
             std::vector<std::string>{cli, "clean", "--what", "safe", "--home", h, "--force"},
             std::vector<std::string>{cli, "clean", "--what", "safe", "--home", ""},
             std::vector<std::string>{cli, "clean", "--what", "safe", "--home", h, "--applications", ""},
         }) {
        std::string line;
        for (std::size_t i = 1; i < argv.size(); ++i)
            line += " [" + argv[i] + "]";
        SCOPED_TRACE(argv[0].substr(argv[0].rfind('/') + 1) + line);
        const auto run = runProgram(argv);
        EXPECT_EQ(run.exitStatus, 2) << run.out << run.err;
        EXPECT_NE(run.err.find("usage"), std::string::npos) << run.err;
    }
}
