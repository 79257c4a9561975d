// The executor's choice for one item, from what it found at the item's path.
#include "Services/PurgeDecision.h"

#include <gtest/gtest.h>

namespace {

const PurgeRules kToTrash{"/home/u",
                          "/home/u/.local/share/Trash/files",
                          true,
                          true,
                          {"/home/u/.cache/state/quillmere", "/run/user/1000/x.lock"}};

FileStamp stamp(FileStamp::Kind kind, std::uint64_t inode, std::int64_t size = 0, std::int64_t modified = 0)
{
    FileStamp s;
    s.device = 1;
    s.inode = inode;
    s.kind = kind;
    s.sizeBytes = size;
    s.modifiedNanoseconds = modified;
    return s;
}

ItemFacts present(FileStamp now)
{
    ItemFacts facts;
    facts.now = now;
    return facts;
}

PurgeDecision decide(const CleanItem& item, const ItemFacts& facts, const PurgeRules& rules = kToTrash)
{
    return decidePurgeAction(item, facts, rules);
}

constexpr auto kFile = FileStamp::Kind::file;
constexpr auto kFolder = FileStamp::Kind::folder;

} // namespace

TEST(PurgeDecision, WhereAnItemGoes)
{
    const CleanItem cache("/home/u/.cache/x", 10, "x");
    EXPECT_EQ(decide(cache, present(stamp(kFolder, 5))).action, PurgeAction::moveToTrash);
    PurgeRules deleting = kToTrash;
    deleting.toTrash = false;
    EXPECT_EQ(decide(cache, present(stamp(kFolder, 5)), deleting).action, PurgeAction::deleteForGood);
    // What lies in the Trash or a temporary folder is deleted even in Trash mode.
    for (const char* path : {"/home/u/.local/share/Trash/files/QM-1-0-a", "/tmp/x", "/private/var/folders/a"})
        EXPECT_EQ(decide({path, 1, "p"}, present(stamp(kFile, 5))).action, PurgeAction::deleteForGood) << path;
}

TEST(PurgeDecision, WhatIsNotTheScansAnymoreIsLeft)
{
    CleanItem file("/home/u/Downloads/a.zip", 10, "a.zip");
    file.scanned = stamp(kFile, 7, 100, 1000);
    EXPECT_EQ(decide(file, present(stamp(kFile, 7, 100, 1000))).action, PurgeAction::moveToTrash);
    EXPECT_EQ(decide(file, present(stamp(kFile, 7, 100, 2000))).reason, PurgeSkipReason::changedSinceScan);
    EXPECT_EQ(decide(file, present(stamp(kFile, 8, 100, 1000))).reason, PurgeSkipReason::changedSinceScan);
    EXPECT_EQ(decide(file, present(stamp(FileStamp::Kind::link, 7))).reason, PurgeSkipReason::changedSinceScan);

    // A cache folder keeps working after the scan: only its identity counts.
    CleanItem folder("/home/u/.cache/x", 10, "x");
    folder.scanned = stamp(kFolder, 9);
    FileStamp busy = stamp(kFolder, 9);
    busy.modifiedNanoseconds = 5;
    EXPECT_EQ(decide(folder, present(busy)).action, PurgeAction::moveToTrash);

    CleanItem copy = file;
    copy.keptOriginal = ScannedPath{"/home/u/Documents/a.zip", stamp(kFile, 3, 100, 1000)};
    ItemFacts facts = present(stamp(kFile, 7, 100, 1000));
    facts.keptOriginalUnchanged = false;
    EXPECT_EQ(decide(copy, facts).reason, PurgeSkipReason::originalChanged);
    facts.keptOriginalUnchanged = true;
    EXPECT_EQ(decide(copy, facts).action, PurgeAction::moveToTrash);
}

TEST(PurgeDecision, PresenceComesBeforeEverythingButTheOffLimitsPaths)
{
    const CleanItem item("/home/u/.cache/x", 10, "x");
    ItemFacts facts;
    facts.presence = ItemFacts::Presence::missing;
    EXPECT_EQ(decide(item, facts).action, PurgeAction::countAsGone);
    facts.presence = ItemFacts::Presence::throughLink;
    EXPECT_EQ(decide(item, facts).reason, PurgeSkipReason::reachedThroughLink);
    facts.presence = ItemFacts::Presence::outsideRoots;
    EXPECT_EQ(decide(item, facts).reason, PurgeSkipReason::outsideRoots);

    for (const char* path : {"/home/u", "/home", "/home/u/.local/share/Trash", "/home/u/.local"})
        EXPECT_EQ(decide({path, 1, "p"}, present(stamp(kFolder, 1))).reason, PurgeSkipReason::offLimits) << path;
    ItemFacts mounted = present(stamp(kFolder, 1));
    mounted.isMountPoint = true;
    EXPECT_EQ(decide(item, mounted).reason, PurgeSkipReason::mountPoint);
}

TEST(PurgeDecision, TheTrashIsEmptiedOnlyAsMeasuredAndOnlyWhenItCanBeUsed)
{
    CleanItem trash(kToTrash.trashFolder, 10, "Trash");
    EXPECT_EQ(decide(trash, present(stamp(kFolder, 2))).reason, PurgeSkipReason::trashNotMeasured);
    trash.trashEntries = std::vector<FolderEntryStamp>{};
    EXPECT_EQ(decide(trash, present(stamp(kFolder, 2))).action, PurgeAction::emptyTrash);
    PurgeRules linked = kToTrash;
    linked.trashUsable = false;
    EXPECT_EQ(decide(trash, present(stamp(kFolder, 2)), linked).reason, PurgeSkipReason::trashUnusable);
    EXPECT_EQ(decide({"/home/u/.cache/x", 1, "x"}, present(stamp(kFolder, 2)), linked).reason,
              PurgeSkipReason::trashUnusable);
}
