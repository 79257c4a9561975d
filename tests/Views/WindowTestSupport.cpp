#include "Views/WindowTestSupport.h"

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

QString WindowUnderTest::textOf(const char* objectName) const
{
    auto* item = window->findChild<QQuickItem*>(objectName);
    return item ? item->property("text").toString() : QString();
}

bool WindowUnderTest::isShown(const char* objectName) const
{
    auto* item = window->findChild<QQuickItem*>(objectName);
    return item && item->isVisible();
}

QString WindowUnderTest::text(const char* name) const
{
    return MacMainView::textTable(view->currentLanguage()).value(QString::fromLatin1(name)).toString();
}
