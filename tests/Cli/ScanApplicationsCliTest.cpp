#include "support/PlistWriter.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace
{

constexpr std::int64_t MiB = 1 << 20;

// The whole scan through the command line: applications from the folder given with
// --applications, and the large files, groups and leftovers found for them.
TEST(ScanCommand, ReportsApplicationsLargeFilesAndDuplicatesOfTheGivenFolders)
{
    TempHome home;
    TempHome apps;
    apps.allocatedFile("Editor.app/Contents/Executables/editor", 6 * MiB);
    apps.fileWithContent("Editor.app/Contents/Info.plist",
                         plistfixture::binary({{"CFBundleIdentifier", "com.acme.editor"}}));
    home.allocatedFile("Library/Caches/com.acme.editor/blob", 1 * MiB);
    home.allocatedFile("Downloads/editor-2.1.zip", 30 * MiB);
    const std::string content(4 * MiB, 'd');
    home.fileWithContent("Desktop/copy.bin", content);
    home.fileWithContent("Documents/old/copy.bin", content);

    const auto run =
        runProgram({QUILLMERE_CLI_PATH, "scan", "--json", "--home", home.path(), "--applications", apps.path()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const auto report = nlohmann::json::parse(run.out);

    ASSERT_EQ(report["installedApps"].size(), 1u);
    EXPECT_EQ(report["installedApps"][0]["bundleId"], "com.acme.editor");
    EXPECT_EQ(report["installedApps"][0]["orphanURLs"][0], home.at("Library/Caches/com.acme.editor"));
    ASSERT_EQ(report["largeFiles"].size(), 1u);
    EXPECT_EQ(report["largeFiles"][0]["verificationBadge"], "已核实：安装包冗余 · 推荐直删"); // matched to Editor
    ASSERT_EQ(report["duplicateGroups"].size(), 1u);
    EXPECT_EQ(report["duplicateGroups"][0]["members"][1]["folderName"], "~/Documents/old");
    EXPECT_EQ(report["totals"]["totalScannedDuplicateBytes"], 4 * MiB);

    EXPECT_EQ(runProgram({QUILLMERE_CLI_PATH, "scan", "--home", home.path(), "--applications"}).exitStatus, 2);
}

} // namespace
