// The workspace column of the real window, offscreen, over real homes under /var/tmp: what a
// person (or a screen reader) sees and does there, checked on the file system afterwards.
#include "Models/DiskFormat.h"
#include "Services/StorageEngine.h"
#include "Views/WindowTestSupport.h"
#include "support/TreeSnapshot.h"

#include <QQuickItem>
#include <QTest>
#include <gtest/gtest.h>

using Role = QAccessible::Role;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }
QString bytes(Int64 value) { return q(DiskFormat::bytes(value)); }

// Two idle projects whose dependency folders the scan offers, selected.
void addIdleProjects(const TempHome& root, const std::string& home)
{
    const std::string rel = home.substr(root.path().size() + 1) + "/";
    root.allocatedFile(rel + "Documents/alpha/node_modules/lib.js", 16 * MiB);
    root.allocatedFile(rel + "Documents/beta/node_modules/lib.js", 20 * MiB);
    root.setModifiedDaysAgo(rel + "Documents/alpha", 30);
    root.setModifiedDaysAgo(rel + "Documents/beta", 30);
}

// The window open on the idle build artefacts of two projects.
void openOnIdleProjects(WindowUnderTest& w)
{
    addIdleProjects(w.machine.root, w.home);
    w.open();
    w.view->selectWorkspace(Workspace::DevAndDuplicates);
    w.settle();
}

std::string trashFiles(const std::string& home) { return home + "/.local/share/Trash/files"; }
std::string trashInfo(const std::string& home) { return home + "/.local/share/Trash/info"; }

// The home as it stands, without the Trash (where cleans go) and the settings.
TreeSnapshot homeWithoutTrash(const std::string& home) { return snapshotTree(home, ".local"); }

} // namespace

// ---------------------------------------------------------------- selecting and cleaning rows

TEST(WorkspaceColumn, ThePrimaryButtonCleansExactlyTheSelectedRowsOfItsSubTab)
{
    WindowUnderTest w;
    w.machine.root.allocatedFile("Users/demo/Downloads/setup.dmg", 30 * MiB); // selected, other workspace
    openOnIdleProjects(w);
    w.press(Role::Button, "Deselect All"); // idle projects come selected
    EXPECT_EQ(w.textOf("selectedToReclaim"), bytes(0));
    // A row's check box raises the shown total by that row's size.
    w.press(Role::CheckBox, "beta / node_modules");
    const auto& bloats = w.scanner().results().projectBloats();
    ASSERT_EQ(bloats.size(), 2u);
    EXPECT_EQ(w.textOf("selectedToReclaim"), bytes(bloats[bloats[0].projectName == "beta" ? 0 : 1].sizeBytes));
    EXPECT_FALSE(w.find(Role::CheckBox, "alpha / node_modules").state().checked);
    const TreeSnapshot before = homeWithoutTrash(w.home);

    w.press(Role::Button, "Clean Build Cache");
    ASSERT_TRUE(w.waitForClean());

    // beta's folder went to the Trash with its info file; nothing else changed.
    TreeSnapshot expected = before;
    std::erase_if(expected, [](const auto& e) { return e.first.starts_with("Documents/beta/node_modules"); });
    EXPECT_EQ(homeWithoutTrash(w.home), expected);
    const auto trashed = snapshotTree(trashFiles(w.home));
    ASSERT_EQ(std::count_if(trashed.begin(), trashed.end(), [](const auto& e) { return e.second.starts_with("dir"); }),
              1);
    EXPECT_TRUE(trashed.begin()->first.ends_with("-node_modules"));
    const auto info = snapshotTree(trashInfo(w.home));
    ASSERT_EQ(info.size(), 1u);
    EXPECT_NE(info.begin()->second.find("Path=" + w.home + "/Documents/beta/node_modules"), std::string::npos);
    // The cleaned row is gone, the other stays.
    ASSERT_EQ(w.scanner().results().projectBloats().size(), 1u);
    EXPECT_EQ(w.scanner().results().projectBloats()[0].projectName, "alpha");
}

