#include "Views/WindowTestSupport.h"

#include <QCoreApplication>
#include <QQuickItem>
#include <gtest/gtest.h>

QStringList AccessibleNode::actions() const
{
    auto* action = node ? node->actionInterface() : nullptr;
    return action ? action->actionNames() : QStringList();
}

void WindowUnderTest::open(const char* language)
{
    access = machine.start(/*sandboxed=*/false);
    MacStorageScanner::Options options;
    options.home = home;
    options.applications = machine.applications;
    options.pacePurges = false;
    view = std::make_unique<MacMainView>(options, *access);
    view->setLanguageRaw(QString::fromLatin1(language));
    engine = std::make_unique<QQmlApplicationEngine>();
    window = MainWindowLoader::load(*engine, *view);
    ASSERT_TRUE(window);
    view->onAppear();
    ASSERT_TRUE(waitForScan(scanner()));
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
    drainEvents();
    window->grabWindow();
    drainEvents();
    // Delegates of lists that went away are gone for good, not just waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool WindowUnderTest::waitForPurge() const
{
    const bool done = ::waitForPurge(scanner());
    settle();
    return done;
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
    return MacMainView::textTable(view->currentLanguage()).value(QString::fromLatin1(name)).toString();
}
