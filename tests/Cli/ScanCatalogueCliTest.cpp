// The scan through the command line lists the catalogue cards and idle artefacts with
// every field, and counts them in the totals.
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

constexpr std::int64_t MiB = 1 << 20;

TEST(ScanCommand, ListsCatalogueCardsAndIdleArtefacts)
{
    TempHome home;
    home.allocatedFile("Library/Caches/Google/Chrome/blob", 30 * MiB);
    home.allocatedFile("Desktop/projects/site/node_modules/react/index.js", 20 * MiB);
    home.setModifiedDaysAgo("Desktop/projects/site", 12.5); // half a day clear of any clock change

    const auto run = runProgram({QUILLMERE_CLI_PATH, "scan", "--json", "--home", home.path()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const auto report = nlohmann::json::parse(run.out);

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

    EXPECT_EQ(report["totals"]["totalScannedSafeBytes"], 60 * MiB);
    EXPECT_EQ(report["totals"]["totalScannedBloatBytes"], 20 * MiB);
}

} // namespace
