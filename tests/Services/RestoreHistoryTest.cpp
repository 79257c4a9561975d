#include "Models/DiskFormat.h"
#include "Platform/FaultInjection.h"
#include "Platform/Trash.h"
#include "Services/CleanHistoryLog.h"
#include "support/CleanFixture.h"
#include "support/TreeSnapshot.h"

#include <cerrno>
#include <filesystem>

namespace {

using RestoreHistory = CleanFixture;

// The Trash entry whose info file names `original`, with its content.
std::vector<std::string> trashedContentsOf(const std::string& trashFiles, const std::string& original)
{
    std::vector<std::string> out;
    for (const auto& name : *fileops::listChildren(trashFiles)) {
        const std::string entry = trashFiles + "/" + name;
        const std::string info = readFileBytes(infoFileOfEntry(entry));
        if (info.find("\nPath=" + Trash::percentEncodePath(original) + "\n") != std::string::npos)
            out.push_back(readFileBytes(entry));
    }
    return out;
}

} // namespace

TEST_F(RestoreHistory, AFileComesBackIntoItsRecreatedFolderChain)
{
    clean({{home.fileWithContent("Projects/site/notes.txt", "old notes"), 100, "notes.txt"}});
    std::filesystem::remove_all(home.at("Projects"));
    const std::string id = engine->cleaner().recentCleanRecords()[0].id;

    engine->cleaner().restoreSingleRecord(id);
    EXPECT_EQ(readFileBytes(home.at("Projects/site/notes.txt")), "old notes");
    EXPECT_TRUE(engine->cleaner().recentCleanRecords().empty());
    EXPECT_TRUE(engine->cleaner().sessionCleanedPaths().empty());
    EXPECT_EQ(engine->cleaner().lastCleanBanner(), "已将「notes.txt」从废纸篓原路还原至 site");
    EXPECT_TRUE(entriesOf(trashFiles()).empty());
    EXPECT_TRUE(entriesOf(trashInfo()).empty()); // restoring drops the info file
    EXPECT_TRUE(engine->isScanning());           // the restored item shows up again after a rescan
    EXPECT_EQ(feedback.events.back(), "haptic");

    ASSERT_TRUE(waitForScan(*engine));
    int changes = 0;
    QObject::connect(&engine->cleaner(), &CleanRunner::lastCleanBannerChanged, engine.get(), [&] { ++changes; });
    engine->cleaner().restoreSingleRecord(id); // already restored: nothing
    EXPECT_EQ(changes, 0);
}

TEST_F(RestoreHistory, ANewerFileInTheWayGoesToTheTrashNotAway)
{
    const std::string path = home.fileWithContent("Documents/plan.txt", "restored version");
    clean({{path, 10, "plan.txt"}});
    home.fileWithContent("Documents/plan.txt", "newer version");

    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    EXPECT_EQ(readFileBytes(path), "restored version");
    EXPECT_EQ(trashedContentsOf(trashFiles(), path), std::vector<std::string>{"newer version"});
    EXPECT_EQ(entriesOf(trashInfo()).size(), 1u);
    // It is a record of its own, and restoring it puts the newer version back the same way.
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    EXPECT_EQ(engine->cleaner().recentCleanRecords()[0].originalPath, path);
    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    EXPECT_EQ(readFileBytes(path), "newer version");
    EXPECT_EQ(trashedContentsOf(trashFiles(), path), std::vector<std::string>{"restored version"});
}

TEST_F(RestoreHistory, ARecreatedFolderIsMergedAndItsSameNamedEntriesKept)
{
    home.fileWithContent("cache/a", "old a");
    home.fileWithContent("cache/b", "old b");
    clean({{home.at("cache"), 10, "cache"}});
    home.fileWithContent("cache/b", "new b");
    home.fileWithContent("cache/c", "new c");

    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    EXPECT_EQ(readFileBytes(home.at("cache/a")), "old a");
    EXPECT_EQ(readFileBytes(home.at("cache/b")), "old b");
    EXPECT_EQ(readFileBytes(home.at("cache/c")), "new c");
    EXPECT_EQ(trashedContentsOf(trashFiles(), home.at("cache/b")), std::vector<std::string>{"new b"});
    EXPECT_EQ(entriesOf(trashFiles()).size(), 1u); // the emptied trashed folder is gone, with its info file
    EXPECT_EQ(entriesOf(trashInfo()).size(), 1u);
}

