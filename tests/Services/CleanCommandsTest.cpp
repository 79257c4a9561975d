#include "Models/DiskFormat.h"
#include "Platform/FaultInjection.h"
#include "support/CleanFixture.h"
#include "support/Records.h"

#include <cerrno>

namespace {

using CleanCommandsTest = CleanFixture;

// Makes every way of cleaning a path (and what is inside it) fail, as for an item held
// by the system or in a folder the program may not write to.
fault::Hook held(std::string path)
{
    return [path = std::move(path)](fault::Op op, std::string_view p) {
        const bool cleaning = op == fault::Op::rename || op == fault::Op::trashCall || op == fault::Op::remove;
        const bool inside = p == path || (p.size() > path.size() && p.substr(0, path.size() + 1) == path + "/");
        return cleaning && inside ? EBUSY : 0;
    };
}

std::vector<std::string> labelsAndNames(const std::vector<CleanHistoryRecord>& records)
{
    std::vector<std::string> out;
    for (const auto& record : records)
        out.push_back(record.categoryLabel + ":" + record.name);
    return out;
}

} // namespace

TEST_F(CleanCommandsTest, SafeCachesDropCleanedItemsAndEmptiedCards)
{
    auto gone = card(
        "gone", {cacheItem(home.file("c1/a", 10), 10, true, "A"), cacheItem(home.file("c1/b", 10), 10, true, "B")});
    auto kept = card(
        "kept", {cacheItem(home.file("c2/a", 10), 10, true, "C"), cacheItem(home.file("c2/b", 10), 10, false, "D")});
    auto heldCard = card("held", {cacheItem(home.file("c3/busy", 10), 10, true, "E")});
    EngineAccess::setRuleCards(*engine, {gone, kept, heldCard});
    {
        fault::ScopedHook hook(held(home.at("c3/busy")));
        engine->commands().clean(CleanTarget::safeCaches);
        ASSERT_TRUE(waitForClean(*engine));
    }
    ASSERT_EQ(engine->results().ruleCards().size(), 2u);
    EXPECT_EQ(engine->results().ruleCards()[0].id, "kept");
    ASSERT_EQ(engine->results().ruleCards()[0].subItems.size(), 1u);
    EXPECT_EQ(engine->results().ruleCards()[0].subItems[0].name, "D");
    EXPECT_EQ(engine->results().ruleCards()[1].id, "held");
    EXPECT_EQ(labelsAndNames(engine->cleaner().recentCleanRecords()),
              (std::vector<std::string>{"已核实纯缓存:A", "已核实纯缓存:B", "已核实纯缓存:C"}));
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
}

TEST_F(CleanCommandsTest, BloatsAndLargeFilesDropWhatWasCleaned)
{
    EngineAccess::setProjectBloats(*engine, {bloat(home.file("web/node_modules/x", 10), 10, false),
                                             bloat(home.mkdir("api/target"), 20, true, "api", "target")});
    EngineAccess::setLargeFiles(
        *engine, {largeFile(home.file("Movies/a.mov", 10), 30, true, LargeFileCategory::videoMedia, "a.mov")});
    engine->commands().clean(CleanTarget::projectBloats);
    ASSERT_TRUE(waitForClean(*engine));
    engine->commands().clean(CleanTarget::largeFiles);
    ASSERT_TRUE(waitForClean(*engine));
    EXPECT_EQ(engine->results().projectBloats().size(), 1u);
    EXPECT_TRUE(engine->results().largeFiles().empty());
    EXPECT_EQ(labelsAndNames(engine->cleaner().recentCleanRecords()),
              (std::vector<std::string>{"大体积文件:a.mov", "闲置工程依赖:api/target"}));
}

TEST_F(CleanCommandsTest, DuplicateGroupsOfFewerThanTwoGo)
{
    EngineAccess::setDuplicateGroups(
        *engine,
        {group("solo", {member(home.file("o1", 10), 10, true, false), member(home.file("d1", 10), 10, false, true)}),
         group("trio", {member(home.file("o2", 10), 10, true, false), member(home.file("d2", 10), 10, false, true),
                        member(home.file("d3", 10), 10, false, false)})});
    engine->commands().clean(CleanTarget::duplicates);
    ASSERT_TRUE(waitForClean(*engine));
    ASSERT_EQ(engine->results().duplicateGroups().size(), 1u);
    EXPECT_EQ(engine->results().duplicateGroups()[0].id, "trio");
    EXPECT_EQ(engine->results().duplicateGroups()[0].members.size(), 2u);
    EXPECT_TRUE(fileops::exists(home.at("o1")));
    EXPECT_EQ(engine->cleaner().recentCleanRecords().front().categoryLabel, "重复文件克隆副本");
}

