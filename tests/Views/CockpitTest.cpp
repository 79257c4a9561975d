// The cockpit and the sidebar of the real window, offscreen, over real homes under /var/tmp:
// the ring's centre and arcs, the pods while a scan counts and after, the disk block.
#include "Models/DiskFormat.h"
#include "Views/WindowTestSupport.h"
#include "support/EngineTestAccess.h"

#include <QQuickItem>
#include <QTest>
#include <gtest/gtest.h>

using Role = QAccessible::Role;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// The ring as a screen reader names it: its centre's size, then its label.
QString ringName(Int64 bytes) { return q(DiskFormat::shortGB(bytes)) + " Reclaimable"; }

// The ring's arcs once they have eased to the figures.
void settleRing(const WindowUnderTest& w)
{
    QObject* ring = w.shown("overviewRing");
    ASSERT_TRUE(ring);
    const bool eased = QTest::qWaitFor([&] {
        return ring->property("shownUsed") == ring->property("usedRatio") &&
               ring->property("shownReclaimable") == ring->property("reclaimableRatio");
    });
    ASSERT_TRUE(eased);
    w.settle();
}

// The pods, by workspace, as the accessibility tree describes them.
QStringList podDescriptions(const WindowUnderTest& w)
{
    QStringList descriptions;
    const WorkspaceListModel& pods = *w.view->workspaces();
    for (int row = 0; row < pods.rowCount(); ++row) {
        const QString title = pods.data(pods.index(row), pods.roleNames().key("title")).toString();
        const AccessibleNode pod = w.find(Role::Button, title);
        descriptions.append(pod ? pod.node->text(QAccessible::Description) : QStringLiteral("<none>"));
    }
    return descriptions;
}

} // namespace

TEST(Cockpit, TheRingNamesTheWorkspacesSelectionOrElseEverySelection)
{
    WindowUnderTest w;
    w.machine.root.allocatedFile("Users/demo/Library/Caches/Google/blob", 3 * MiB);
    w.machine.root.allocatedFile("Users/demo/Downloads/setup.dmg", 30 * MiB); // selected by default
    w.open();
    const SelectionState& s = w.scanner().selection();
    ASSERT_GT(s.totalSelectedSafeBytes(), 0);
    ASSERT_GT(s.totalSelectedLargeFileBytes(), 0);
    EXPECT_TRUE(w.find(Role::Button, ringName(s.totalSelectedSafeBytes())));

    // Nothing selected here: the centre names what all four workspaces have selected.
    w.press(Role::Button, "Deselect All");
    const Int64 everywhere = s.totalSelectedSafeBytes() + s.totalSelectedBloatBytes() +
                             s.totalSelectedDuplicateBytes() + s.totalSelectedLargeFileBytes();
    EXPECT_EQ(s.totalSelectedSafeBytes(), 0);
    EXPECT_TRUE(w.find(Role::Button, ringName(everywhere)));
    settleRing(w);
    EXPECT_TRUE(w.isShown("reclaimableArc"));
    EXPECT_TRUE(w.isShown("usedArc"));

    // A volume of unknown size: the ring is empty, its centre still names the selection.
    EngineAccess::setOverview(w.view->scanner(), DiskOverview{"v", 0, 0, 0});
    settleRing(w);
    EXPECT_FALSE(w.isShown("reclaimableArc"));
    EXPECT_FALSE(w.isShown("usedArc"));
    EXPECT_TRUE(w.find(Role::Button, ringName(everywhere)));
}

TEST(Cockpit, PressingTheRingRescansAndItShowsTheScanWhileItRuns)
{
    WindowUnderTest w;
    w.open();
    EXPECT_FALSE(w.isShown("scanningArc"));
    const AccessibleNode ring = w.find(Role::Button, ringName(0));
    ASSERT_TRUE(ring);
    ring.node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(w.scanner().isScanning());
    EXPECT_TRUE(w.isShown("scanningArc"));
    EXPECT_EQ(w.textOf("ringScanningWord"), "SCANNING");
    ASSERT_TRUE(waitForScan(w.scanner()));
    w.settle();
    EXPECT_FALSE(w.isShown("scanningArc"));
}