TEST(WorkspaceColumn, SelectAllInTheVideoCategorySelectsOnlyVideoRows)
{
    WindowUnderTest w;
    w.machine.root.allocatedFile("Users/demo/Movies/trip.mp4", 26 * MiB);
    w.machine.root.allocatedFile("Users/demo/Movies/talk.mov", 27 * MiB);
    w.machine.root.allocatedFile("Users/demo/Documents/notes.sqlite", 28 * MiB);
    w.open();
    w.view->selectWorkspace(Workspace::LargeMedia);
    w.settle();
    w.press(Role::RadioButton, "Videos & Media");
    EXPECT_EQ(w.view->rowsOf(ShownList::LargeFiles)->count(), 2);
    w.press(Role::Button, "Select All");

    for (const LargeFileItem& file : w.scanner().results().largeFiles())
        EXPECT_EQ(w.scanner().selection().isSelected(file), file.category == LargeFileCategory::videoMedia)
            << file.name;
    EXPECT_TRUE(w.find(Role::Button, "Deselect All")); // every row shown is selected now
    w.press(Role::RadioButton, "All Files");
    EXPECT_FALSE(w.find(Role::CheckBox, "notes.sqlite").state().checked);
    EXPECT_TRUE(w.find(Role::Button, "Select All"));
}

TEST(WorkspaceColumn, CacheOnlyModeDisablesAppsWithoutLeftoversAndRetitlesTheButton)
{
    WindowUnderTest w;
    w.machine.root.allocatedFile("Applications/Keeper.app/Contents/MacOS/Keeper", 6 * MiB);
    w.machine.root.allocatedFile("Applications/Clean.app/Contents/MacOS/Clean", 6 * MiB);
    w.machine.root.allocatedFile("Users/demo/Library/Caches/Keeper/blob", 2 * MiB);
    w.open();
    w.view->selectWorkspace(Workspace::AppSlimming);
    w.view->setAppSlimmingOnlyCache(false);
    w.settle();
    w.press(Role::Button, "Select All");
    ASSERT_TRUE(w.find(Role::Button, "Uninstall Apps"));
    EXPECT_TRUE(w.find(Role::CheckBox, "Clean").state().checked);

    w.press(Role::RadioButton, "Clean Cache Only (Keep App)");
    EXPECT_TRUE(w.find(Role::Button, "Strip App Cache"));
    EXPECT_FALSE(w.find(Role::CheckBox, "Clean").state().checked); // switching deselects what has nothing to clean
    // The app without leftovers still shows, but its check box does not select it.
    QObject* cleanBox = w.shown("rowCheck:Clean");
    ASSERT_TRUE(cleanBox);
    EXPECT_FALSE(cleanBox->property("enabled").toBool());
    w.press(Role::CheckBox, "Clean");
    EXPECT_FALSE(w.find(Role::CheckBox, "Clean").state().checked);
    EXPECT_TRUE(w.find(Role::ListItem, "Clean"));
}

// ---------------------------------------------------------------- empty states, banner, undo

TEST(WorkspaceColumn, AfterCleaningEveryCardTheEmptyStateShowsAndNextOpensTheNextWorkspace)
{
    WindowUnderTest w;
    w.machine.root.allocatedFile("Users/demo/Library/Caches/Google/blob", 3 * MiB);
    w.open();
    ASSERT_FALSE(w.scanner().results().ruleCards().empty());
    EXPECT_FALSE(w.isShown("emptyState"));

    w.press(Role::Button, "Clean Safe Cache");
    ASSERT_TRUE(w.waitForClean());

    EXPECT_TRUE(w.isShown("emptyState"));
    EXPECT_EQ(w.textOf("emptyStateTitle"), "All System & App Caches Cleaned");
    EXPECT_TRUE(w.find(Role::Button, "Deep Rescan"));

    w.press(Role::Button, "Next: Idle Dev & Clones");
    EXPECT_EQ(w.view->selectedWorkspace(), Workspace::DevAndDuplicates);
}

