// A Trash too large to measure one entry at a time is measured in slices side by side,
// at two depths in one walk; the figures must be those of separate plain walks, hard
// links counted once per entry, and every info file of ours found.
#include "Platform/FileOperations.h"
#include "Platform/Trash.h"
#include "Platform/TreeTally.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const std::string kOurs = "X-Quillmere-Trashed=true\n";

} // namespace

TEST(TrashMeasure, SlicedTwoDepthWalkMatchesPlainWalksAndFindsOurInfoFiles)
{
    TempHome home;
    const std::string files = ".local/share/Trash/files/";
    const std::string info = ".local/share/Trash/info/";
    home.mkdir(info);
    // Enough entries for several slices; every third one is ours, one info file holds
    // our line past the first read.
    std::set<std::string> ours;
    for (int i = 0; i < 9000; ++i) {
        const std::string name = "thrown-" + std::to_string(i);
        home.file(files + name, i % 7 == 0 ? 5000 : 10);
        std::string text = "[Trash Info]\nPath=/home/x/" + name + "\nDeletionDate=2026-01-01T00:00:00\n";
        if (i == 5)
            text += "Comment=" + std::string(20000, 'c') + "\n";
        if (i % 3 == 0 || i == 5) {
            text += kOurs;
            ours.insert(name);
        }
        home.fileWithContent(info + name + ".trashinfo", text);
    }
    // One deep entry: files at every level, and one file under two names at levels 1 and 3.
    std::string deep = files + "tree";
    for (int level = 0; level < 12; ++level) {
        deep += "/d";
        home.file(deep + "/f", 4096 * (level + 1));
    }
    home.file(files + "tree/linked", 40960);
    home.hardlink(files + "tree/d/d/linked-again", files + "tree/linked");

    const auto trash = Trash::openHome(home.path(), false);
    ASSERT_TRUE(trash);
    const auto measured = trash->measureEntries(2, 10);
    ASSERT_TRUE(measured);
    ASSERT_EQ(measured->entries.size(), 9001u);

    std::int64_t nearBytes = 0;
    for (const auto& entry : measured->entries) {
        const fileops::Place place = trash->entry(entry.name);
        EXPECT_EQ(entry.bytes, tallyTree(place, 9).bytes) << entry.name;
        nearBytes += tallyTree(place, 1).bytes;
    }
    EXPECT_EQ(measured->nearBytes, nearBytes);

    const auto written = trash->entriesWrittenHere();
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, ours);
}
