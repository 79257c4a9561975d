#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/FaultInjection.h"
#include "Platform/Trash.h"
#include "Services/DirectorySize.h"
#include "support/CleanFixture.h"
#include "support/FieldOf.h"
#include "support/HomeFixtures.h"
#include "support/PlaceAt.h"
#include "support/TreeSnapshot.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

using namespace std::chrono_literals;

namespace {

using CleanExecutor = CleanFixture;

std::string lastComponent(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Fails the moves, the system Trash call, removals and links of the user's paths that
// contain `needle` (the Trash's own bookkeeping is left working).
fault::Hook holdEverything(std::string needle, int err)
{
    return [needle = std::move(needle), err](fault::Op op, std::string_view path) {
        const bool touches =
            op == fault::Op::rename || op == fault::Op::trashCall || op == fault::Op::remove || op == fault::Op::link;
        const bool usersPath =
            path.find(needle) != std::string_view::npos && path.find("/.local/share/Trash/") == std::string_view::npos;
        return touches && usersPath ? err : 0;
    };
}

} // namespace

TEST(CleanPause, ShrinksAsCleansGrowAndKeepsEveryCleanShort)
{
    // A person can follow a small clean item by item, and no clean is slowed much by pacing.
    auto previous = CleanRunner::cleanPause(1);
    for (std::size_t count = 1; count <= 1000; ++count) {
        const auto pause = CleanRunner::cleanPause(count);
        EXPECT_LE(pause, previous) << count;
        EXPECT_GE(pause, 10ms);
        EXPECT_LE(pause * std::min<std::size_t>(count, 36), 450ms) << count;
        previous = pause;
    }
    EXPECT_GE(CleanRunner::cleanPause(1), 40ms);
}

TEST_F(CleanExecutor, MovesItemsToTheTrashWithRecordsInfoFilesAndTheBanner)
{
    home.file("Library/Caches/app/blob", 4096);
    home.symlink("Library/Caches/app/toDocs", home.at("Documents"));
    home.fileWithContent("Documents/keep.txt", "mine");
    home.file("Downloads/setup.dmg", 8192);
    // What each frees once the Trash is emptied, not what the list claimed.
    const Int64 appBytes = home.allocated("Library/Caches/app/blob"), dmgBytes = home.allocated("Downloads/setup.dmg");

    const auto cleaned = clean(
        {{home.at("Library/Caches/app"), 3 << 20, "App cache"}, {home.at("Downloads/setup.dmg"), 1 << 20, "setup.dmg"}},
        "已核实纯缓存");

    EXPECT_EQ(cleaned, (std::set<std::string>{home.at("Library/Caches/app"), home.at("Downloads/setup.dmg")}));
    EXPECT_EQ(engine->cleaner().sessionCleanedPaths(), cleaned);
    EXPECT_EQ(readFileBytes(home.at("Documents/keep.txt")), "mine");
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 2u);
    const auto& first = engine->cleaner().recentCleanRecords()[0];
    EXPECT_EQ(first.name, "App cache");
    EXPECT_EQ(first.originalPath, home.at("Library/Caches/app"));
    EXPECT_EQ(first.sizeBytes, appBytes);
    EXPECT_EQ(first.categoryLabel, "已核实纯缓存");
    EXPECT_EQ(first.id.size(), 36u);
    EXPECT_EQ(paths::parent(first.trashedPath), trashFiles());
    EXPECT_TRUE(lastComponent(first.trashedPath).rfind("QM-", 0) == 0);
    EXPECT_TRUE(lastComponent(first.trashedPath).ends_with("-0-app")) << first.trashedPath;
    EXPECT_TRUE(lastComponent(engine->cleaner().recentCleanRecords()[1].trashedPath).ends_with("-1-setup.dmg"));
    EXPECT_EQ(snapshotTree(first.trashedPath)["toDocs"], "link " + home.at("Documents"));
    EXPECT_TRUE(fileops::exists(infoFileOfEntry(first.trashedPath)));