TEST_F(RestoreHistory, AnEmptyTrashedFolderOntoAFolderSucceeds)
{
    clean({{home.mkdir("empty"), 0, "empty"}});
    home.mkdir("empty");
    const Path trashed = engine->cleaner().recentCleanRecords()[0].trashedPath;
    EXPECT_TRUE(EngineAccess::restoreTrashedItem(trashed, home.at("empty"), home.path()));
    EXPECT_FALSE(fileops::exists(trashed));
    EXPECT_TRUE(entriesOf(trashInfo()).empty());
}

TEST_F(RestoreHistory, APartlyCleanedFolderGetsItsChildrenBack)
{
    for (const char* child : {"a", "b", "c", "d"})
        home.fileWithContent(std::string("app/") + child, child);
    const auto before = snapshotTree(home.path(), ".local");
    {
        const std::string busy = home.at("app/b");
        const std::string folder = home.at("app");
        fault::ScopedHook hook([=](fault::Op op, std::string_view p) {
            return (op == fault::Op::rename || op == fault::Op::trashCall) && (p == busy || p == folder) ? EBUSY : 0;
        });
        clean({{folder, 400, "app"}});
    }
    EXPECT_EQ(entriesOf(home.at("app")), std::vector<std::string>{"b"});
    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    EXPECT_EQ(snapshotTree(home.path(), ".local"), before);
    EXPECT_TRUE(entriesOf(trashFiles()).empty());
    EXPECT_TRUE(entriesOf(trashInfo()).empty());
}

TEST_F(RestoreHistory, ChildrenThatCannotGoBackStayInTheTrashWithTheirInfo)
{
    home.fileWithContent("cache/a", "a");
    home.fileWithContent("cache/stuck", "s");
    clean({{home.at("cache"), 10, "cache"}});
    home.mkdir("cache");
    const Path trashed = engine->cleaner().recentCleanRecords()[0].trashedPath;
    {
        fault::ScopedHook hook([stuck = trashed + "/stuck"](fault::Op op, std::string_view p) {
            return op == fault::Op::rename && p == stuck ? EACCES : 0;
        });
        engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    }
    EXPECT_EQ(readFileBytes(home.at("cache/a")), "a");
    EXPECT_EQ(readFileBytes(trashed + "/stuck"), "s");
    EXPECT_TRUE(fileops::exists(infoFileOfEntry(trashed)));
    // Only part came back: the record stays, and brings back the rest once it can.
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    EXPECT_EQ(readFileBytes(home.at("cache/stuck")), "s");
    EXPECT_TRUE(engine->cleaner().recentCleanRecords().empty());
    EXPECT_FALSE(fileops::exists(trashed));
}

TEST_F(RestoreHistory, AFailedMoveBackLeavesTheOccupantInPlaceAndTheRecord)
{
    const std::string path = home.fileWithContent("report.pdf", "cleaned");
    clean({{path, 10, "report.pdf"}});
    home.fileWithContent("report.pdf", "occupant");
    const auto banner = engine->cleaner().lastCleanBanner();
    const Path trashed = engine->cleaner().recentCleanRecords()[0].trashedPath;
    {
        fault::ScopedHook hook([trashed](fault::Op op, std::string_view p) {
            return op == fault::Op::rename && p == trashed ? EXDEV : 0;
        });
        engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    }
    EXPECT_EQ(readFileBytes(path), "occupant");
    EXPECT_EQ(readFileBytes(trashed), "cleaned");
    EXPECT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    EXPECT_EQ(engine->cleaner().lastCleanBanner(), banner);
    EXPECT_EQ(entriesOf(trashFiles()).size(), 1u);
    EXPECT_EQ(entriesOf(trashInfo()).size(), 1u);
    EXPECT_FALSE(engine->isScanning());
}