TEST(WorkspaceColumn, TheBannerAndTheRestoreHistoryFollowEachCleanAndRestore)
{
    WindowUnderTest w;
    openOnIdleProjects(w);
    EXPECT_FALSE(w.isShown("feedbackBanner"));

    // Each clean shows its banner until dismissed: beta's, then alpha's.
    w.press(Role::CheckBox, "alpha / node_modules");
    w.press(Role::Button, "Clean Build Cache");
    ASSERT_TRUE(w.waitForClean());
    EXPECT_TRUE(w.isShown("feedbackBanner"));
    w.press(Role::Button, "Dismiss");
    EXPECT_FALSE(w.isShown("feedbackBanner"));
    w.press(Role::CheckBox, "alpha / node_modules");
    w.press(Role::Button, "Clean Build Cache");
    ASSERT_TRUE(w.waitForClean());
    EXPECT_TRUE(w.isShown("feedbackBanner"));
    w.press(Role::Button, "Dismiss");

    // The history puts back one clean, newest first, then the rest; a restore writes its banner.
    w.press(Role::Button, "Undo Restore");
    ASSERT_TRUE(w.isShown("restoreHistoryPopover"));
    w.press(Role::Button, "Restore");
    EXPECT_EQ(readFileBytes(w.home + "/Documents/alpha/node_modules/lib.js").size(), std::size_t(16 * MiB));
    EXPECT_TRUE(w.isShown("feedbackBanner"));
    EXPECT_FALSE(w.isShown("restoreHistoryEmpty"));
    w.press(Role::Button, "Restore All");
    EXPECT_EQ(readFileBytes(w.home + "/Documents/beta/node_modules/lib.js").size(), std::size_t(20 * MiB));
    EXPECT_TRUE(w.isShown("restoreHistoryEmpty"));
    EXPECT_EQ(w.textOf("restoreHistoryEmpty"), w.text("restoreNothingLeft"));
}

TEST(WorkspaceColumn, UndoBringsEverythingBackByteForByte)
{
    WindowUnderTest w;
    addIdleProjects(w.machine.root, w.home);
    w.machine.root.file("Users/demo/Documents/alpha/node_modules/pkg/index.js", 4000, 'a');
    w.machine.root.setModifiedDaysAgo("Users/demo/Documents/alpha", 30);
    w.machine.root.allocatedFile("Users/demo/Library/Caches/Google/blob", 3 * MiB);
    w.open();
    const TreeSnapshot before = homeWithoutTrash(w.home);
    w.press(Role::Button, "Smart Clean All · " + bytes(w.scanner().selection().totalMasterSmartCleanBytes()));
    ASSERT_TRUE(w.waitForClean());
    ASSERT_NE(homeWithoutTrash(w.home), before);

    w.press(Role::Button,
            "↺ Undo Restore (" + QString::number(w.scanner().cleaner().recentCleanRecords().size()) + ")");
    ASSERT_TRUE(waitForScan(w.scanner()));
    EXPECT_EQ(homeWithoutTrash(w.home), before);
    EXPECT_TRUE(snapshotTree(trashInfo(w.home)).empty());
}

// ---------------------------------------------------------------- moving to the Trash off

