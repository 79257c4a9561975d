// The two programs as a user runs them.
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <sys/stat.h>

namespace {

// An independent measure: st_blocks × 512 over regular files, each inode once.
std::int64_t independentSize(const std::string& root)
{
    std::int64_t total = 0;
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        struct stat st;
        if (lstat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (seen.insert({st.st_dev, st.st_ino}).second)
            total += std::int64_t(st.st_blocks) * 512;
    }
    return total;
}

} // namespace

TEST(CliSize, AgreesWithAnIndependentSumOfAllocatedBlocks)
{
    TempHome home;
    home.file("t/a", 5000);
    home.allocatedFile("t/deep/er/b", 300000);
    home.sparseFile("t/sparse", 1 << 30);
    home.hardlink("t/deep/again", "t/a");
    home.symlink("t/link", home.at("t/a"));
    home.file("t/\xff\xfe name/c", 123);
    const auto result = runProgram({QUILLMERE_CLI_PATH, "size", home.at("t")});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, std::to_string(independentSize(home.at("t"))) + "\t" + home.at("t") + "\n");

    const auto shallow = runProgram({QUILLMERE_CLI_PATH, "size", home.at("t"), "--max-depth", "1"});
    EXPECT_EQ(shallow.out,
              std::to_string(home.allocated("t/a") + home.allocated("t/sparse")) + "\t" + home.at("t") + "\n");
}

// Bad arguments are usage errors (UsageErrorTest); a home that is not there is merely empty.
TEST(CliScan, AMissingHomeIsNotAnError)
{
    const auto missing =
        runProgram({QUILLMERE_CLI_PATH, "scan", "--home", "/var/tmp/quillmere-no-such-home", "--lang", "en"});
    EXPECT_EQ(missing.exitStatus, 0);
    EXPECT_NE(missing.out.find("0 KB can be freed"), std::string::npos) << missing.out;
    // In Simplified Chinese the last two lines read exactly as the engine's own, which --json keeps.
    const auto json = nlohmann::json::parse(
        runProgram({QUILLMERE_CLI_PATH, "scan", "--home", "/var/tmp/quillmere-no-such-home", "--json"}).out);
    const auto chinese =
        runProgram({QUILLMERE_CLI_PATH, "scan", "--home", "/var/tmp/quillmere-no-such-home", "--lang", "zh-Hans"});
    for (const char* line : {"currentScanningPath", "scanStatusText"})
        EXPECT_NE(chinese.out.find(std::string(line) + ": " + json[line].get<std::string>() + "\n"), std::string::npos)
            << chinese.out;
}

TEST(CliScan, NamesThatAreNotUtf8OrControlCharactersAreEscapedNotDropped)
{
    TempHome home;
    const auto result = runProgram({QUILLMERE_CLI_PATH, "scan", "--home", home.at("h\xff\nx"), "--json"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(nlohmann::json::parse(result.out)["home"], home.at("h") + "\\xFF\\x0Ax");
}

// The line it prints at the end is in the window's language, here the one the locale asks for.
TEST(WindowProgram, StartsOffscreenScansAndQuits)
{
    TempHome home;
    const auto result = runProgram(
        {QUILLMERE_APP_PATH, "--home", home.path(), "--applications", home.at("Applications"), "--quit-after-scan"},
        {"QT_QPA_PLATFORM=offscreen", "QT_QUICK_BACKEND=software", "XDG_CONFIG_HOME=" + home.at("config"),
         "LANG=de_DE.UTF-8", "LC_ALL=", "LANGUAGE="});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("Automatische Prüfung abgeschlossen · "), std::string::npos) << result.out << result.err;
}
