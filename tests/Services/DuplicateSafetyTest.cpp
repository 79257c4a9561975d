// A duplicate group never loses its last copy: not when its original lies in a folder
// another list removes, not when its copies are also selected as large files, not when
// a copy or the original changed after the scan.
#include "support/CleanFixture.h"
#include "support/EngineTestAccess.h"
#include "support/HomeFixtures.h"
#include "support/Records.h"

#include <fstream>

namespace {

class DuplicateSafety : public CleanFixture {
  protected:
    void scanAndClean(CleanTarget target)
    {
        engine->startInstantScan();
        ASSERT_TRUE(waitForScan(*engine));
        ASSERT_FALSE(engine->results().duplicateGroups().empty()) << "the scan found no duplicates";
        engine->commands().clean(target);
        ASSERT_TRUE(waitForClean(*engine));
    }

    // Rewrites a file in place with other bytes of the same length, as an editor saves.
    void edit(const std::string& path)
    {
        std::string content = readFileBytes(path);
        content[content.size() / 2] ^= 0x5A;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    }

    int copiesLeft(const std::vector<std::string>& paths, const std::string& content) const
    {
        int left = 0;
        for (const auto& path : paths)
            left += fileops::exists(path) && readFileBytes(path) == content;
        return left;
    }
};

} // namespace

// The kept original lies in a folder that the artefact list removes. A scan never finds a
// duplicate inside an artefact it offers, so the artefact is published afterwards.
TEST_F(DuplicateSafety, TheMasterCleanKeepsACopyWhenTheOriginalGoesWithAnArtefactFolder)
{
    const std::string original = home.file("Desktop/projects/web/dist/app.bin", 4 * MiB, 'a');
    const std::string copy = home.file("Documents/backups/2024-old/web/app.bin", 4 * MiB, 'a');
    const std::string content = readFileBytes(copy);
    engine->cleaner().setMoveToTrashByDefault(false);

    engine->startInstantScan();
    ASSERT_TRUE(waitForScan(*engine));
    ASSERT_FALSE(engine->results().duplicateGroups().empty()) << "the scan found no duplicates";
    EngineAccess::setProjectBloats(*engine,
                                   {bloat(home.at("Desktop/projects/web/dist"), 4 * MiB, true, "web", "dist")});
    engine->commands().clean(CleanTarget::everything);
    ASSERT_TRUE(waitForClean(*engine));
    EXPECT_FALSE(fileops::exists(original)); // the artefact folder went as selected
    EXPECT_EQ(copiesLeft({original, copy}, content), 1);
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 1);
}

// Both copies are archives large enough to be preselected as large files too.
TEST_F(DuplicateSafety, TheMasterCleanKeepsACopyWhenEveryCopyIsAlsoASelectedLargeFile)
{
    const std::string original = largeInstaller(home, "Downloads/data.zip", 'z');
    const std::string copy = largeInstaller(home, "Documents/archive/data.zip", 'z');
    const std::string content = readFileBytes(copy);
    engine->cleaner().setMoveToTrashByDefault(false);

    scanAndClean(CleanTarget::everything);
    EXPECT_EQ(copiesLeft({original, copy}, content), 1);
    EXPECT_GE(engine->cleaner().lastSkippedCount(), 1);
}

// A copy edited after the scan is no copy any more; once the original differs, the copy may
// be the only one left of what the scan saw. Both are left.
TEST_F(DuplicateSafety, ACopyOrOriginalChangedAfterTheScanIsLeft)
{
    const std::string original = home.file("Documents/report.pdf", 4 * MiB, 'r');
    const std::string editedCopy = home.file("Documents/sent/report.pdf", 4 * MiB, 'r');
    const std::string editedOriginal = home.file("Documents/notes.pdf", 4 * MiB, 'n');
    const std::string copy = home.file("Documents/sent/notes.pdf", 4 * MiB, 'n');
    const std::string content = readFileBytes(copy);
    engine->cleaner().setMoveToTrashByDefault(false);
    engine->startInstantScan();
    ASSERT_TRUE(waitForScan(*engine));
    ASSERT_EQ(engine->results().duplicateGroups().size(), 2u);
    edit(editedCopy);
    edit(editedOriginal);
    const std::string edited = readFileBytes(editedCopy);

    engine->commands().clean(CleanTarget::duplicates);
    ASSERT_TRUE(waitForClean(*engine));
    EXPECT_EQ(readFileBytes(editedCopy), edited);
    EXPECT_EQ(readFileBytes(copy), content);
    EXPECT_TRUE(fileops::exists(original));
    EXPECT_EQ(engine->cleaner().lastSkippedCount(), 2);
    EXPECT_TRUE(engine->cleaner().sessionCleanedPaths().empty());
}
