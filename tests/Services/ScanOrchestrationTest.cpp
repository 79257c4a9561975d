#include "Services/StorageEngine.h"
#include "support/EngineTestAccess.h"
#include "support/TempHome.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(ScanOrchestration, PublishesTheProgressSequenceOnceEvenWhenStartedTwice)
{
    TempHome home;
    StorageEngine scanner({.home = home.path(), .applications = {}});
    std::vector<double> progress;
    std::vector<std::string> phases;
    QObject::connect(&scanner, &StorageEngine::scanProgressChanged, &scanner,
                     [&] { progress.push_back(scanner.scanProgress()); });
    QObject::connect(&scanner, &StorageEngine::currentScanningPathChanged, &scanner,
                     [&] { phases.push_back(scanner.currentScanningPath()); });
    QSignalSpy finished(&scanner, &StorageEngine::isScanningChanged);
    EXPECT_TRUE(scanner.cleaner().moveToTrashByDefault()); // a clean is undoable unless the person says otherwise

    scanner.startInstantScan();
    EXPECT_TRUE(scanner.isScanning());
    scanner.startInstantScan(); // ignored: one scan at a time
    ASSERT_TRUE(waitForScan(scanner));

    EXPECT_EQ(progress, (std::vector<double>{0.12, 0.28, 0.56, 0.76, 1.0}));
    ASSERT_EQ(phases.size(), 5u);
    EXPECT_EQ(phases[0], "正在自动核验浏览器、办公软件与系统缓存...");
    EXPECT_EQ(phases[3], "正在执行 SHA-256 重复文件比对与安装包交叉核验...");
    EXPECT_EQ(finished.count(), 2); // true once, false once
    EXPECT_EQ(scanner.scanStatusText(), "已为您自动完成安全核实：勾选项目均可直接放心清理，无需逐一打开文件管理器核对");
}

TEST(ScanOrchestration, ClearAllResultsEmptiesTheListsAndKeepsTheOverview)
{
    TempHome home;
    StorageEngine scanner({.home = home.path(), .applications = home.at("no-apps")});
    scanner.startInstantScan();
    ASSERT_TRUE(waitForScan(scanner));
    const DiskOverview overview = scanner.results().overview();
    QSignalSpy cards(&scanner.results(), &ScanResults::ruleCardsChanged);
    scanner.clearAllResults();
    EXPECT_EQ(cards.count(), 1);
    EXPECT_FALSE(scanner.cleaner().lastCleanBanner());
    EXPECT_EQ(scanner.results().overview(), overview);
    EXPECT_EQ(scanner.scanProgress(), 1.0);
}

TEST(ScanOrchestration, DestroyingTheEngineDuringAScanIsSafe)
{
    TempHome home;
    for (int i = 0; i < 50; ++i)
        home.file("Documents/f" + std::to_string(i), 10);
    auto scanner = std::make_unique<StorageEngine>(StorageEngine::Options{.home = home.path(), .applications = {}});
    scanner->startInstantScan();
    ASSERT_TRUE(scanner->isScanning());
    scanner.reset(); // waits for the background task; its publishes are dropped
    drainEvents();   // a publish that outlived the engine would be a use after free here
}

TEST(ScanOrchestration, PathsCleanedThisSessionStayOutOfEveryRescanAndAScanWaitsForAClean)
{
    TempHome home;
    const std::string movie = home.allocatedFile("Downloads/holiday.mp4", 30 << 20);
    const std::string copyA = home.file("Documents/a/report.pdf", 4 << 20, 'r');
    const std::string copyB = home.file("Documents/b/report.pdf", 4 << 20, 'r');
    StorageEngine scanner(testOptions(home.path()));
    scanner.startInstantScan();
    ASSERT_TRUE(waitForScan(scanner));
    ASSERT_EQ(scanner.results().largeFiles().size(), 1u);
    ASSERT_EQ(scanner.results().duplicateGroups().size(), 1u);

    scanner.cleaner().startClean({{movie, 30 << 20, "holiday.mp4"}, {copyB, 4 << 20, "report.pdf"}}, "test",
                                 [](const std::set<std::string>&) {});
    ASSERT_TRUE(scanner.cleaner().isCleaning());
    scanner.startInstantScan(); // refused while the clean runs
    EXPECT_FALSE(scanner.isScanning());
    ASSERT_TRUE(waitForClean(scanner));

    // The same paths appear again on disk; the session still keeps them out.
    home.allocatedFile("Downloads/holiday.mp4", 30 << 20);
    home.file("Documents/b/report.pdf", 4 << 20, 'r');
    scanner.startInstantScan();
    ASSERT_TRUE(waitForScan(scanner));
    EXPECT_TRUE(scanner.results().largeFiles().empty());
    EXPECT_TRUE(scanner.results().duplicateGroups().empty()); // one copy left is no group
    EXPECT_EQ(scanner.cleaner().sessionCleanedPaths(), (std::set<std::string>{movie, copyB}));
}

TEST(ScanOrchestration, AGroupWhoseKeptOriginalWasCleanedKeepsAnotherCopy)
{
    TempHome home;
    const std::string original = home.file("Documents/r.pdf", 4 << 20, 'r');
    home.file("Documents/copy/r.pdf", 4 << 20, 'r');
    home.file("Documents/copies/r.pdf", 4 << 20, 'r');
    StorageEngine scanner(testOptions(home.path()));
    scanner.startInstantScan();
    ASSERT_TRUE(waitForScan(scanner));
    ASSERT_EQ(scanner.results().duplicateGroups().size(), 1u);
    ASSERT_EQ(scanner.results().duplicateGroups()[0].members[0].url, original);

    // The original goes (say, from the large-file list), then the same path is filled again.
    scanner.cleaner().startClean({{original, 4 << 20, "r.pdf"}}, "test", [](const std::set<std::string>&) {});
    ASSERT_TRUE(waitForClean(scanner));
    home.file("Documents/r.pdf", 4 << 20, 'r');
    scanner.startInstantScan();
    ASSERT_TRUE(waitForScan(scanner));

    ASSERT_EQ(scanner.results().duplicateGroups().size(), 1u);
    const auto& members = scanner.results().duplicateGroups()[0].members;
    ASSERT_EQ(members.size(), 2u);
    const DuplicateFileGroup& group = scanner.results().duplicateGroups()[0];
    EXPECT_TRUE(scanner.selection().isKept(group, members[0]));
    EXPECT_FALSE(scanner.selection().isMarkedForDelete(group, members[0]));
    EXPECT_FALSE(scanner.selection().isKept(group, members[1]));
}

TEST(ScanOrchestration, AHomeGivenThroughALinkIsScannedWhereItReallyIs)
{
    TempHome place;
    const std::string real = place.mkdir("real-home");
    place.fileWithContent("real-home/.local/share/Trash/files/old", std::string(10000, 'x'));
    const std::string link = place.symlink("home-link", real);
    StorageEngine scanner({.home = link, .applications = place.at("Applications")});
    EXPECT_EQ(scanner.homePath(), real);
    scanner.startInstantScan();
    ASSERT_TRUE(waitForScan(scanner));
    EXPECT_EQ(scanner.results().overview().trashBytes, place.allocated("real-home/.local/share/Trash/files/old"));
}
