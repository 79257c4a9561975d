// The whole window driven by keyboard and through the accessibility tree, as a person who
// cannot use a pointer (or a screen reader) drives it: the window's keys, the Tab order
// through sidebar, header and cockpit, the popovers and menu, and the onboarding.
#include "Views/WindowTestSupport.h"
#include "support/TreeSnapshot.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using Role = QAccessible::Role;

namespace {

void key(const WindowUnderTest& w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(w.window, Qt::Key(key), modifiers);
    w.settle();
}

void activate(const WindowUnderTest& w)
{
    w.window->requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window));
}

// The accessible name of what has the keyboard focus.
QString focusedName(const WindowUnderTest& w)
{
    QQuickItem* item = w.window->activeFocusItem();
    QAccessibleInterface* node = item ? QAccessible::queryAccessibleInterface(item) : nullptr;
    return node ? node->text(QAccessible::Name) : QString();
}

} // namespace

TEST(WindowKeyboard, TheWindowsKeysOpenWorkspacesRescanUndoAndClose)
{
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open();
    activate(w);

    key(w, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(w.view->selectedWorkspace(), Workspace::DevAndDuplicates);
    key(w, Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(w.view->selectedWorkspace(), Workspace::AppSlimming);
    key(w, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(w.view->selectedWorkspace(), Workspace::OneClickSafe);

    // A small home is scanned before the key's events are through: count the scans begun.
    QSignalSpy scans(&w.view->scanner(), &StorageEngine::isScanningChanged);
    QTest::keyClick(w.window, Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(waitForScan(w.scanner()));
    w.settle();
    EXPECT_GE(scans.count(), 2); // on, then off

    // Ctrl+Z undoes the clean: everything it moved is back where it was.
    const TreeSnapshot before = snapshotTree(w.home, ".local");
    w.view->shown()->clean();
    ASSERT_TRUE(w.waitForClean());
    ASSERT_NE(snapshotTree(w.home, ".local"), before);
    key(w, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(waitForScan(w.scanner())); // a restore rescans
    EXPECT_EQ(snapshotTree(w.home, ".local"), before);
    EXPECT_TRUE(w.scanner().cleaner().recentCleanRecords().empty());

    // Escape closes whichever popover is open, and cancels a delete waiting for its word.
    w.press(Role::Button, "🇺🇸  English");
    ASSERT_TRUE(w.isShown("languagePopover"));
    key(w, Qt::Key_Escape);
    EXPECT_FALSE(w.isShown("languagePopover"));
    EXPECT_FALSE(w.view->showLanguageMatrixPopover());
    w.view->setMoveToTrash(false);
    w.view->triggerPrimaryCleanAction();
    ASSERT_TRUE(w.view->pendingClean());
    key(w, Qt::Key_Escape);
    EXPECT_FALSE(w.view->pendingClean());
    EXPECT_FALSE(w.scanner().cleaner().isCleaning());
}

TEST(WindowKeyboard, TabReachesEveryPartOfTheWindowByName)
{
    WindowUnderTest w;
    w.asksForGrants = true; // with the access row
    w.fillEveryWorkspace();
    w.open();
    activate(w);
    std::set<QString> reached;
    for (int i = 0; i < 80; ++i) {
        key(w, Qt::Key_Tab);
        reached.insert(focusedName(w));
    }
    for (const char* name :
         {"Zero-Risk Cache", "Idle Dev & Clones", "Large Media Studio", "App Slim & Uninstall",
          "Quillmere Zero-Risk Isolation Whitelist", "Folder Access", "Move to Trash", "Undo Restore", "Obsidian",
          "🇺🇸  English", "Clean Safe Cache", "Deep Rescan", "Deselect All"})
        EXPECT_TRUE(reached.contains(name)) << name;
    EXPECT_TRUE(std::any_of(reached.begin(), reached.end(), [](const QString& n) {
        return n.endsWith(" Reclaimable");
    })) << "the ring";
    EXPECT_FALSE(reached.contains(QString())) << "a control without a name takes the focus";

    // Space on a focused sidebar tab opens its workspace.
    while (focusedName(w) != "Large Media Studio")
        key(w, Qt::Key_Tab);
    key(w, Qt::Key_Space);
    EXPECT_EQ(w.view->selectedWorkspace(), Workspace::LargeMedia);
}

TEST(WindowKeyboard, PopoversAndTheAccessMenuAreReachedAndWorkedByName)
{
    WindowUnderTest w;
    w.asksForGrants = true;
    w.open();

    // The safety whitelist, from the vault's info button.
    w.press(Role::Button, "Quillmere Zero-Risk Isolation Whitelist");
    ASSERT_TRUE(w.find(Role::Dialog, "Quillmere Zero-Risk Isolation Whitelist"));
    EXPECT_TRUE(w.find(Role::StaticText, "WeChat & Feishu chat databases untouched"));
    EXPECT_TRUE(w.view->closeTopmost());
    w.settle();
    EXPECT_FALSE(w.find(Role::Dialog, "Quillmere Zero-Risk Isolation Whitelist"));

    // The twelve languages by their own names; the current one is checked; picking one switches.
    w.press(Role::Button, "🇺🇸  English");
    ASSERT_TRUE(w.find(Role::Dialog, "12-Language Pack"));
    for (AppLanguage language : allCases<AppLanguage>())
        EXPECT_TRUE(w.find(Role::Button, QString::fromUtf8(nativeName(language).data()))) << nativeName(language);
    EXPECT_TRUE(w.find(Role::Button, "English").state().checked);
    EXPECT_FALSE(w.find(Role::Button, "Deutsch").state().checked);
    w.press(Role::Button, "Deutsch");
    EXPECT_EQ(w.view->languageRaw(), "de");
    EXPECT_FALSE(w.isShown("languagePopover"));
    EXPECT_TRUE(w.find(Role::Button, "Wiederherstellen")); // the header speaks German now
    // Choosing the language already shown changes nothing but closes the popover.
    w.press(Role::Button, "🇩🇪  Deutsch");
    w.press(Role::Button, "Deutsch");
    EXPECT_EQ(w.view->languageRaw(), "de");
    EXPECT_FALSE(w.view->showLanguageMatrixPopover());
    w.view->setLanguageRaw("en");
    w.settle();

    // The access menu, drawn in the palette, and its revoke.
    w.press(Role::Button, "Folder Access");
    EXPECT_TRUE(w.find(Role::MenuItem, "Re-grant Home Folder"));
    EXPECT_TRUE(w.find(Role::MenuItem, "Grant Applications Folder (for uninstall)"));
    w.press(Role::MenuItem, "Revoke All Access");
    EXPECT_TRUE(w.view->grants()->showsOnboarding());
}

TEST(WindowKeyboard, TheOnboardingStartsOnItsGrantButtonWhichGrantsByKeyboard)
{
    WindowUnderTest w;
    w.asksForGrants = true;
    w.granted = false;
    w.open();
    activate(w);
    ASSERT_TRUE(w.view->grants()->showsOnboarding());
    const QString grant = "Grant Home Folder & Start Scan";
    EXPECT_TRUE(w.find(Role::Button, grant));
    EXPECT_EQ(focusedName(w), grant);
    // Nothing underneath answers the window's keys meanwhile.
    QSignalSpy scans(&w.view->scanner(), &StorageEngine::isScanningChanged);
    key(w, Qt::Key_R, Qt::ControlModifier);
    key(w, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(scans.count(), 0);
    EXPECT_EQ(w.view->selectedWorkspace(), Workspace::OneClickSafe);

    w.machine.picker->answers.push_back(w.home);
    key(w, Qt::Key_Space);
    ASSERT_EQ(w.machine.picker->requests.size(), 1u);
    EXPECT_FALSE(w.view->grants()->showsOnboarding());
    EXPECT_TRUE(waitForScan(w.scanner()));
}

// Outside a sandbox the whole home is readable: nothing to grant, nothing to revoke, and the
// disk block says it is measuring until the first figures arrive, not a made-up volume.
TEST(WindowKeyboard, OutsideConfinementNothingOffersToGrantOrRevoke)
{
    WindowUnderTest w;
    w.open();
    EXPECT_FALSE(w.isShown("onboardingOverlay"));
    EXPECT_FALSE(w.isShown("accessMenuButton"));
    EXPECT_FALSE(w.find(QAccessible::Button, w.text("accessMenuButton")));
    EXPECT_FALSE(w.find(QAccessible::MenuItem, w.text("revokeAllAccess")));
    EXPECT_NE(w.textOf("volumeName"), w.text("diskMeasuring"));
}

TEST(WindowKeyboard, TheDiskBlockSaysMeasuringUntilTheFirstFigures)
{
    WindowUnderTest w;
    w.asksForGrants = true;
    w.granted = false; // no scan until the grant
    w.open();
    for (AppLanguage language : allCases<AppLanguage>()) {
        w.view->setLanguageRaw(QString::fromLatin1(rawValue(language)));
        w.settle();
        EXPECT_EQ(w.textOf("volumeName"), w.text("diskMeasuring"));
        EXPECT_EQ(w.textOf("diskTotal"), QString::fromUtf8("–"));
    }
}

// After a grant (by keyboard, by pointer, or by keeping a subfolder) the keyboard is on a
// visible, named control of the window, and Enter does not ask for a folder again.
TEST(WindowKeyboard, AfterAGrantTheFocusIsOnTheWindowAndEnterAsksForNoFolder)
{
    enum class Way { keyboard, pointer, keptFolder };
    for (Way way : {Way::keyboard, Way::pointer, Way::keptFolder}) {
        SCOPED_TRACE(int(way));
        WindowUnderTest w;
        w.asksForGrants = true;
        w.granted = false;
        w.open();
        activate(w);
        auto* overlay = qobject_cast<QQuickItem*>(w.shown("onboardingOverlay"));
        ASSERT_TRUE(overlay);
        w.machine.picker->answers.push_back(way == Way::keptFolder ? w.machine.root.mkdir("Users/demo/Music") : w.home);
        if (way == Way::pointer) {
            auto* button = qobject_cast<QQuickItem*>(w.shown("grantHomeButton"));
            ASSERT_TRUE(button);
            QTest::mouseClick(w.window, Qt::LeftButton, {},
                              button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());
            w.settle();
        } else {
            key(w, Qt::Key_Return);
        }
        if (way == Way::keptFolder)
            w.press(Role::Button, "Keep this folder");
        ASSERT_FALSE(w.view->grants()->showsOnboarding());
        ASSERT_TRUE(waitForScan(w.scanner()));
        w.settle();

        QQuickItem* focused = w.window->activeFocusItem();
        ASSERT_TRUE(focused);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(focused);
        ASSERT_TRUE(node);
        EXPECT_FALSE(node->text(QAccessible::Name).isEmpty());
        EXPECT_TRUE(node->state().focused);
        EXPECT_FALSE(node->state().invisible);
        EXPECT_FALSE(overlay->isAncestorOf(focused)) << focusedName(w).toStdString();

        key(w, Qt::Key_Return);
        key(w, Qt::Key_Enter);
        key(w, Qt::Key_Space);
        EXPECT_EQ(w.machine.picker->requests.size(), 1u);
    }
}

// A subfolder picked again from the access menu and kept by keyboard from the workspace
// column's notice: the keyboard goes on, not to the notice's hidden button.
TEST(WindowKeyboard, KeepingAFolderFromTheColumnsNoticeLeavesTheFocusOnTheWindow)
{
    WindowUnderTest w;
    w.asksForGrants = true;
    w.open();
    activate(w);
    w.machine.picker->answers.push_back(w.machine.root.mkdir("Users/demo/Music"));
    w.view->grants()->requestHomeGrant();
    w.settle();
    for (int i = 0; i < 80 && focusedName(w) != "Keep this folder"; ++i)
        key(w, Qt::Key_Tab);
    ASSERT_EQ(focusedName(w), "Keep this folder");
    key(w, Qt::Key_Space);
    ASSERT_TRUE(waitForScan(w.scanner()));
    w.settle();
    EXPECT_EQ(w.view->grants()->noticeKind(), "");
    QQuickItem* focused = w.window->activeFocusItem();
    ASSERT_TRUE(focused);
    EXPECT_TRUE(focused->isVisible());
    EXPECT_FALSE(focusedName(w).isEmpty());
}