    EXPECT_EQ(engine->cleaner().lastCleanBanner(),
              "清理完成 · 已安全清理 2 项已核实纯缓存，为您腾出 " + DiskFormat::bytes(appBytes + dmgBytes) + " 空间");
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), appBytes + dmgBytes);
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 0);
    EXPECT_EQ(engine->cleaner().cleanCurrentItemName(), "setup.dmg");
    EXPECT_EQ(engine->results().overview().trashBytes, directorySize(trashFiles(), 2));
    EXPECT_GT(engine->results().overview().trashBytes, 0);
}

TEST_F(CleanExecutor, FinalUpdateKeepsItsOrder)
{
    home.file("a", 10);
    std::vector<std::string> order;
    auto log = [&](const char* what) { return [&order, what] { order.push_back(what); }; };
    QObject::connect(&engine->results(), &ScanResults::overviewChanged, engine.get(), log("overview"));
    QObject::connect(&engine->cleaner(), &CleanRunner::lastFreedBytesChanged, engine.get(), log("freed"));
    QObject::connect(&engine->cleaner(), &CleanRunner::sessionTotalFreedBytesChanged, engine.get(), log("session"));
    QObject::connect(&engine->cleaner(), &CleanRunner::recentCleanRecordsChanged, engine.get(), log("records"));
    QObject::connect(&engine->cleaner(), &CleanRunner::lastCleanBannerChanged, engine.get(), log("banner"));
    QObject::connect(&engine->cleaner(), &CleanRunner::isCleaningChanged, engine.get(),
                     [&] { order.push_back(engine->cleaner().isCleaning() ? "cleaning" : "idle"); });

    bool sawSessionSet = false;
    engine->cleaner().startClean({{home.at("a"), 10, "a"}}, "L", [&](const std::set<std::string>&) {
        sawSessionSet = engine->cleaner().sessionCleanedPaths().count(home.at("a")) > 0;
        order.push_back(std::string("onItemCleaned ") + (engine->cleaner().isCleaning() ? "while purging" : "late"));
        order.insert(order.end(), feedback.events.begin(), feedback.events.end());
    });
    ASSERT_TRUE(waitForClean(*engine));
    EXPECT_TRUE(sawSessionSet);
    EXPECT_EQ(order, (std::vector<std::string>{"cleaning", "onItemCleaned while purging", "sound Glass", "haptic",
                                               "idle", "overview", "freed", "session", "records", "banner"}));
}

TEST_F(CleanExecutor, AnEmptyListOrACallDuringACleanChangesNothing)
{
    int signals = 0;
    QObject::connect(&engine->cleaner(), &CleanRunner::isCleaningChanged, engine.get(), [&] { ++signals; });
    QObject::connect(&engine->cleaner(), &CleanRunner::lastCleanBannerChanged, engine.get(), [&] { ++signals; });
    engine->cleaner().startClean({}, "L", [](const auto&) { ADD_FAILURE() << "an empty clean completed"; });
    EXPECT_EQ(signals, 0);
    EXPECT_FALSE(engine->cleaner().lastCleanBanner());

    home.file("first", 10);
    home.file("second", 10);
    engine->cleaner().startClean({{home.at("first"), 10, "first"}}, "L", {});
    // The first clean cannot end before the event loop runs again.
    engine->cleaner().startClean({{home.at("second"), 10, "second"}}, "L",
                                 [](const auto&) { ADD_FAILURE() << "an overlapping clean completed"; });
    EXPECT_EQ(engine->cleaner().cleanTotalCount(), 1);
    ASSERT_TRUE(waitForClean(*engine));
    EXPECT_TRUE(fileops::exists(home.at("second")));
    EXPECT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
}

TEST_F(CleanExecutor, ModeIsReadOnceWhenTheCleanStarts)
{
    home.file("doc", 10);
    engine->cleaner().startClean({{home.at("doc"), 10, "doc"}}, "L", {});
    engine->cleaner().setMoveToTrashByDefault(false);
    ASSERT_TRUE(waitForClean(*engine));
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    EXPECT_TRUE(fileops::exists(engine->cleaner().recentCleanRecords()[0].trashedPath));
}