TEST(WorkspaceColumn, WithTheTrashOffACleanWaitsForConfirmationAndCancelLeavesEverything)
{
    WindowUnderTest w;
    openOnIdleProjects(w);
    w.toggle(Role::CheckBox, "Move to Trash");
    ASSERT_FALSE(w.scanner().cleaner().moveToTrashByDefault());
    const TreeSnapshot before = snapshotTree(w.home);
    const Int64 selected = w.scanner().selection().totalSelectedBloatBytes();

    w.press(Role::Button, "Clean Build Cache");
    ASSERT_TRUE(w.isShown("cleanConfirmation"));
    EXPECT_FALSE(w.scanner().cleaner().isCleaning());
    EXPECT_NE(w.textOf("confirmationMessage").indexOf(bytes(selected)), -1);
    EXPECT_NE(w.textOf("confirmationMessage").indexOf("cannot be undone"), -1);
    // Cancel is the default: Enter on the focused button cancels.
    QTest::keyClick(w.window, Qt::Key_Return);
    w.settle();
    EXPECT_FALSE(w.isShown("cleanConfirmation"));
    EXPECT_EQ(snapshotTree(w.home), before);

    // Escape cancels too; the smart clean asks the same way.
    w.press(Role::Button, "Smart Clean All · " + bytes(selected));
    ASSERT_TRUE(w.isShown("cleanConfirmation"));
    QTest::keyClick(w.window, Qt::Key_Escape);
    w.settle();
    EXPECT_FALSE(w.isShown("cleanConfirmation"));
    EXPECT_EQ(snapshotTree(w.home), before);

    // Confirmed, it deletes for good: nothing lands in the Trash.
    w.press(Role::Button, "Clean Build Cache");
    w.press(Role::Button, "Delete Permanently");
    ASSERT_TRUE(w.waitForClean());
    EXPECT_TRUE(w.scanner().results().projectBloats().empty());
    EXPECT_TRUE(snapshotTree(trashFiles(w.home)).empty());
}

TEST(WorkspaceColumn, AfterAPermanentDeleteTheBannerSaysSoAndOffersNoUndo)
{
    WindowUnderTest w;
    openOnIdleProjects(w);
    w.press(Role::CheckBox, "alpha / node_modules"); // beta alone goes to the Trash
    w.press(Role::Button, "Clean Build Cache");
    ASSERT_TRUE(w.waitForClean());
    EXPECT_TRUE(w.find(Role::Button, "↺ Undo Restore (1)"));

    w.toggle(Role::CheckBox, "Move to Trash");
    w.press(Role::CheckBox, "alpha / node_modules");
    w.press(Role::Button, "Clean Build Cache");
    w.press(Role::Button, "Delete Permanently");
    ASSERT_TRUE(w.waitForClean());
    EXPECT_TRUE(w.textOf("bannerText").startsWith("Clean Complete · Deleted for good"))
        << w.textOf("bannerText").toStdString();
    EXPECT_FALSE(w.find(Role::Button, "↺ Undo Restore (1)"));
    EXPECT_EQ(w.scanner().cleaner().recentCleanRecords().size(), 1u); // beta waits in the history
}

// Two parts of one app's leftovers: each history row names its folder and its own size, and
// once everything is back the popover does not claim that nothing was cleaned.
TEST(WorkspaceColumn, RestoreHistoryRowsTellPartsApartAndTheEmptyTextStaysTrue)
{
    WindowUnderTest w;
    w.machine.root.allocatedFile("Applications/Slack.app/Contents/MacOS/Slack", 6 * MiB);
    w.machine.root.allocatedFile("Users/demo/Library/Caches/Slack/blob", 3 * MiB);
    w.machine.root.allocatedFile("Users/demo/Library/Logs/Slack/log", 1 * MiB);
    w.open();
    w.view->selectWorkspace(Workspace::AppSlimming);
    w.settle();
    if (!w.find(Role::CheckBox, "Slack").state().checked)
        w.press(Role::CheckBox, "Slack");
    w.press(Role::Button, "Strip App Cache");
    ASSERT_TRUE(w.waitForClean());

    w.press(Role::Button, "Undo Restore");
    ASSERT_TRUE(w.isShown("restoreHistoryPopover"));
    std::set<QString> rows;
    for (const AccessibleNode& restore : w.findAll(Role::Button))
        if (restore.name() == "Restore")
            rows.insert(restore.node->text(QAccessible::Description));
    EXPECT_EQ(rows, (std::set<QString>{"Slack leftovers · ~/Library/Caches", "Slack leftovers · ~/Library/Logs"}));
    std::vector<Int64> sizes;
    for (const auto& record : w.scanner().cleaner().recentCleanRecords())
        sizes.push_back(record.sizeBytes);
    EXPECT_EQ(sizes.size(), 2u);
    EXPECT_NE(sizes.front(), sizes.back()); // measured each, not half of the total each

    w.press(Role::Button, "Restore All");
    ASSERT_TRUE(w.isShown("restoreHistoryEmpty"));
    EXPECT_EQ(w.textOf("restoreHistoryEmpty"), w.text("restoreNothingLeft"));
}

