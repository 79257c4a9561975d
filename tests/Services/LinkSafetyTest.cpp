// A clean of a home whose folders link outside it changes nothing outside it: not when
// the Trash, its files/ or info/, or ~/Library is a link, and not when ~/.cache is
// swapped for a link while a clean runs. Every byte outside is compared before and after.
#include "Platform/FaultInjection.h"
#include "support/CleanFixture.h"
#include "support/HomeFixtures.h"
#include "support/TreeSnapshot.h"

#include <atomic>
#include <filesystem>

namespace {

class LinkSafety : public CleanFixture {
  protected:
    TempHome outside; // a real folder outside the home: another disk, the user's data

    void scanAndCleanEverything(bool toTrash)
    {
        engine->cleaner().setMoveToTrashByDefault(toTrash);
        engine->startInstantScan();
        ASSERT_TRUE(waitForScan(*engine));
        engine->selection().setAllSafeCards(true);
        engine->commands().clean(CleanTarget::safeCaches);
        ASSERT_TRUE(waitForClean(*engine));
        engine->commands().clean(CleanTarget::everything);
        ASSERT_TRUE(waitForClean(*engine));
    }
};

} // namespace

TEST_F(LinkSafety, FoldersLinkedOutsideTheHomeAreNeitherCleanedNorUsed)
{
    for (const std::string linked :
         {".local/share/Trash", ".local/share/Trash/files", ".local/share/Trash/info", "Library", "Library/Caches"}) {
        for (const bool toTrash : {true, false}) {
            SCOPED_TRACE(linked + (toTrash ? " (to the Trash)" : " (deleting)"));
            std::filesystem::remove_all(home.at(""));
            home.mkdir("");
            std::filesystem::remove_all(outside.at(""));
            outside.mkdir("");
            // What the catalogue would find if it followed the links.
            outside.file("files/old.bin", 3 * MiB, 'o');
            outside.file("info/old.bin.trashinfo", 10, 'i');
            outside.file("Caches/Google/blob", 3 * MiB, 'g');
            outside.file("Google/blob", 3 * MiB, 'G');
            home.mkdir(".local/share/Trash/files");
            home.mkdir(".local/share/Trash/info");
            home.mkdir("Library");
            std::filesystem::remove_all(home.at(linked));
            home.symlink(linked, outside.path());
            dotCacheEntry(home, "tool", 'c'); // something the clean may really take
            const TreeSnapshot before = snapshotTree(outside.path());

            scanAndCleanEverything(toTrash);
            EXPECT_EQ(snapshotTree(outside.path()), before);
        }
    }
}

// Between two items of a clean, ~/.cache is replaced by a link to the user's data.
TEST_F(LinkSafety, ACacheFolderSwappedForALinkMidCleanLeadsNowhere)
{
    for (const bool toTrash : {false, true}) {
        SCOPED_TRACE(toTrash);
        std::filesystem::remove_all(home.at(".cache"));
        std::filesystem::remove_all(home.at(".cache-was"));
        std::filesystem::remove_all(outside.at(""));
        outside.fileWithContent("b/thesis.tex", "years of work");
        outside.fileWithContent("b/notes/today.md", "notes");
        home.fileWithContent(".cache/a/blob", "cache");
        home.fileWithContent(".cache/b/blob", "cache");
        const TreeSnapshot before = snapshotTree(outside.path());

        std::atomic<bool> swapped = false;
        fault::ScopedHook swapOnce([&](fault::Op, std::string_view path) {
            if (path.find("/.cache/a") != std::string_view::npos && !swapped.exchange(true)) {
                std::filesystem::rename(home.at(".cache"), home.at(".cache-was"));
                std::filesystem::create_directory_symlink(outside.path(), home.at(".cache"));
            }
            return 0;
        });
        engine->cleaner().setMoveToTrashByDefault(toTrash);
        clean({{home.at(".cache/a"), 10, "a"}, {home.at(".cache/b"), 10, "b"}});
        EXPECT_TRUE(swapped);
        EXPECT_EQ(snapshotTree(outside.path()), before);
        EXPECT_EQ(engine->cleaner().sessionCleanedPaths().count(home.at(".cache/b")), 0u);
        std::filesystem::remove(home.at(".cache"));
    }
}