// The banner tells a delete from a move to the Trash, and only a clean that put something
// into the Trash offers to undo it.
TEST_F(CleanExecutor, ABannerSaysWhetherItsCleanCanBeUndone)
{
    home.file("kept", 10);
    home.file("gone", 10);
    clean({{home.at("kept"), 10, "kept"}});
    EXPECT_TRUE(engine->cleaner().lastCleanBanner()->starts_with("清理完成 · 已安全清理 1 项"));
    EXPECT_TRUE(engine->cleaner().bannerOffersUndo());

    engine->cleaner().setMoveToTrashByDefault(false);
    clean({{home.at("gone"), 10, "gone"}, {home.at("never-there"), 10, "never-there"}});
    EXPECT_TRUE(engine->cleaner().lastCleanBanner()->starts_with("清理完成 · 已永久删除 2 项"));
    EXPECT_FALSE(engine->cleaner().bannerOffersUndo());
    EXPECT_EQ(engine->cleaner().recentCleanRecords().size(), 1u); // the first clean's, still restorable

    engine->cleaner().restoreAllRecentCleans();
    EXPECT_TRUE(engine->cleaner().bannerOffersUndo());
}

// The scan saw a folder; by the clean it had become a link to the user's documents.
TEST_F(CleanExecutor, AnItemThatBecameALinkIsCleanedAsTheLink)
{
    home.fileWithContent("Documents/thesis.tex", "years of work");
    home.symlink("Library/Caches/swapped", home.at("Documents"));
    home.symlink("Library/Caches/swapped2", home.at("Documents"));

    clean({{home.at("Library/Caches/swapped"), 100, "swapped"}});
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    EXPECT_EQ(snapshotTree(trashFiles())[lastComponent(engine->cleaner().recentCleanRecords()[0].trashedPath)],
              "link " + home.at("Documents"));

    engine->cleaner().setMoveToTrashByDefault(false);
    clean({{home.at("Library/Caches/swapped2"), 100, "swapped2"}});
    EXPECT_FALSE(fileops::exists(home.at("Library/Caches/swapped2")));
    EXPECT_EQ(readFileBytes(home.at("Documents/thesis.tex")), "years of work");
}

TEST_F(CleanExecutor, SameNamedItemsInOneSecondBothSurvive)
{
    home.fileWithContent("a/report.pdf", "A");
    home.fileWithContent("b/report.pdf", "B");
    home.fileWithContent("c/report.pdf", "C");
    // Names our own move would pick in this second and the next are taken already.
    const auto now =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch());
    for (auto s : {now.count(), now.count() + 1})
        home.fileWithContent(".local/share/Trash/files/QM-" + std::to_string(s) + "-0-report.pdf", "stray");

    clean({{home.at("a/report.pdf"), 1, "a"}});
    clean({{home.at("b/report.pdf"), 1, "b"}});
    clean({{home.at("c/report.pdf"), 1, "c"}});

    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 3u);
    std::set<std::string> contents;
    for (const auto& record : engine->cleaner().recentCleanRecords())
        contents.insert(readFileBytes(record.trashedPath));
    EXPECT_EQ(contents, (std::set<std::string>{"A", "B", "C"}));
    EXPECT_EQ(readFileBytes(home.at(".local/share/Trash/files/QM-" + std::to_string(now.count()) + "-0-report.pdf")),
              "stray");
}

