// Where files share extents, the window shows what removing an item frees beside its full
// size (rows and inspector), and the disk block the freed space the volume measured beside
// the estimate; where the two agree everything reads as a plain size.
#include "Views/WindowTestSupport.h"
#include "support/EngineTestAccess.h"
#include "support/Records.h"

#include <QQuickItem>
#include <gtest/gtest.h>

#include <algorithm>

using Role = QAccessible::Role;

namespace {

// Whether a visible text item of the window reads exactly this.
bool showsText(QQuickItem* item, const QString& text)
{
    if (!item || !item->isVisible())
        return false;
    if (item->property("text").toString() == text)
        return true;
    const auto children = item->childItems();
    return std::any_of(children.begin(), children.end(), [&](QQuickItem* child) { return showsText(child, text); });
}

} // namespace

TEST(ReclaimableFiguresWindow, RowsAndInspectorShowWhatRemovingFreesBesideTheSizeOnlyWhereTheyDiffer)
{
    WindowUnderTest w;
    w.open();
    const Path shared = w.machine.root.file("Users/demo/Downloads/clone.iso", 1024);
    const Path own = w.machine.root.file("Users/demo/Downloads/own.iso", 1024);
    Seeded<LargeFileItem> clone = largeFile(shared, 40 * MiB, false, LargeFileCategory::installerArchive, "clone.iso");
    clone.record.reclaimableBytes = 4 * MiB;
    EngineAccess::setLargeFiles(
        w.scanner(),
        std::vector{clone, largeFile(own, 30 * MiB, false, LargeFileCategory::installerArchive, "own.iso")});
    w.view->selectWorkspace(Workspace::LargeMedia);
    w.settle();

    EXPECT_TRUE(showsText(w.window->contentItem(), "frees 4.0 MB of 40.0 MB"));
    EXPECT_TRUE(showsText(w.window->contentItem(), "30.0 MB")); // a file of its own reads as before
    EXPECT_FALSE(showsText(w.window->contentItem(), "frees 30.0 MB of 30.0 MB"));
    EXPECT_EQ(w.view->inspector()->sizeText(), "frees 4.0 MB of 40.0 MB");

    w.view->setLanguageRaw("de");
    w.settle();
    EXPECT_TRUE(showsText(w.window->contentItem(), "gibt 4.0 MB von 40.0 MB frei"));
}

TEST(ReclaimableFiguresWindow, TheDiskBlockShowsTheMeasuredFreedSpaceWithTheEstimateBeside)
{
    WindowUnderTest w;
    w.open();
    EngineAccess::setSessionTotalFreedBytes(w.scanner(), 30 * MiB);
    EngineAccess::setSessionMeasuredFreedBytes(w.scanner(), 30 * MiB);
    w.settle();
    EXPECT_EQ(w.textOf("diskFreed"), "30.0 MB");
    // A snapshot kept most of what a delete removed.
    EngineAccess::setSessionMeasuredFreedBytes(w.scanner(), 2 * MiB);
    w.settle();
    EXPECT_EQ(w.textOf("diskFreed"), "2.0 MB (est. 30.0 MB)");
}

TEST(ReclaimableFiguresWindow, CopiesThatCanBeMergedOfferMergingInPlaceBesideRemoving)
{
    WindowUnderTest w;
    w.open();
    w.view->setLanguageRaw("en");
    const Path original = w.machine.root.file("Users/demo/Videos/film.mkv", 1024);
    const Path copy = w.machine.root.file("Users/demo/Downloads/film.mkv", 1024);
    SeededGroup films = group("films", {member(original, 40 * MiB, true, false), member(copy, 40 * MiB, false, true)});
    films.record.members[1].mergeableBytes = 40 * MiB;
    EngineAccess::setDuplicateGroups(w.scanner(), {films});
    w.view->showList(ShownList::DuplicateGroups);
    w.settle();

    // Merging is the default where it can be done; the button says what it does, and the
    // choice says why nothing needs restoring.
    EXPECT_TRUE(w.find(Role::RadioButton, "Merge Copies in Place").state().checked);
    EXPECT_EQ(w.view->column()->primaryActionTitle(), "Merge Copies");
    EXPECT_FALSE(w.view->column()->primaryActionRemoves());
    w.press(Role::RadioButton, "Remove Copies");
    w.settle();
    EXPECT_FALSE(w.view->mergesCopies());
    EXPECT_EQ(w.scanner().commands().copyMerging(), CopyMerging::never);
    EXPECT_EQ(w.view->column()->primaryActionTitle(), "Clean Clones");
    EXPECT_TRUE(w.view->column()->primaryActionRemoves());

    // Where nothing can be merged there is no choice to make.
    films.record.members[1].mergeableBytes.reset();
    EngineAccess::setDuplicateGroups(w.scanner(), {films});
    w.settle();
    EXPECT_FALSE(w.find(Role::RadioButton, "Merge Copies in Place"));
}