TEST(Cockpit, PodsCountWhileTheScanHasNotPublishedTheirWorkspaceAndNeverShowAZero)
{
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open();
    const QStringList finished = podDescriptions(w);
    for (const QString& description : finished)
        EXPECT_FALSE(description.startsWith("0 KB")) << description.toStdString();

    // A rescan has published nothing yet: every pod (and every tab's count) is counting.
    w.view->rescan();
    ASSERT_TRUE(w.scanner().isScanning());
    EXPECT_EQ(podDescriptions(w), QStringList(4, "Counting…"));
    ASSERT_TRUE(waitForScan(w.scanner()));
    w.settle();
    EXPECT_EQ(podDescriptions(w), finished);

    // Caches come first: their pod shows its figures while the others still count.
    EngineAccess::setIsScanning(w.view->scanner(), true);
    EngineAccess::setRuleCards(w.view->scanner(), std::vector(w.scanner().results().ruleCards()));
    w.settle();
    const QStringList partly = podDescriptions(w);
    EXPECT_EQ(partly[0], finished[0]);
    EXPECT_EQ(partly.mid(1), QStringList(3, "Counting…"));
    EngineAccess::setIsScanning(w.view->scanner(), false);
    w.settle();
    EXPECT_EQ(podDescriptions(w), finished);
}

TEST(Cockpit, APodOpensItsWorkspaceAndTheSidebarShowsTheDiskAndWhatWasFreed)
{
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open();
    w.press(Role::Button, "Large Media Studio");
    EXPECT_EQ(w.view->selectedWorkspace(), Workspace::LargeMedia);
    EXPECT_TRUE(w.find(Role::PageTab, "Large Media Studio").state().selected);

    const DiskOverview& disk = w.scanner().results().overview();
    EXPECT_EQ(w.textOf("volumeName"), q(disk.volumeName));
    EXPECT_EQ(w.textOf("diskTotal"), q(DiskFormat::bytes(disk.totalBytes)));
    EXPECT_EQ(w.textOf("diskFreed"), "0 KB");
    const Int64 selected = w.scanner().selection().totalSelectedLargeFileBytes();
    ASSERT_GT(selected, 0);
    w.press(Role::Button, "Move to Trash");
    ASSERT_TRUE(w.waitForClean());
    EXPECT_EQ(w.textOf("diskFreed"), q(DiskFormat::bytes(w.scanner().cleaner().sessionTotalFreedBytes())));
    EXPECT_GE(w.scanner().cleaner().sessionTotalFreedBytes(), selected);
}

namespace {

// The cockpit's primary clean button as the accessibility tree shows it.
AccessibleNode primaryClean(const WindowUnderTest& w)
{
    for (const AccessibleNode& button : w.findAll(Role::Button))
        if (button.node->object() && button.node->object()->objectName() == "primaryCleanButton")
            return button;
    return {};
}

bool isEnabled(const AccessibleNode& button) { return button && button.node->object()->property("enabled").toBool(); }

} // namespace

TEST(Cockpit, ThePrimaryCleanSaysWhatItDoesAndWaitsForASelection)
{
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open();
    w.press(Role::Button, "Large Media Studio");
    ASSERT_GT(w.scanner().selection().totalSelectedLargeFileBytes(), 0);
    EXPECT_EQ(primaryClean(w).name(), "Move to Trash");
    EXPECT_TRUE(isEnabled(primaryClean(w)));

    // With moving to the Trash off, the button says it deletes.
    w.scanner().cleaner().setMoveToTrashByDefault(false);
    w.settle();
    EXPECT_EQ(primaryClean(w).name(), "Delete Permanently");
    w.scanner().cleaner().setMoveToTrashByDefault(true);
    w.settle();

    // Nothing selected: disabled, says why, and pressing it cleans nothing.
    w.press(Role::Button, "Select All");
    w.press(Role::Button, "Deselect All");
    const AccessibleNode clean = primaryClean(w);
    ASSERT_TRUE(clean);
    EXPECT_FALSE(isEnabled(clean)); // this Qt marks no state for it: the description says why
    EXPECT_EQ(clean.node->text(QAccessible::Description), "Nothing is selected in this list");
    clean.node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    w.settle();
    EXPECT_FALSE(w.scanner().cleaner().isCleaning());
    EXPECT_FALSE(w.scanner().cleaner().lastCleanBanner());

    w.press(Role::Button, "Select All");
    EXPECT_TRUE(isEnabled(primaryClean(w)));
}
