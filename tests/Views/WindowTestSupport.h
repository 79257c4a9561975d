#pragma once
// The real window, offscreen, over a test home under /var/tmp, driven the way a screen reader
// drives it: controls are found by role and name in the accessibility tree and pressed through
// their actions.

#include "MainWindowLoader.h"
#include "Services/LinuxAppScan.h"
#include "Views/AccessTestSupport.h"
#include "WindowState.h"
#include "support/EngineWait.h"

#include <QAccessible>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <memory>
#include <string>
#include <vector>

struct AccessibleNode {
    QAccessibleInterface* node = nullptr;
    explicit operator bool() const { return node != nullptr; }
    QString name() const { return node ? node->text(QAccessible::Name) : QString(); }
    QAccessible::Role role() const { return node ? node->role() : QAccessible::NoRole; }
    QAccessible::State state() const { return node ? node->state() : QAccessible::State(); }
    QStringList actions() const;
};

class WindowUnderTest {
  public:
    AccessFixture machine;
    std::string home = machine.home;
    std::unique_ptr<FolderAccess> access;
    std::unique_ptr<WindowState> view;
    std::unique_ptr<QQmlApplicationEngine> engine;
    QQuickWindow* window = nullptr;
    // Asking for folder grants: with `granted`, the home folder was granted before the window
    // opened (the access row shows); without, the onboarding covers the window.
    bool asksForGrants = false;
    bool granted = true;
    // Machine-wide app places; none by default, as for any home that is not the account's.
    std::optional<LinuxAppRoots> linuxApps;

    // Opens the window in English over what the test put into `home`, and waits for the scan.
    void open(const char* language = "en");
    // Puts something into every workspace: caches, idle projects, duplicates, large files and
    // applications with leftovers, with long names where names can be long.
    void fillEveryWorkspace() const;
    // The window at this size, laid out and drawn.
    void resize(int width, int height) const;
    ~WindowUnderTest();

    StorageEngine& scanner() const { return view->scanner(); }
    // Lets queued work land and draws one frame, so lists have their delegates.
    void settle() const;
    bool waitForClean() const;

    // Every visible node of the accessibility tree, depth first.
    std::vector<AccessibleNode> nodes() const;
    AccessibleNode find(QAccessible::Role role, const QString& name) const;
    std::vector<AccessibleNode> findAll(QAccessible::Role role) const;
    // Performs the node's press action (fails the test when there is none), then settles.
    void press(QAccessible::Role role, const QString& name) const;
    void toggle(QAccessible::Role role, const QString& name) const;

    // The shown item or popup of that object name, if any.
    QObject* shown(const char* objectName) const;
    // The visible text of a window item by object name.
    QString textOf(const char* objectName) const;
    bool isShown(const char* objectName) const;
    QString text(const char* name) const;
};