TEST_F(CleanCommandsTest, FullUninstallKeepsAnAppWhoseBundleStayed)
{
    const std::vector<Path> leftovers = {home.file("L/one", 10), home.file("L/two", 10), home.file("L/three", 10)};
    const Path bundle = home.file("Applications/Tool.app/Contents/bin", 10);
    EngineAccess::setInstalledApps(*engine,
                                   {app(home.at("Applications/Tool.app"), 1000, leftovers, 900, true, "Tool")});

    const auto items = engine->commands().items(CleanTarget::appUninstall);
    ASSERT_EQ(items.size(), 4u);
    auto triple = [](const CleanItem& item) { return std::make_tuple(item.url, item.sizeBytes, item.name); };
    EXPECT_EQ(triple(items[0]), std::make_tuple(home.at("Applications/Tool.app"), Int64(1000), std::string("Tool")));
    EXPECT_EQ(triple(items[3]), std::make_tuple(leftovers[2], Int64(300), std::string("Tool 缓存残留")));
    {
        fault::ScopedHook hook(held(home.at("Applications/Tool.app"))); // no write access to the Applications folder
        engine->commands().clean(CleanTarget::appUninstall);
        ASSERT_TRUE(waitForClean(*engine));
    }
    ASSERT_EQ(engine->results().installedApps().size(), 1u);
    EXPECT_TRUE(engine->selection().isSelected(engine->results().installedApps()[0]));
    EXPECT_EQ(engine->results().installedApps()[0].orphanPaths, leftovers);
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
    EXPECT_EQ(engine->cleaner().recentCleanRecords().front().categoryLabel, "应用及残留文件");

    engine->commands().clean(CleanTarget::appUninstall);
    ASSERT_TRUE(waitForClean(*engine));
    EXPECT_TRUE(engine->results().installedApps().empty());
    EXPECT_FALSE(fileops::exists(bundle));
}

TEST_F(CleanCommandsTest, CleanCacheOnlyKeepsTheAppWithWhatWasLeft)
{
    const std::vector<Path> leftovers = {home.file("L/one", 10), home.file("L/two", 10), home.file("L/three", 10)};
    EngineAccess::setInstalledApps(
        *engine, {app("/Applications/Tool.app", 1000, leftovers, 900, true, "Tool"),
                  app("/Applications/Bare.app", 50, {}, 0, true, "Bare"),
                  app("/Applications/Other.app", 70, {home.file("L/other", 10)}, 70, false, "Other")});
    {
        fault::ScopedHook hook(held(leftovers[1]));
        engine->commands().clean(CleanTarget::appCaches);
        ASSERT_TRUE(waitForClean(*engine));
    }
    const auto& apps = engine->results().installedApps();
    ASSERT_EQ(apps.size(), 3u);
    EXPECT_EQ(apps[0].orphanPaths, std::vector<Path>{leftovers[1]});
    EXPECT_EQ(apps[0].orphanSizeBytes, 300);
    EXPECT_FALSE(engine->selection().isSelected(apps[0]));
    EXPECT_EQ(apps[0].appSizeBytes, 1000);
    EXPECT_FALSE(engine->selection().isSelected(apps[1]));
    EXPECT_EQ(apps[2].orphanSizeBytes, 70); // unselected apps are not touched
    EXPECT_EQ(engine->cleaner().recentCleanRecords().front().categoryLabel, "应用关联缓存");
    EXPECT_EQ(engine->cleaner().recentCleanRecords().front().name, "Tool 缓存残留");

    // A selected app without leftovers makes no item: nothing happens.
    engine->selection().toggleInstalledApp("/Applications/Bare.app");
    const auto banner = engine->cleaner().lastCleanBanner();
    engine->commands().clean(CleanTarget::appCaches);
    EXPECT_FALSE(engine->cleaner().isCleaning());
    EXPECT_EQ(engine->cleaner().lastCleanBanner(), banner);
}