// ---------------------------------------------------------------- keyboard and accessibility

TEST(WorkspaceColumn, EveryControlOfTheColumnAndHeaderIsNamedAndPressable)
{
    WindowUnderTest w;
    openOnIdleProjects(w);

    EXPECT_TRUE(w.find(Role::Button, "Deselect All")); // idle projects come selected
    for (auto [role, name] : std::initializer_list<std::pair<Role, QString>>{
             {Role::Button, "Clean Build Cache"},
             {Role::Button, "Deep Rescan"},
             {Role::RadioButton, "Build Artifacts"},
             {Role::RadioButton, "Exact Clones"},
             {Role::CheckBox, "Move to Trash"},
             {Role::Button, "Undo Restore"},
             {Role::ListItem, "alpha / node_modules"},
             {Role::CheckBox, "alpha / node_modules"},
             {Role::StaticText, "Selected to Reclaim Now " + w.textOf("selectedToReclaim")}})
        EXPECT_TRUE(w.find(role, name)) << name.toStdString();

    // No control without a name or without a way to press it.
    for (const AccessibleNode& node : w.nodes()) {
        const Role role = node.role();
        if (role != Role::Button && role != Role::CheckBox && role != Role::RadioButton && role != Role::ListItem &&
            role != Role::PageTab)
            continue;
        EXPECT_FALSE(node.name().isEmpty()) << "role " << role;
        EXPECT_TRUE(node.actions().contains(QAccessibleActionInterface::pressAction())) << node.name().toStdString();
    }
}

TEST(WorkspaceColumn, KeyboardAloneTogglesInspectsAndClosesThePopover)
{
    WindowUnderTest w;
    openOnIdleProjects(w);
    w.window->requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window));

    // Tab from the select-all button reaches the first row; Space toggles it, Enter inspects it.
    auto* selectAll = w.window->findChild<QQuickItem*>("selectAllButton");
    ASSERT_TRUE(selectAll);
    selectAll->forceActiveFocus(Qt::TabFocusReason);
    int guard = 0;
    while (QString(w.window->activeFocusItem()->metaObject()->className()).indexOf("ProjectBloatRow") < 0 &&
           ++guard < 20) {
        QTest::keyClick(w.window, Qt::Key_Tab);
        w.settle();
    }
    ASSERT_LT(guard, 20) << "Tab never reached a row";
    const int row = w.window->activeFocusItem()->property("index").toInt();
    const auto isSelected = [&] {
        return w.scanner().selection().isSelected(w.scanner().results().projectBloats()[row]);
    };
    const bool wasSelected = isSelected();
    QTest::keyClick(w.window, Qt::Key_Space);
    w.settle();
    EXPECT_NE(isSelected(), wasSelected);
    QTest::keyClick(w.window, Qt::Key_Return);
    w.settle();
    EXPECT_EQ(w.view->inspectedRow(), row);

    // Tab reaches the check box of that row, and Space toggles it back.
    QTest::keyClick(w.window, Qt::Key_Tab);
    w.settle();
    QTest::keyClick(w.window, Qt::Key_Space);
    w.settle();
    EXPECT_EQ(isSelected(), wasSelected);

    // Escape closes the restore-history popover.
    w.press(Role::Button, "Undo Restore");
    ASSERT_TRUE(w.isShown("restoreHistoryPopover"));
    QTest::keyClick(w.window, Qt::Key_Escape);
    w.settle();
    EXPECT_FALSE(w.isShown("restoreHistoryPopover"));
    EXPECT_FALSE(w.view->showRestoreHistoryPopover());
}