// A folder that gives up only some of its children is not done: it stays in its list,
// counts as skipped, and only what went counts as freed (and can be restored).
TEST_F(CleanExecutor, AFolderGivingUpSomeChildrenIsPartlyCleaned)
{
    for (const char* child : {"a", "b", "c", "d"})
        home.allocatedFile(std::string("cache/") + child, 4096);
    const std::string folder = home.at("cache");
    const Int64 measured = directorySize(folder, 10);
    fault::ScopedHook hook([folder](fault::Op op, std::string_view path) {
        const bool held = path == folder || path == folder + "/b" || path == folder + "/c" || path == folder + "/d";
        return (op == fault::Op::rename || op == fault::Op::trashCall) && held ? EBUSY : 0;
    });
    const auto cleaned = clean({{folder, measured, "cache"}});

    EXPECT_TRUE(cleaned.empty());
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
    const Int64 oneChild = home.allocated("cache/b");
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), measured - 3 * oneChild);
    ASSERT_EQ(engine->cleaner().lastCleanReport().size(), 1u);
    const CleanItemReport& report = engine->cleaner().lastCleanReport()[0];
    EXPECT_EQ(report.result, CleanItemResult::partlyCleaned);
    EXPECT_EQ(report.entriesLeft, 3);
    EXPECT_EQ(report.bytesLeft, 3 * oneChild);
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    const auto& record = engine->cleaner().recentCleanRecords()[0];
    EXPECT_EQ(record.sizeBytes, measured - 3 * oneChild);
    EXPECT_EQ(entriesOf(record.trashedPath), std::vector<std::string>{"a"});
    EXPECT_EQ(entriesOf(folder), (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_TRUE(fileops::exists(infoFileOfEntry(record.trashedPath)));
}

TEST_F(CleanExecutor, EveryInjectedFaultLeavesTheDataAndCountsSkipped)
{
    for (const int err : {EACCES, EXDEV, EBUSY, ENOSPC, EPERM}) {
        SCOPED_TRACE(err);
        engine->cleaner().setMoveToTrashByDefault(err != EPERM); // deleting fails the same way
        home.file("victim.bin", 50);
        home.file("victim-dir/x", 10);
        home.file("victim-dir/sub/y", 10);
        const auto before = snapshotTree(home.path(), ".local");
        {
            fault::ScopedHook hook(holdEverything("victim", err));
            const auto cleaned = clean({{home.at("victim.bin"), 5000, "v"}, {home.at("victim-dir"), 20, "d"}});
            EXPECT_TRUE(cleaned.empty());
        }
        EXPECT_EQ(snapshotTree(home.path(), ".local"), before);
        EXPECT_TRUE(entriesOf(trashFiles()).empty()); // no folder made for children is left behind
        EXPECT_TRUE(entriesOf(trashInfo()).empty());
        EXPECT_EQ(engine->cleaner().lastSkippedCount(), 2);
        EXPECT_TRUE(engine->cleaner().recentCleanRecords().empty());
        EXPECT_EQ(engine->cleaner().lastCleanBanner(),
                  "清理完成 · 已安全清理 0 项测试，为您腾出 0 KB 空间；2 项被系统占用或无权限，已保留未动");
        EXPECT_EQ(feedback.events.front(), "sound Funk");
        feedback.events.clear();
    }
    // A full disk when writing the info file keeps the item where it was, too.
    engine->cleaner().setMoveToTrashByDefault(true);
    fault::ScopedHook hook([](fault::Op op, std::string_view) { return op == fault::Op::writeFile ? ENOSPC : 0; });
    clean({{home.at("victim.bin"), 5000, "v"}});
    EXPECT_TRUE(fileops::exists(home.at("victim.bin")));
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
}

TEST_F(CleanExecutor, DeleteModeRemovesLinksAsLinksAndMakesNoRecords)
{
    home.fileWithContent("Documents/keep.txt", "mine");
    home.file("build/out/obj.o", 3000);
    home.symlink("build/out/docs", home.at("Documents"));
    home.symlink("build/keep", home.at("Documents/keep.txt"));
    engine->cleaner().setMoveToTrashByDefault(false);
    Int64 goes = 0; // every entry of the tree: the links go as links
    for (const char* path : {"build", "build/out", "build/out/obj.o", "build/out/docs", "build/keep"})
        goes += home.allocated(path);

    const auto cleaned = clean({{home.at("build"), 2 << 20, "build"}, {home.at("gone"), 99, "gone"}});
    EXPECT_EQ(cleaned.size(), 2u); // a missing item counts as cleaned
    EXPECT_FALSE(fileops::exists(home.at("build")));
    EXPECT_EQ(readFileBytes(home.at("Documents/keep.txt")), "mine");
    EXPECT_TRUE(engine->cleaner().recentCleanRecords().empty());
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), goes);
    EXPECT_EQ(engine->cleaner().lastCleanBanner(),
              "清理完成 · 已永久删除 2 项测试，为您腾出 " + DiskFormat::bytes(goes) + " 空间");
    EXPECT_TRUE(entriesOf(trashFiles()).empty());
}

