// Where the keyboard focus goes as a person drives the window by keys alone: into each
// popover and dialog, back out of it, through the grids of choices, and after a clean. Read
// through the accessibility tree: what has the focus, its role, its name, and whether it shows.
#include "Views/WindowTestSupport.h"

#include <QQuickItem>
#include <QTest>
#include <gtest/gtest.h>

using Role = QAccessible::Role;

namespace {

struct FocusDriver {
    WindowUnderTest& w;

    void activate() const
    {
        w.window->requestActivate();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.window));
    }
    void key(int key) const
    {
        QTest::keyClick(w.window, Qt::Key(key));
        w.settle();
    }
    AccessibleNode focused() const
    {
        QQuickItem* item = w.window->activeFocusItem();
        return AccessibleNode{item ? QAccessible::queryAccessibleInterface(item) : nullptr};
    }
    // A control a person can see, by role and name, with its focus ring (a keyboard user's
    // only clue) when `ring`.
    ::testing::AssertionResult is(Role role, const QString& name, bool ring = true) const
    {
        const AccessibleNode node = focused();
        if (!node)
            return ::testing::AssertionFailure() << "nothing has the focus";
        const bool rings = w.window->activeFocusItem()->property("visualFocus").toBool();
        if (node && !node.state().invisible && node.role() == role && node.name() == name && rings == ring)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "the focus is on " << node.name().toStdString() << ", role " << int(node.role())
               << (node.state().invisible ? ", hidden" : "") << (rings ? ", ring" : ", no ring");
    }
    void tabTo(Role role, const QString& name) const
    {
        for (int i = 0; i < 80 && !is(role, name); ++i)
            key(Qt::Key_Tab);
        ASSERT_TRUE(is(role, name));
    }
};

QString languageName(std::size_t at) { return QString::fromUtf8(nativeName(allCases<AppLanguage>().at(at)).data()); }

} // namespace

TEST(WindowFocus, TheDeleteDialogAndTheCleanGiveTheFocusBackToANamedControl)
{
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open();
    FocusDriver keys{w};
    keys.activate();
    w.view->setMoveToTrash(false);
    const QString clean = w.textOf("primaryCleanButton");
    keys.tabTo(Role::Button, clean);

    // Escape and Cancel both go back to the button that asked.
    for (int close : {Qt::Key_Escape, Qt::Key_Space}) {
        keys.key(Qt::Key_Space);
        ASSERT_TRUE(w.view->pendingClean());
        EXPECT_TRUE(keys.is(Role::Button, "Cancel", false));
        keys.key(close);
        EXPECT_TRUE(keys.is(Role::Button, clean)) << close;
    }
    // Confirmed, the clean empties the workspace and disables its button: the focus lands on
    // the workspace's tab.
    keys.key(Qt::Key_Space);
    keys.key(Qt::Key_Tab);
    keys.key(Qt::Key_Space);
    ASSERT_TRUE(w.waitForClean());
    EXPECT_FALSE(w.shown("primaryCleanButton")->property("enabled").toBool());
    EXPECT_TRUE(keys.is(Role::PageTab, "Zero-Risk Cache"));
}

TEST(WindowFocus, EachPopoverFocusesItsFirstControlAndHandsTheFocusBack)
{
    WindowUnderTest w;
    w.asksForGrants = true; // with the access menu
    w.fillEveryWorkspace();
    w.open();
    FocusDriver keys{w};
    keys.activate();
    w.view->shown()->clean(); // one record in the restore history
    ASSERT_TRUE(w.waitForClean());

    const QString history = "Undo Vault · Recently Cleaned";
    const QString whitelist = "Quillmere Zero-Risk Isolation Whitelist";
    const std::tuple<QString, Role, QString> cases[] = {
        {"🇺🇸  English", Role::Button, languageName(0)},
        {"Undo Restore", Role::Button, "Restore All"},
        {whitelist, Role::Dialog, whitelist}, // nothing to press: read as a whole
        {"Folder Access", Role::MenuItem, "Re-grant Home Folder"},
    };
    for (const auto& [opener, role, first] : cases) {
        keys.tabTo(Role::Button, opener);
        keys.key(Qt::Key_Space);
        EXPECT_TRUE(keys.is(role, first, role != Role::Dialog)) << opener.toStdString();
        keys.key(Qt::Key_Escape);
        EXPECT_TRUE(keys.is(Role::Button, opener));
    }

    // Restoring everything takes the history's one button away; the focus stays in it.
    keys.tabTo(Role::Button, "Undo Restore");
    keys.key(Qt::Key_Space);
    keys.key(Qt::Key_Space);
    ASSERT_TRUE(waitForScan(w.scanner()));
    w.settle();
    EXPECT_EQ(w.view->cleanRecords()->count(), 0);
    EXPECT_TRUE(keys.is(Role::Dialog, history, false));
    keys.key(Qt::Key_Escape);
    EXPECT_TRUE(keys.is(Role::Button, "Undo Restore"));
}

TEST(WindowFocus, ArrowKeysMoveThroughTheLanguagesAndThePodsAsDrawn)
{
    WindowUnderTest w;
    w.open();
    FocusDriver keys{w};
    keys.activate();

    // Three columns; the arrows follow the layout, mirrored in Arabic; an edge holds.
    for (const std::string language : {"en", "ar"}) {
        w.view->setLanguageRaw(QString::fromStdString(language));
        w.view->setShowLanguageMatrixPopover(true);
        w.settle();
        ASSERT_TRUE(keys.is(Role::Button, languageName(0), false));
        const int forward = language == "ar" ? Qt::Key_Left : Qt::Key_Right;
        const int back = forward == Qt::Key_Left ? Qt::Key_Right : Qt::Key_Left;
        const std::pair<int, std::size_t> moves[] = {{back, 0}, {Qt::Key_Up, 0},   {forward, 1},   {Qt::Key_Down, 4},
                                                     {back, 3}, {Qt::Key_Down, 6}, {Qt::Key_Up, 3}};
        for (const auto& [move, to] : moves) {
            keys.key(move);
            EXPECT_TRUE(keys.is(Role::Button, languageName(to))) << language << " " << to;
        }
        keys.key(Qt::Key_Return); // chooses, and the popover closes
        EXPECT_EQ(w.view->languageRaw(), QString::fromLatin1(rawValue(allCases<AppLanguage>().at(3))));
        EXPECT_FALSE(w.isShown("languagePopover"));
    }

    // The pods under the ring, one per workspace (past the sidebar's tabs of the same names).
    w.view->setLanguageRaw("en");
    keys.tabTo(Role::Button, "Zero-Risk Cache");
    keys.key(Qt::Key_Right);
    EXPECT_TRUE(keys.is(Role::Button, "Idle Dev & Clones"));
    keys.key(Qt::Key_Space);
    EXPECT_EQ(w.view->selectedWorkspace(), Workspace::DevAndDuplicates);
}
