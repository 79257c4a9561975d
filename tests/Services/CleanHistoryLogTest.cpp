// The window's cleans and restores write the history that outlives the process, and
// reading it survives what a crash leaves behind.
#include "Services/CleanHistoryLog.h"
#include "Platform/FaultInjection.h"
#include "Services/CleanTexts.h"
#include "support/CleanFixture.h"
#include "support/HomeFixtures.h"

#include <fstream>

namespace {

using CleanHistoryOnDisk = CleanFixture;

void appendRaw(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::app) << bytes;
}

} // namespace

TEST_F(CleanHistoryOnDisk, ATornLastLineIsSkippedAndTheNextCleanStartsAfreshLine)
{
    // A name that is not UTF-8 and holds a control character comes back byte for byte,
    // and so does the name by id that the window says it in.
    const std::string odd = home.fileWithContent("Documents/caf\xE9\x01\\x41.txt", "odd");
    CleanItem item{odd, 3, "odd"};
    item.nameRef = CleanTexts::appLeftoversName("caf\xE9\x01");
    clean({item});
    const CleanHistoryLog log = CleanHistoryLog::forHome(home.path());
    ASSERT_EQ(log.path(), home.at(".local/state/quillmere/history.jsonl"));
    appendRaw(log.path(), "not json at all\n{\"id\":\"torn\",\"clean\":\"x\",\"name\":\"ha");

    auto history = log.read();
    ASSERT_TRUE(history);
    ASSERT_EQ(history->size(), 1u);
    CleanHistoryRecord inMemory = engine->cleaner().recentCleanRecords()[0];
    inMemory.cleanedAt = std::chrono::floor<std::chrono::milliseconds>(inMemory.cleanedAt); // as written
    EXPECT_EQ((*history)[0].record, inMemory);
    EXPECT_EQ((*history)[0].record.originalPath, odd);
    EXPECT_TRUE((*history)[0].record.trashedEntry.has_value());
    EXPECT_EQ((*history)[0].record.nameRef, item.nameRef);

    const std::string next = home.fileWithContent("Documents/next.txt", "next");
    clean({{next, 4, "next"}});
    history = log.read();
    ASSERT_TRUE(history);
    ASSERT_EQ(history->size(), 2u);
    EXPECT_EQ((*history)[1].record.originalPath, next);
    EXPECT_NE((*history)[0].record.cleanID, (*history)[1].record.cleanID);

    // The window's restore notes it there too; its popover still holds only this session.
    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    EXPECT_EQ(readFileBytes(next), "next");
    EXPECT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    history = log.read();
    EXPECT_FALSE((*history)[0].restored);
    EXPECT_TRUE((*history)[1].restored);

    // A line written before names had ids reads as a name without one.
    CleanHistoryRecord older = inMemory;
    older.id = "older";
    older.nameRef = {};
    appendRaw(log.path(), CleanHistoryLog::recordLine(older) + "\n");
    history = log.read();
    ASSERT_EQ(history->size(), 3u);
    EXPECT_EQ((*history)[2].record, older);
}

TEST_F(CleanHistoryOnDisk, NoHistoryYetIsAnEmptyOneAndReadingMakesNothing)
{
    const auto history = CleanHistoryLog::forHome(home.path()).read();
    ASSERT_TRUE(history);
    EXPECT_TRUE(history->empty());
    EXPECT_FALSE(fileops::exists(home.at(".local/state")));
}

// Another process's clean recorded an entry after this engine measured the Trash: the
// emptying keeps it, though this engine's own records know nothing of it.
TEST_F(CleanHistoryOnDisk, EmptyingTheTrashKeepsAnEntryAnotherProcessRecorded)
{
    oldTrashEntry(home, "old.bin", 'o');
    const std::string kept = oldTrashEntry(home, "kept.bin", 'k');
    const CleanItem trash = trashAsScanned();
    CleanHistoryRecord record{"other-process", "kept.bin",  home.at("Documents/kept.bin"), kept, 3 * MiB, {}, "L",
                              "clean",         std::nullopt};
    const CleanHistoryLog log = CleanHistoryLog::forHome(home.path());
    auto file = log.openForAppending();
    ASSERT_TRUE(file);
    ASSERT_TRUE(CleanHistoryLog::append(*file, {record}));

    clean({trash});
    EXPECT_FALSE(fileops::exists(home.at(".local/share/Trash/files/old.bin")));
    EXPECT_TRUE(fileops::exists(kept));
}

// What goes to the Trash must be restorable: a history that cannot take a line stops the
// clean before its first item, and one that stops taking lines midway stops it there.
TEST_F(CleanHistoryOnDisk, AHistoryThatCannotBeWrittenStopsTheClean)
{
    const std::string first = home.fileWithContent("Documents/report.txt", "report");
    const std::string second = home.fileWithContent("Documents/notes.txt", "notes");
    const std::string historyFile = CleanHistoryLog::forHome(home.path()).path();
    {
        const fault::ScopedHook hook([&](fault::Op op, std::string_view at) {
            return op == fault::Op::writeFile && at == historyFile ? EIO : 0;
        });
        clean({{first, 6, "report.txt"}, {second, 5, "notes.txt"}});
    }
    EXPECT_EQ(engine->cleaner().lastHistoryError(), EIO);
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 2);
    EXPECT_EQ(readFileBytes(first), "report");
    EXPECT_EQ(readFileBytes(second), "notes");
    EXPECT_TRUE(engine->cleaner().recentCleanRecords().empty());
    EXPECT_TRUE(entriesOf(trashFiles()).empty());

    // The start line went in; the first record does not: the second item stays.
    int writes = 0;
    {
        const fault::ScopedHook hook([&](fault::Op op, std::string_view at) {
            return op == fault::Op::writeFile && at == historyFile && ++writes > 1 ? ENOSPC : 0;
        });
        clean({{first, 6, "report.txt"}, {second, 5, "notes.txt"}});
    }
    EXPECT_EQ(engine->cleaner().lastHistoryError(), ENOSPC);
    EXPECT_FALSE(fileops::exists(first));
    EXPECT_EQ(readFileBytes(second), "notes");
    EXPECT_EQ(engine->cleaner().lastCleanReport()[1].reason, CleanSkipReason::historyUnwritable);
    // The one that went is still this session's to restore, and its info file protects it.
    ASSERT_EQ(engine->cleaner().recentCleanRecords().size(), 1u);
    engine->cleaner().restoreSingleRecord(engine->cleaner().recentCleanRecords()[0].id);
    EXPECT_EQ(readFileBytes(first), "report");
}