TEST_F(RestoreHistory, RestoreAllPutsTheOlderCopyOfAPathCleanedTwiceOnTop)
{
    home.fileWithContent("cache/x", "v1");
    clean({{home.at("cache"), 1000, "cache"}});
    home.fileWithContent("cache/x", "v2");
    home.fileWithContent("cache/y", "y2");
    clean({{home.at("cache"), 2000, "cache"}});
    clean({{home.fileWithContent("lost", "l"), 5000, "lost"}});
    std::filesystem::remove(engine->cleaner().recentCleanRecords()[0].trashedPath); // the user emptied that one
    const Int64 lost = engine->cleaner().recentCleanRecords()[0].sizeBytes;
    const Int64 restored =
        engine->cleaner().recentCleanRecords()[1].sizeBytes + engine->cleaner().recentCleanRecords()[2].sizeBytes;

    engine->cleaner().restoreAllRecentCleans();
    EXPECT_EQ(readFileBytes(home.at("cache/x")), "v1");
    EXPECT_EQ(readFileBytes(home.at("cache/y")), "y2");
    EXPECT_EQ(trashedContentsOf(trashFiles(), home.at("cache/x")), std::vector<std::string>{"v2"});
    // The newer copy that made way is a record of its own; the rest of the history is gone.
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    EXPECT_EQ(engine->cleaner().recentCleanRecords()[0].originalPath, home.at("cache/x"));
    EXPECT_EQ(engine->cleaner().lastCleanBanner(), "已为您原路还原 2 项文件（共 " + DiskFormat::bytes(restored) + "）");
    EXPECT_EQ(engine->cleaner().sessionTotalFreedBytes(), lost);
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), lost); // the last clean's figure stays
}

TEST_F(RestoreHistory, TheSessionTotalNeverGoesBelowZero)
{
    clean({{home.allocatedFile("big.iso", 1 * MiB), 1LL << 30, "big.iso"}});
    EngineAccess::setSessionTotalFreedBytes(*engine, MiB / 2);
    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    EXPECT_EQ(engine->cleaner().sessionTotalFreedBytes(), 0);
    EXPECT_EQ(engine->cleaner().lastFreedBytes(), 1 * MiB);
}

// The master clean may list a folder and a large file inside it; the file goes with the
// folder and is found gone. Once the folder is back, the next scan shows the file again.
TEST_F(RestoreHistory, WhatCameBackInsideARestoredFolderIsScannedAgain)
{
    const std::string folder = home.mkdir("Downloads/old-installers");
    const std::string installer = home.allocatedFile("Downloads/old-installers/setup.dmg", 26 << 20);
    clean({{folder, 26 << 20, "old-installers"}, {installer, 26 << 20, "setup.dmg"}});
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);

    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    ASSERT_TRUE(waitForScan(*engine));
    ASSERT_TRUE(fileops::exists(installer));
    ASSERT_EQ(engine->results().largeFiles().size(), 1u);
    EXPECT_EQ(engine->results().largeFiles()[0].url, installer);
    EXPECT_TRUE(engine->cleaner().sessionCleanedPaths().empty());
}

// The same from the history on disk (the command line's restore): a merge that cannot
// bring every child back is partly restored, and its record stays restorable.
TEST_F(RestoreHistory, APartialMergeFromTheHistoryKeepsTheRecordRestorable)
{
    home.fileWithContent("cache/a", "a");
    home.fileWithContent("cache/stuck", "s");
    clean({{home.at("cache"), 10, "cache"}});
    home.mkdir("cache");
    const CleanHistoryRecord record = engine->cleaner().recentCleanRecords()[0];
    {
        const fault::ScopedHook hook([stuck = record.trashedPath + "/stuck"](fault::Op op, std::string_view p) {
            return op == fault::Op::rename && p == stuck ? EACCES : 0;
        });
        const auto outcomes = engine->cleaner().restoreFromHistory({record.id});
        ASSERT_TRUE(outcomes);
        EXPECT_EQ((*outcomes)[0].result, HistoryRestoreResult::partlyRestored);
    }
    EXPECT_EQ(readFileBytes(home.at("cache/a")), "a");
    EXPECT_FALSE(engine->cleaner().persistedCleanHistory()->at(0).restored);
    EXPECT_TRUE(engine->cleaner().isStillInTrash(record));

    const auto again = engine->cleaner().restoreFromHistory({record.id});
    ASSERT_TRUE(again);
    EXPECT_EQ((*again)[0].result, HistoryRestoreResult::restored);
    EXPECT_EQ(readFileBytes(home.at("cache/stuck")), "s");
}