TEST_F(CleanCommandsTest, MasterCleanListsAFileTwiceAndFreesItOnce)
{
    const Path both = home.file("Downloads/movie.mp4", 10);
    EngineAccess::setInstalledApps(*engine, {app("/Applications/A.app", 100, {home.file("L/a", 10)}, 10, true)});
    engine->commands().clean(CleanTarget::everything); // only an application is selected: nothing to do
    EXPECT_FALSE(engine->cleaner().isCleaning());
    EXPECT_FALSE(engine->cleaner().lastCleanBanner());

    EngineAccess::setRuleCards(*engine, {card("c", {cacheItem(home.file("cache/x", 10), 1024, true, "x")})});
    EngineAccess::setDuplicateGroups(*engine,
                                     {group("g", {member(home.file("Documents/movie.mp4", 10), 500, true, false),
                                                  member(both, 500, false, true, "movie.mp4")})});
    EngineAccess::setLargeFiles(*engine, {largeFile(both, 500, true, LargeFileCategory::videoMedia, "movie.mp4")});
    const auto items = engine->commands().items(CleanTarget::everything);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].url, both);
    EXPECT_EQ(items[2].url, both);
    const Int64 freed = home.allocated("cache/x") + home.allocated("Downloads/movie.mp4");

    engine->commands().clean(CleanTarget::everything);
    ASSERT_TRUE(waitForClean(*engine));
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), freed);
    EXPECT_EQ(engine->cleaner().recentCleanRecords().size(), 2u);
    EXPECT_EQ(engine->cleaner().lastCleanBanner(),
              "清理完成 · 已安全清理 3 项全盘已核验安全项，为您腾出 " + DiskFormat::bytes(freed) + " 空间");
    EXPECT_TRUE(engine->results().ruleCards().empty());
    EXPECT_TRUE(engine->results().duplicateGroups().empty());
    EXPECT_TRUE(engine->results().largeFiles().empty());
    EXPECT_EQ(engine->results().installedApps().size(), 1u);
}

// A large-file clean took the original a duplicate group keeps. The copy is now the only
// one left: the group is no longer offered, and a duplicate clean keeps the copy.
TEST_F(CleanCommandsTest, CopiesStayWhenTheOriginalTheGroupKeepsIsGone)
{
    engine->cleaner().setMoveToTrashByDefault(false);
    const Path original = home.fileWithContent("Documents/film.mov", "the film");
    const Path copy = home.fileWithContent("Downloads/film.mov", "the film");
    EngineAccess::setDuplicateGroups(*engine,
                                     {group("g", {member(original, 8, true, false), member(copy, 8, false, true)})});
    EngineAccess::setLargeFiles(*engine, {largeFile(original, 8, true)});
    engine->commands().clean(CleanTarget::largeFiles);
    ASSERT_TRUE(waitForClean(*engine));
    ASSERT_FALSE(fileops::exists(original));
    EXPECT_TRUE(engine->results().duplicateGroups().empty());

    engine->commands().clean(CleanTarget::duplicates);
    ASSERT_TRUE(waitForClean(*engine));
    EXPECT_EQ(readFileBytes(copy), "the film");
}

TEST_F(CleanCommandsTest, AGroupWhoseKeptCopyWentWithAnotherListKeepsItsFirstRemainingCopy)
{
    const Path a = home.file("D/a", 10), b = home.file("D/b", 10), c = home.file("D/c", 10), d = home.file("D/d", 10);
    EngineAccess::setDuplicateGroups(*engine, {group("g", {member(a, 10, true, false), member(b, 10, false, false),
                                                           member(c, 10, false, false), member(d, 10, false, true)})});
    EngineAccess::setLargeFiles(*engine, {largeFile(a, 10, true)}); // the kept copy, offered as a large file too
    engine->commands().clean(CleanTarget::everything);
    ASSERT_TRUE(waitForClean(*engine));

    ASSERT_EQ(engine->results().duplicateGroups().size(), 1u);
    const DuplicateFileGroup& g = engine->results().duplicateGroups()[0];
    ASSERT_EQ(g.members.size(), 2u);
    EXPECT_EQ(g.members[0].url, b);
    EXPECT_TRUE(engine->selection().isKept(g, g.members[0]));
    EXPECT_FALSE(engine->selection().isAnySelectedForDelete(g));
}
