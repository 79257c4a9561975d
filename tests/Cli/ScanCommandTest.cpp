// quillmere-cli scan --json over one home that fills every list: each list carries its
// records with their fields, and the totals count them.
#include "support/PlistWriter.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

TEST(ScanCommand, ReportsEveryListOfTheGivenFoldersAsJson)
{
    TempHome home, apps;
    home.allocatedFile("Library/Caches/Google/Chrome/blob", 30 * MiB);
    home.allocatedFile("Desktop/projects/site/node_modules/react/index.js", 20 * MiB);
    home.setModifiedDaysAgo("Desktop/projects/site", 12.5); // half a day clear of any clock change
    apps.allocatedFile("Editor.app/Contents/Executables/editor", 6 * MiB);
    apps.fileWithContent("Editor.app/Contents/Info.plist",
                         plistfixture::binary({{"CFBundleIdentifier", "com.acme.editor"}}));
    home.allocatedFile("Library/HTTPStorages/com.acme.editor/blob", 1 * MiB);
    home.allocatedFile("Downloads/editor-2.1.zip", 30 * MiB);
    const std::string content(4 * MiB, 'd');
    home.fileWithContent("Desktop/copy.bin", content);
    home.fileWithContent("Documents/old/copy.bin", content);
    home.fileWithContent(".local/share/Trash/files/old", std::string(10000, 'x'));

    const auto run =
        runProgram({QUILLMERE_CLI_PATH, "scan", "--json", "--home", home.path(), "--applications", apps.path()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["overview"]["trashBytes"], home.allocated(".local/share/Trash/files/old"));
    EXPECT_TRUE(report["sunburstSlices"].is_array());
    EXPECT_EQ(report["scanStatusText"], "已为您自动完成安全核实：勾选项目均可直接放心清理，无需逐一打开文件管理器核对");

    const auto& cards = report["ruleCards"];
    ASSERT_EQ(cards.size(), 2u); // the browser card and the system card around it
    EXPECT_EQ(cards[0]["id"], "card-browsers");
    const auto& item = cards[0]["subItems"][0];
    EXPECT_EQ(item["url"], home.at("Library/Caches/Google"));
    EXPECT_EQ(item["sizeBytes"], 30 * MiB);
    EXPECT_EQ(item["lastModifiedText"], "随时可安全重构");
    EXPECT_EQ(item["contentPreview"], nlohmann::json::array({"Chrome (30.0 MB)"}));
    EXPECT_EQ(item["isSelected"], true);
    EXPECT_EQ(cards[1]["id"], "card-macos-system");

    ASSERT_EQ(report["projectBloats"].size(), 1u);
    const auto& artefact = report["projectBloats"][0];
    EXPECT_EQ(artefact["displayPath"], "~/Desktop/projects/site/node_modules");
    EXPECT_EQ(artefact["daysSinceModified"], 12);
    EXPECT_EQ(artefact["rebuildCommand"], "npm install");
    EXPECT_EQ(artefact["isSelected"], true);

    ASSERT_EQ(report["installedApps"].size(), 1u);
    EXPECT_EQ(report["installedApps"][0]["bundleId"], "com.acme.editor");
    EXPECT_EQ(report["installedApps"][0]["orphanURLs"][0], home.at("Library/HTTPStorages/com.acme.editor"));
    ASSERT_EQ(report["largeFiles"].size(), 1u);
    EXPECT_EQ(report["largeFiles"][0]["verificationBadge"], "已核实：安装包冗余 · 推荐直删"); // matched to Editor
    ASSERT_EQ(report["duplicateGroups"].size(), 1u);
    EXPECT_EQ(report["duplicateGroups"][0]["members"][1]["folderName"], "~/Documents/old");

    EXPECT_EQ(report["totals"]["totalScannedSafeBytes"], 60 * MiB);
    EXPECT_EQ(report["totals"]["totalScannedBloatBytes"], 20 * MiB);
    EXPECT_EQ(report["totals"]["totalScannedDuplicateBytes"], 4 * MiB);
}
