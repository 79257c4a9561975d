// The executor's choice for one item, from what it found at the item's path.
#include "Services/CleanDecision.h"

#include <gtest/gtest.h>

namespace {

const CleanRules kToTrash{"/home/u",
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

CleanDecision decide(const CleanItem& item, const ItemFacts& facts, const CleanRules& rules = kToTrash)
{
    return decideCleanAction(item, facts, rules);
}

constexpr auto kFile = FileStamp::Kind::file;
constexpr auto kFolder = FileStamp::Kind::folder;

} // namespace

TEST(CleanDecision, WhereAnItemGoes)
{
    const CleanItem cache("/home/u/.cache/x", 10, "x");
    EXPECT_EQ(decide(cache, present(stamp(kFolder, 5))).action, CleanAction::moveToTrash);
    CleanRules deleting = kToTrash;
    deleting.toTrash = false;
    EXPECT_EQ(decide(cache, present(stamp(kFolder, 5)), deleting).action, CleanAction::deleteForGood);
    // What lies in the Trash or a temporary folder is deleted even in Trash mode.
    for (const char* path : {"/home/u/.local/share/Trash/files/QM-1-0-a", "/tmp/x", "/private/var/folders/a"})
        EXPECT_EQ(decide({path, 1, "p"}, present(stamp(kFile, 5))).action, CleanAction::deleteForGood) << path;
}

TEST(CleanDecision, WhatIsNotTheScansAnymoreIsLeft)
{
    CleanItem file("/home/u/Downloads/a.zip", 10, "a.zip");
    file.scanned = stamp(kFile, 7, 100, 1000);
    EXPECT_EQ(decide(file, present(stamp(kFile, 7, 100, 1000))).action, CleanAction::moveToTrash);
    EXPECT_EQ(decide(file, present(stamp(kFile, 7, 100, 2000))).reason, CleanSkipReason::changedSinceScan);
    EXPECT_EQ(decide(file, present(stamp(kFile, 8, 100, 1000))).reason, CleanSkipReason::changedSinceScan);
    EXPECT_EQ(decide(file, present(stamp(FileStamp::Kind::link, 7))).reason, CleanSkipReason::changedSinceScan);

    // A cache folder keeps working after the scan: only its identity counts.
    CleanItem folder("/home/u/.cache/x", 10, "x");
    folder.scanned = stamp(kFolder, 9);
    FileStamp busy = stamp(kFolder, 9);
    busy.modifiedNanoseconds = 5;
    EXPECT_EQ(decide(folder, present(busy)).action, CleanAction::moveToTrash);

    CleanItem copy = file;
    copy.keptOriginal = ScannedPath{"/home/u/Documents/a.zip", stamp(kFile, 3, 100, 1000)};
    ItemFacts facts = present(stamp(kFile, 7, 100, 1000));
    facts.keptOriginalUnchanged = false;
    EXPECT_EQ(decide(copy, facts).reason, CleanSkipReason::originalChanged);
    facts.keptOriginalUnchanged = true;
    EXPECT_EQ(decide(copy, facts).action, CleanAction::moveToTrash);
}

TEST(CleanDecision, PresenceComesBeforeEverythingButTheOffLimitsPaths)
{
    const CleanItem item("/home/u/.cache/x", 10, "x");
    ItemFacts facts;
    facts.presence = ItemFacts::Presence::missing;
    EXPECT_EQ(decide(item, facts).action, CleanAction::countAsGone);
    facts.presence = ItemFacts::Presence::throughLink;
    EXPECT_EQ(decide(item, facts).reason, CleanSkipReason::reachedThroughLink);
    facts.presence = ItemFacts::Presence::outsideRoots;
    EXPECT_EQ(decide(item, facts).reason, CleanSkipReason::outsideRoots);

    for (const char* path : {"/home/u", "/home", "/home/u/.local/share/Trash", "/home/u/.local"})
        EXPECT_EQ(decide({path, 1, "p"}, present(stamp(kFolder, 1))).reason, CleanSkipReason::offLimits) << path;
    ItemFacts mounted = present(stamp(kFolder, 1));
    mounted.isMountPoint = true;
    EXPECT_EQ(decide(item, mounted).reason, CleanSkipReason::mountPoint);
}

TEST(CleanDecision, TheTrashIsEmptiedOnlyAsMeasuredAndOnlyWhenItCanBeUsed)
{
    CleanItem trash(kToTrash.trashFolder, 10, "Trash");
    EXPECT_EQ(decide(trash, present(stamp(kFolder, 2))).reason, CleanSkipReason::trashNotMeasured);
    trash.trashEntries = std::vector<FolderEntryStamp>{};
    EXPECT_EQ(decide(trash, present(stamp(kFolder, 2))).action, CleanAction::emptyTrash);
    CleanRules linked = kToTrash;
    linked.trashUsable = false;
    EXPECT_EQ(decide(trash, present(stamp(kFolder, 2)), linked).reason, CleanSkipReason::trashUnusable);
    EXPECT_EQ(decide({"/home/u/.cache/x", 1, "x"}, present(stamp(kFolder, 2)), linked).reason,
              CleanSkipReason::trashUnusable);
}