TEST_F(CleanExecutor, WhatLiesInTheTrashOrUnderTmpIsDeletedWithoutRecords)
{
    // Deleting a single entry of the Trash takes its info file with it.
    clean({{home.fileWithContent("old/letter", "x"), 1, "letter"}});
    const std::string oneEntry = engine->cleaner().recentCleanRecords()[0].trashedPath;
    clean({{oneEntry, 1, "entry"}});
    EXPECT_FALSE(fileops::exists(oneEntry));
    EXPECT_TRUE(entriesOf(trashInfo()).empty());
    EXPECT_EQ(engine->cleaner().recentCleanRecords().size(), 1u); // no record for a deletion

    // Emptying the Trash folder removes the entries the scan measured and their info
    // files, not the folder, and not what the restore history points at.
    clean({{home.fileWithContent("old/photo", "y"), 1, "photo"}});
    const std::string restorable = engine->cleaner().recentCleanRecords()[0].trashedPath;
    oldTrashEntry(home, "away", 'z'); // thrown away from the desktop
    clean({trashAsScanned()});
    EXPECT_TRUE(fileops::isFolder(trashFiles()));
    EXPECT_EQ(entriesOf(trashFiles()), std::vector<std::string>{paths::lastComponent(restorable)});
    EXPECT_EQ(entriesOf(trashInfo()), std::vector<std::string>{paths::lastComponent(restorable) + ".trashinfo"});
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 0);

    // A home under /tmp (where a test may never put a clean's home otherwise).
    std::string scratch = "/tmp/quillmere-purge-XXXXXX";
    ASSERT_NE(mkdtemp(scratch.data()), nullptr);
    {
        StorageEngine tmpEngine(testOptions(scratch));
        const std::string temporary = scratch + "/session.tmp";
        ASSERT_TRUE(fileops::createFileExclusive(PlaceAt(temporary), "t"));
        tmpEngine.cleaner().startClean({{temporary, 1, "tmp"}}, "L", {});
        ASSERT_TRUE(waitForClean(tmpEngine));
        EXPECT_FALSE(fileops::exists(temporary));
        EXPECT_TRUE(tmpEngine.cleaner().recentCleanRecords().empty());
    }
    std::filesystem::remove_all(scratch);
}

// A list that names the home, a folder holding it, or a folder holding the Trash is
// a mistake upstream; acting on it would delete the home or throw it into the Trash.
TEST_F(CleanExecutor, NeverTakesTheHomeWhatHoldsItOrWhatHoldsTheTrash)
{
    const std::string me = home.mkdir("users/me");
    engine = std::make_unique<StorageEngine>(testOptions(me));
    engine->cleaner().setCleanFeedback(&feedback);
    home.fileWithContent("users/me/Documents/thesis.tex", "years of work");
    clean({{home.fileWithContent("users/me/old.txt", "old"), 3, "old.txt"}}); // a Trash entry with its info file
    // Only the history may change (each clean notes its start there).
    const auto before = snapshotTree(home.path(), "users/me/.local/state");

    for (const bool toTrash : {true, false}) {
        SCOPED_TRACE(toTrash);
        engine->cleaner().setMoveToTrashByDefault(toTrash);
        const auto cleaned = clean({{me, 100, "me"},
                                    {home.at("users"), 100, "users"},
                                    {me + "/.local/share/Trash", 100, "Trash"},
                                    {me + "/.local", 100, ".local"}});
        EXPECT_TRUE(cleaned.empty());
        EXPECT_EQ(engine->cleaner().lastSkippedCount(), 4);
        EXPECT_EQ(snapshotTree(home.path(), "users/me/.local/state"), before);
    }
}

