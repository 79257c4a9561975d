// Idle developer artefacts on real temporary homes.
#include "Services/ProjectBloatScan.h"
#include "Models/DiskFormat.h"
#include "Services/SelectionState.h"
#include "support/FieldOf.h"
#include "support/HomeFixtures.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>

namespace {

constexpr std::int64_t kFloor = 15 * MiB;

// The same wall-clock time `days` local calendar days ago, moved by `seconds`.
Date localDaysAgo(int days, int seconds = 0)
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    tm.tm_mday -= days;
    tm.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&tm) + seconds);
}

std::vector<ProjectBloatItem> scan(const TempHome& home) { return scanDeveloperProjectBloats(home.path()); }

} // namespace

TEST(ProjectBloatScan, IdleProjectIsOfferedWithEveryField)
{
    TempHome home;
    folderOf(home, "Desktop/projects/app/node_modules/react", 200 * MiB);
    home.setModified("Desktop/projects/app", localDaysAgo(10));

    const auto items = scan(home);
    ASSERT_EQ(items.size(), 1u);
    const auto& item = items[0];
    EXPECT_EQ(item.id, home.at("Desktop/projects/app/node_modules"));
    EXPECT_EQ(item.projectName, "app");
    EXPECT_EQ(item.artifactType, "node_modules");
    EXPECT_EQ(item.displayPath, "~/Desktop/projects/app/node_modules");
    EXPECT_EQ(item.sizeBytes, 200 * MiB);
    EXPECT_EQ(item.daysSinceModified, 10);
    EXPECT_EQ(item.rebuildCommand, "npm install");
    EXPECT_EQ(item.verificationBadge, "已核实：工程已闲置 10 天 · 可安全释放");
    EXPECT_EQ(item.verificationReason, "系统检测到 [app] 已超过 10 天未改动代码，清理 node_modules 可立省 200.0 MB，"
                                       "源码 100% 保留，后续需要时执行 `npm install` 即可恢复。");
    EXPECT_TRUE(SelectionState::offeredSelected(item));
}

TEST(ProjectBloatScan, ProjectsChangedWithinFiveDaysStayUnselected)
{
    TempHome home;
    const struct {
        const char* project;
        Date modified;
        Int64 days;
    } cases[] = {
        {"five", localDaysAgo(5), 5},
        {"almost-five", localDaysAgo(5, 60), 4}, // a minute short of five whole days
        {"four", localDaysAgo(4), 4},
        {"future", std::chrono::system_clock::now() + std::chrono::hours(24 * 3), 0},
    };
    Int64 size = 20 * MiB;
    for (const auto& c : cases) {
        folderOf(home, std::string("Documents/") + c.project + "/dist", size);
        home.fileWithContent(std::string("Documents/") + c.project + "/package.json", "{}");
        home.setModified(std::string("Documents/") + c.project, c.modified);
        size -= 4096; // keeps the list in the order of the cases
    }

    const auto items = scan(home);
    ASSERT_EQ(items.size(), 4u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(cases[i].project);
        EXPECT_EQ(items[i].projectName, cases[i].project);
        EXPECT_EQ(items[i].daysSinceModified, cases[i].days);
        EXPECT_EQ(SelectionState::offeredSelected(items[i]), cases[i].days >= 5);
    }
    EXPECT_EQ(items[1].verificationBadge, "近期活跃工程 · 已自动取消勾选保护");
    EXPECT_EQ(items[1].verificationReason,
              "系统检测到 [almost-five] 近期正在活跃开发，已自动为您跳过不勾选，避免影响您当前编译。");
}

