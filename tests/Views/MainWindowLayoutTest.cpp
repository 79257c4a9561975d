// The window as drawn offscreen: texts that have room are shown whole.
#include "MainWindowLoader.h"
#include "Views/AccessTestSupport.h"
#include "WindowState.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <gtest/gtest.h>

TEST(MainWindowLayout, TheStatusLineIsNotCutShortWhileItsPillHasRoom)
{
    AccessFixture f;
    auto access = f.start(/*asksForGrants=*/false);
    MacStorageScanner::Options options;
    options.home = f.home;
    options.applications = f.applications;
    WindowState view(options, *access);
    QQmlApplicationEngine engine;
    QQuickWindow* window = MainWindowLoader::load(engine, view);
    ASSERT_TRUE(window);
    auto* status = window->findChild<QQuickItem*>("statusLine");
    ASSERT_TRUE(status);

    // At the window's first size both short status lines fit beside the header's buttons.
    for (const char* language : {"zh-Hans", "en"}) {
        view.setLanguageRaw(language);
        window->grabWindow(); // lays out and draws the frame
        EXPECT_FALSE(status->property("truncated").toBool()) << language;
    }
}