// Emptying the Trash removes what the scan measured there, nothing else: not the cache
// this same clean has just moved there, not an entry the restore history points at.
TEST_F(CleanExecutor, EmptyingTheTrashTakesOnlyWhatTheScanMeasuredAndNoRestorableEntry)
{
    clean({{home.fileWithContent("old/letter", "restorable"), 1, "letter"}});
    oldTrashEntry(home, "junk", 'j'); // thrown away from the desktop
    const std::string cache = home.fileWithContent(".cache/models/weights", "rebuildable");
    const CleanItem trash = trashAsScanned(); // measured before the clean began

    clean({{home.at(".cache/models"), 100, "models"}, trash});
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 0);
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 2u);
    std::vector<std::string> kept;
    for (const auto& record : engine->cleaner().recentCleanRecords())
        kept.push_back(lastComponent(record.trashedPath));
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(entriesOf(trashFiles()), kept);
    EXPECT_EQ(entriesOf(trashInfo()), (std::vector<std::string>{kept[0] + ".trashinfo", kept[1] + ".trashinfo"}));

    engine->cleaner().restoreAllRecentCleans();
    EXPECT_EQ(readFileBytes(cache), "rebuildable");
    EXPECT_EQ(readFileBytes(home.at("old/letter")), "restorable");
}

TEST_F(CleanExecutor, TwoCleansKeepTheNewestHistoryFirst)
{
    Int64 sizes[4];
    for (int i = 0; i < 4; ++i) {
        const std::string relative = std::string(i < 2 ? "one/" : "two/") + "abcd"[i];
        home.allocatedFile(relative, (i + 1) * 4096);
        sizes[i] = home.allocated(relative);
    }
    clean({{home.at("one/a"), 100, "a"}, {home.at("one/b"), 200, "b"}});
    clean({{home.at("two/c"), 300, "c"}, {home.at("two/d"), 400, "d"}});
    EXPECT_EQ(fieldOf(engine->cleaner().recentCleanRecords(), &CleanHistoryRecord::name),
              (std::vector<std::string>{"c", "d", "a", "b"}));
    EXPECT_EQ(engine->cleaner().sessionTotalFreedBytes(), sizes[0] + sizes[1] + sizes[2] + sizes[3]);
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), sizes[2] + sizes[3]);
}

TEST_F(CleanExecutor, ProgressAdvancesOncePerItem)
{
    std::vector<std::pair<int, double>> steps;
    QObject::connect(&engine->cleaner(), &CleanRunner::cleanProgressChanged, engine.get(), [&] {
        steps.emplace_back(engine->cleaner().cleanProcessedCount(), engine->cleaner().cleanProgress());
    });
    engine->cleaner().startClean(
        {{home.file("a", 1), 1, "a"}, {home.file("b", 1), 1, "b"}, {home.file("c", 1), 1, "c"}}, "L", {});
    EXPECT_EQ(engine->cleaner().cleanCurrentItemName(), "a");
    ASSERT_TRUE(waitForClean(*engine));
    ASSERT_EQ(steps.size(), 4u); // the start, then each item with its count set before the fraction
    EXPECT_EQ(steps[0], std::make_pair(0, 0.08));
    EXPECT_EQ(steps[1].first, 1);
    EXPECT_DOUBLE_EQ(steps[1].second, 1.0 / 3.0);
    EXPECT_EQ(steps[3], std::make_pair(3, 1.0));
}

// The window may go away while a clean runs: the clean finishes its file work, and
// nothing is delivered to the engine that is gone.
TEST(CleanExecutorLifetime, AnEngineDestroyedMidCleanIsNotCalledBack)
{
    TempHome home;
    auto options = testOptions(home.path());
    options.paceCleans = true;
    bool called = false;
    {
        StorageEngine engine(options);
        LargeFileItem file;
        file.id = file.url = home.file("Movies/a.mov", 10);
        EngineAccess::setLargeFiles(engine, {Seeded<LargeFileItem>{file, true}});
        engine.cleaner().startClean({{file.url, 10, "a.mov"}}, "L", [&](const auto&) { called = true; });
    }
    drainEvents();
    EXPECT_FALSE(called);
    EXPECT_FALSE(fileops::exists(home.at("Movies/a.mov")));
    const auto trashed = fileops::listChildren(Trash::homeFilesFolder(home.path()));
    ASSERT_TRUE(trashed);
    EXPECT_EQ(trashed->size(), 1u);
}