TEST(ProjectBloatScan, TheFirstSixNamesKeepTheirCommandsWhenTheirProjectSaysSo)
{
    TempHome home;
    const struct {
        const char* folder;
        const char* marker; // beside the folder; none: the name is enough
        const char* command;
    } cases[] = {
        {"node_modules", nullptr, "npm install"},
        {".venv", "uv.lock", "uv sync"},
        {"venv", "uv.lock", "uv sync"},
        {"dist", "package.json", "npm run build"},
        {".next", "package.json", "npm run build"},
        {"target", "Cargo.toml", "cargo build"},
    };
    for (const auto& c : cases) {
        folderOf(home, std::string("Documents/p-") + c.folder + "/" + c.folder, kFloor);
        if (c.marker)
            home.fileWithContent(std::string("Documents/p-") + c.folder + "/" + c.marker, "");
    }
    // Named like an artefact but not one: another letter case, no marker, a file, a link.
    folderOf(home, "Documents/p-case/Node_Modules", kFloor);
    folderOf(home, "Documents/p-bare/target", kFloor);
    folderOf(home, "Documents/p-bare/dist", kFloor);
    home.allocatedFile("Documents/p-file/node_modules", 40 * MiB);
    folderOf(home, "Documents/elsewhere", 40 * MiB);
    home.symlink("Documents/p-link/node_modules", home.at("Documents/elsewhere"));

    std::map<std::string, std::string> commands;
    for (const auto& item : scan(home))
        commands[item.artifactType] = item.rebuildCommand;
    EXPECT_THAT(commands, testing::ElementsAre(
                              testing::Pair(".next", "npm run build"), testing::Pair(".venv", "uv sync"),
                              testing::Pair("dist", "npm run build"), testing::Pair("node_modules", "npm install"),
                              testing::Pair("target", "cargo build"), testing::Pair("venv", "uv sync")));
}

TEST(ProjectBloatScan, WalkStopsAtLevelFourAndNeverEntersGitPackagesOrArtefactsOrOnesUnderTheFloor)
{
    TempHome home;
    folderOf(home, "Documents/under/node_modules", kFloor - 4096);
    folderOf(home, "Documents/a/b/c/node_modules", kFloor);   // level 4
    folderOf(home, "Documents/a/b/c/d/node_modules", kFloor); // level 5
    folderOf(home, "Documents/repo/.git/node_modules", kFloor);
    folderOf(home, "Documents/Tool.app/node_modules", kFloor);
    folderOf(home, "Documents/web/node_modules/pkg/node_modules", kFloor);
    folderOf(home, "Documents/node_modules", kFloor + 4096);

    const auto items = scan(home);
    EXPECT_THAT(fieldOf(items, &ProjectBloatItem::url),
                testing::ElementsAre(home.at("Documents/node_modules"), home.at("Documents/a/b/c/node_modules"),
                                     home.at("Documents/web/node_modules")));
    EXPECT_EQ(items[0].projectName, "Documents");
    EXPECT_EQ(items[2].sizeBytes, kFloor); // the nested one counted once, inside its parent
}

TEST(ProjectBloatScan, EqualSizesKeepDiscoveryOrderWithTheTwoFirstRootsFirst)
{
    TempHome home;
    folderOf(home, "Projects/app/node_modules", 40 * MiB); // beyond the two first roots, found too
    folderOf(home, "Documents/a/node_modules", kFloor);
    folderOf(home, "Desktop/projects/z/target", kFloor);
    home.fileWithContent("Desktop/projects/z/Cargo.toml", "");
    folderOf(home, "Desktop/projects/b/venv", kFloor);
    folderOf(home, "Desktop/a/node_modules", kFloor); // on the desktop, after its projects folder
    folderOf(home, "Downloads/x/node_modules", kFloor);
    EXPECT_THAT(fieldOf(scan(home), &ProjectBloatItem::url),
                testing::ElementsAre(home.at("Projects/app/node_modules"), home.at("Desktop/projects/b/venv"),
                                     home.at("Desktop/projects/z/target"), home.at("Documents/a/node_modules"),
                                     home.at("Desktop/a/node_modules"), home.at("Downloads/x/node_modules")));
}

TEST(ProjectBloatScan, TheHomesNamedDocumentsAndDesktopHoldProjectsToo)
{
    TempHome home;
    home.fileWithContent(".config/user-dirs.dirs",
                         "XDG_DESKTOP_DIR=\"$HOME/桌面\"\nXDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
    folderOf(home, "桌面/projects/web/node_modules", kFloor);
    folderOf(home, "桌面/loose/node_modules", kFloor); // not in the desktop's projects folder: after them
    folderOf(home, "Documents/api/.venv", kFloor);     // the same folder as the fixed root: once
    EXPECT_THAT(fieldOf(scan(home), &ProjectBloatItem::url),
                testing::ElementsAre(home.at("桌面/projects/web/node_modules"), home.at("Documents/api/.venv"),
                                     home.at("桌面/loose/node_modules")));
}
