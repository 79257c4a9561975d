#include "Views/WindowTestSupport.h"

#include <QCoreApplication>
#include <QQuickItem>
#include <QTest>
#include <gtest/gtest.h>

QStringList AccessibleNode::actions() const
{
    auto* action = node ? node->actionInterface() : nullptr;
    return action ? action->actionNames() : QStringList();
}

void WindowUnderTest::open(const char* language)
{
    access = machine.start(asksForGrants);
    if (asksForGrants && granted) {
        machine.pick(*access, AccessScope::home, home);
    }
    StorageEngine::Options options;
    options.home = home;
    options.applications = machine.applications;
    options.paceCleans = false;
    options.linuxApps = linuxApps;
    view = std::make_unique<WindowState>(options, *access);
    view->setLanguageRaw(QString::fromLatin1(language));
    engine = std::make_unique<QQmlApplicationEngine>();
    window = MainWindowLoader::load(*engine, *view);
    ASSERT_TRUE(window);
    view->onAppear();
    ASSERT_TRUE(waitForScan(scanner()));
    drainEvents(); // the last publish lands
    settle();
}

void WindowUnderTest::fillEveryWorkspace() const
{
    const TempHome& root = machine.root;
    const std::string home = "Users/demo/";
    root.allocatedFile(home + "Library/Caches/Google/Chrome/blob", 12 * MiB);
    root.allocatedFile(home + "Library/Caches/com.tinyspeck.slackmacgap/blob", 4 * MiB);
    root.allocatedFile(home + ".cache/pip/wheels", 6 * MiB);
    for (const char* project : {"checkout-service-with-a-rather-long-name", "analytics"}) {
        root.allocatedFile(home + "Documents/" + project + "/node_modules/lib.js", 16 * MiB);
        root.file(home + "Documents/" + project + "/package.json", 2);
        root.setModifiedDaysAgo(home + "Documents/" + project, 40);
    }
    root.file(home + "Movies/holiday in the mountains, second week.mp4", 4 * MiB, 'v');
    root.file(home + "Desktop/holiday copy.mp4", 4 * MiB, 'v');
    root.allocatedFile(home + "Downloads/installer-for-a-tool-with-a-very-long-file-name.dmg", 40 * MiB);
    root.allocatedFile(home + "Documents/db/model.sqlite", 30 * MiB);
    for (const char* app : {"Figma", "Slack"})
        root.allocatedFile(std::string("Applications/") + app + ".app/Contents/MacOS/" + app, 6 * MiB);
    root.allocatedFile(home + "Library/Caches/Slack/blob", 3 * MiB);
}

void WindowUnderTest::resize(int width, int height) const
{
    window->resize(width, height);
    settle();
}

WindowUnderTest::~WindowUnderTest()
{
    if (view)
        waitForScan(scanner()); // a restore starts a scan; let it end before the home goes
    engine.reset();
}

void WindowUnderTest::settle() const
{
    // After a workspace or list switch the inspector follows a frame later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view->inspectorCatchingUp(); }));
    drainEvents();
    window->grabWindow();
    drainEvents();
    // Delegates of lists that went away are gone for good, not just waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool WindowUnderTest::waitForClean() const
{
    const bool done = ::waitForClean(scanner());
    // The overlay fades out after the clean ends; until then it covers what a test reads.
    const bool faded = QTest::qWaitFor([&] { return !isShown("cleanOverlay"); });
    settle();
    return done && faded;
}

namespace {
void collect(QAccessibleInterface* node, std::vector<AccessibleNode>& out)
{
    if (!node || node->state().invisible)
        return;
    out.push_back(AccessibleNode{node});
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), out);
}
} // namespace

std::vector<AccessibleNode> WindowUnderTest::nodes() const
{
    std::vector<AccessibleNode> out;
    collect(QAccessible::queryAccessibleInterface(window), out);
    return out;
}

AccessibleNode WindowUnderTest::find(QAccessible::Role role, const QString& name) const
{
    for (const AccessibleNode& node : nodes())
        if (node.role() == role && node.name() == name)
            return node;
    return {};
}

std::vector<AccessibleNode> WindowUnderTest::findAll(QAccessible::Role role) const
{
    std::vector<AccessibleNode> out;
    for (const AccessibleNode& node : nodes())
        if (node.role() == role)
            out.push_back(node);
    return out;
}

void WindowUnderTest::press(QAccessible::Role role, const QString& name) const
{
    const AccessibleNode node = find(role, name);
    ASSERT_TRUE(node) << "no control named " << name.toStdString();
    ASSERT_TRUE(node.actions().contains(QAccessibleActionInterface::pressAction())) << name.toStdString();
    node.node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle();
}

void WindowUnderTest::toggle(QAccessible::Role role, const QString& name) const
{
    const AccessibleNode node = find(role, name);
    ASSERT_TRUE(node) << "no control named " << name.toStdString();
    node.node->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    settle();
}

namespace {
// Items by the item tree (list delegates have no QObject parent in the window).
QQuickItem* shownItem(QQuickItem* item, const QString& name)
{
    if (!item->isVisible())
        return nullptr;
    if (item->objectName() == name)
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = shownItem(child, name))
            return found;
    return nullptr;
}
} // namespace

QObject* WindowUnderTest::shown(const char* objectName) const
{
    const QString name = QString::fromUtf8(objectName);
    if (QQuickItem* item = shownItem(window->contentItem(), name))
        return item;
    // Popups are no items; they hang off the item that declares them.
    for (QObject* object : window->findChildren<QObject*>(name))
        if (!qobject_cast<QQuickItem*>(object) && object->property("visible").toBool())
            return object;
    return nullptr;
}

QString WindowUnderTest::textOf(const char* objectName) const
{
    QObject* object = shown(objectName);
    return object ? object->property("text").toString() : QString();
}

bool WindowUnderTest::isShown(const char* objectName) const { return shown(objectName) != nullptr; }

QString WindowUnderTest::text(const char* name) const
{
    return WindowState::textTable(view->currentLanguage()).value(QString::fromLatin1(name)).toString();
}
