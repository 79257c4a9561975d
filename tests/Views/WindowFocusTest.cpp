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
        w.settle();
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
    // Whether the focused item draws its focus ring (a keyboard user's only clue).
    bool showsRing() const
    {
        QQuickItem* item = w.window->activeFocusItem();
        return item && item->property("visualFocus").toBool();
    }
    // Tabs until the control of that name has the focus.
    void tabTo(const QString& name) const
    {
        for (int i = 0; i < 80 && focused().name() != name; ++i)
            key(Qt::Key_Tab);
        ASSERT_EQ(focused().name(), name);
    }
};

// A control a person can see, and that a screen reader can name.
::testing::AssertionResult holdsFocus(const AccessibleNode& node, Role role, const QString& name)
{
    if (!node)
        return ::testing::AssertionFailure() << "nothing has the focus";
    if (node.state().invisible)
        return ::testing::AssertionFailure() << "the focus is on a hidden " << node.name().toStdString();
    if (node.role() != role || node.name() != name)
        return ::testing::AssertionFailure()
               << "the focus is on " << node.name().toStdString() << " (role " << int(node.role()) << ")";
    return ::testing::AssertionSuccess();
}

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
    w.settle();
    const QString clean = w.textOf("primaryCleanButton");
    keys.tabTo(clean);

    // Escape and Cancel both go back to the button that asked, ring and all.
    for (int close : {Qt::Key_Escape, Qt::Key_Space}) {
        keys.key(Qt::Key_Space);
        ASSERT_TRUE(w.view->pendingClean());
        EXPECT_TRUE(holdsFocus(keys.focused(), Role::Button, "Cancel"));
        keys.key(close);
        EXPECT_FALSE(w.view->pendingClean());
        EXPECT_TRUE(holdsFocus(keys.focused(), Role::Button, clean)) << close;
        EXPECT_TRUE(keys.showsRing());
    }

    // Confirmed: the clean empties the workspace and disables its button; the focus lands on
    // the workspace's tab rather than nowhere.
    keys.key(Qt::Key_Space);
    keys.key(Qt::Key_Tab);
    EXPECT_TRUE(holdsFocus(keys.focused(), Role::Button, w.textOf("confirmationDelete")));
    keys.key(Qt::Key_Space);
    ASSERT_TRUE(w.waitForClean());
    EXPECT_FALSE(w.shown("primaryCleanButton")->property("enabled").toBool());
    EXPECT_TRUE(holdsFocus(keys.focused(), Role::PageTab, "Zero-Risk Cache"));
    EXPECT_TRUE(keys.showsRing());

    // A clean begun elsewhere (Ctrl+Z's restore, a script) finds the focus where it was.
    keys.tabTo("Deep Rescan");
    w.view->selectWorkspace(Workspace::DevAndDuplicates);
    w.settle();
    w.view->setMoveToTrash(true);
    w.view->shown()->clean();
    ASSERT_TRUE(w.waitForClean());
    EXPECT_TRUE(holdsFocus(keys.focused(), Role::Button, "Deep Rescan"));
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

    struct Case {
        QString opener;
        Role role;
        QString first;
    };
    const Case cases[] = {
        {"🇺🇸  English", Role::Button, languageName(0)},
        {"Undo Restore", Role::Button, "Restore All"},
        // Nothing to press in the whitelist: it is read as a whole.
        {"Quillmere Zero-Risk Isolation Whitelist", Role::Dialog, "Quillmere Zero-Risk Isolation Whitelist"},
        {"Folder Access", Role::MenuItem, "Re-grant Home Folder"},
    };
    for (const Case& c : cases) {
        keys.tabTo(c.opener);
        keys.key(Qt::Key_Space);
        EXPECT_TRUE(holdsFocus(keys.focused(), c.role, c.first)) << c.opener.toStdString();
        EXPECT_EQ(keys.showsRing(), c.role != Role::Dialog) << c.opener.toStdString();
        keys.key(Qt::Key_Escape);
        EXPECT_TRUE(holdsFocus(keys.focused(), Role::Button, c.opener));
        EXPECT_TRUE(keys.showsRing()) << c.opener.toStdString();
    }

    // Restoring everything takes the history's one button away; the focus stays in the
    // popover, read as a whole, and goes back to the opener after.
    const QString history = "Undo Vault · Recently Cleaned";
    keys.tabTo("Undo Restore");
    keys.key(Qt::Key_Space);
    keys.key(Qt::Key_Space);
    ASSERT_TRUE(waitForScan(w.scanner()));
    w.settle();
    EXPECT_EQ(w.view->cleanRecords()->count(), 0);
    EXPECT_TRUE(holdsFocus(keys.focused(), Role::Dialog, history));
    keys.key(Qt::Key_Escape);
    EXPECT_TRUE(holdsFocus(keys.focused(), Role::Button, "Undo Restore"));
    keys.key(Qt::Key_Space);
    EXPECT_TRUE(holdsFocus(keys.focused(), Role::Dialog, history));
}

TEST(WindowFocus, ArrowKeysMoveThroughTheLanguagesAndThePodsAsDrawn)
{
    WindowUnderTest w;
    w.open();
    FocusDriver keys{w};
    keys.activate();

    // Three columns; the arrows follow the layout, mirrored in Arabic; an edge holds.
    for (const char* language : {"en", "ar"}) {
        w.view->setLanguageRaw(language);
        w.view->setShowLanguageMatrixPopover(true);
        w.settle();
        ASSERT_TRUE(holdsFocus(keys.focused(), Role::Button, languageName(0)));
        const int forward = language == std::string("ar") ? Qt::Key_Left : Qt::Key_Right;
        const int back = forward == Qt::Key_Left ? Qt::Key_Right : Qt::Key_Left;
        const std::pair<int, std::size_t> moves[] = {{back, 0}, {Qt::Key_Up, 0},   {forward, 1},   {Qt::Key_Down, 4},
                                                     {back, 3}, {Qt::Key_Down, 6}, {Qt::Key_Up, 3}};
        for (const auto& [move, to] : moves) {
            keys.key(move);
            EXPECT_TRUE(holdsFocus(keys.focused(), Role::Button, languageName(to))) << language << " " << to;
            EXPECT_TRUE(keys.showsRing());
        }
        keys.key(Qt::Key_Escape);
    }
    w.view->setLanguageRaw("en");
    w.settle();
    w.view->setShowLanguageMatrixPopover(true);
    w.settle();
    keys.key(Qt::Key_Down);
    keys.key(Qt::Key_Return); // the fourth language chooses, and the popover closes
    EXPECT_EQ(w.view->languageRaw(), QString::fromLatin1(rawValue(allCases<AppLanguage>().at(3))));
    EXPECT_FALSE(w.isShown("languagePopover"));
    w.view->setLanguageRaw("en");
    w.settle();

    // The pods under the ring, one per workspace: Right and Space open the next one.
    // Past the sidebar's tab of the same name, to the pod.
    for (int i = 0; i < 80 && !holdsFocus(keys.focused(), Role::Button, "Zero-Risk Cache"); ++i)
        keys.key(Qt::Key_Tab);
    ASSERT_TRUE(holdsFocus(keys.focused(), Role::Button, "Zero-Risk Cache"));
    keys.key(Qt::Key_Right);
    EXPECT_TRUE(holdsFocus(keys.focused(), Role::Button, "Idle Dev & Clones"));
    keys.key(Qt::Key_Space);
    EXPECT_EQ(w.view->selectedWorkspace(), Workspace::DevAndDuplicates);
}
