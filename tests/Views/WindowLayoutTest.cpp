// The real window, offscreen, filled with something in every workspace, read item by item in
// every language and both modes: no text spills, overlaps or is cut without its tooltip.
#include "Views/LayoutInspection.h"
#include "Views/WindowTestSupport.h"

#include <QQuickItem>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QSize kSmallest{1040, 680};
constexpr QSize kFirstSize{1280, 800};

// The window open over a home with something everywhere, one clean done (so the banner and
// the restore history have content).
void openFilled(WindowUnderTest& w)
{
    w.fillEveryWorkspace();
    w.open();
    w.view->selectWorkspace(Workspace::LargeMedia);
    if (!w.scanner().selection().isSelected(w.scanner().results().largeFiles().front()))
        w.view->shown()->toggle(0);
    w.view->shown()->clean();
    ASSERT_TRUE(w.waitForClean());
    ASSERT_FALSE(w.scanner().cleaner().recentCleanRecords().empty());
}

// Faults of every scene in the window's current language and mode, each line prefixed.
void collectSceneFaults(WindowUnderTest& w, const QString& where, std::vector<QString>& faults)
{
    for (ShownList list : WindowLists::kAllShownLists) {
        w.view->showList(list);
        w.settle();
        for (const QString& fault : layoutFaults(*w.window))
            faults.push_back(where + QStringLiteral(" list %1: ").arg(int(list)) + fault);
    }
}

std::string report(const std::vector<QString>& faults)
{
    QString text;
    for (const QString& fault : faults)
        text += fault + QLatin1Char('\n');
    return text.toStdString();
}

QString currentWhere(const WindowUnderTest& w) { return w.view->languageRaw() + "/" + w.view->appearanceRaw(); }

void collectFaultsInEveryLanguage(WindowUnderTest& w, std::vector<QString>& faults)
{
    for (AppLanguage language : allCases<AppLanguage>()) {
        w.view->setLanguageRaw(QString::fromLatin1(rawValue(language)));
        collectSceneFaults(w, currentWhere(w), faults);
    }
}

} // namespace

TEST(WindowLayout, EveryLanguageReadsRightInTheSmallestWindowInBothModes)
{
    WindowUnderTest w;
    openFilled(w);
    w.resize(kSmallest.width(), kSmallest.height());
    std::vector<QString> faults;
    for (const char* mode : {"obsidian", "dawn"}) {
        w.view->setAppearanceRaw(mode);
        collectFaultsInEveryLanguage(w, faults);
    }
    EXPECT_TRUE(faults.empty()) << report(faults);
}

TEST(WindowLayout, EveryLanguageReadsRightInTheFirstWindowSize)
{
    WindowUnderTest w;
    openFilled(w);
    w.resize(kFirstSize.width(), kFirstSize.height());
    std::vector<QString> faults;
    collectFaultsInEveryLanguage(w, faults);
    EXPECT_TRUE(faults.empty()) << report(faults);
}

// Rows of the shown list that lie wholly inside the part of the column that can be seen.
int rowsInView(WindowUnderTest& w, const char* listName)
{
    auto* list = qobject_cast<QQuickItem*>(w.shown(listName));
    auto* scroll = qobject_cast<QQuickItem*>(w.shown("workspaceScroll"));
    if (!list || !scroll)
        return 0;
    const QRectF seen = scroll->mapRectToScene(QRectF(0, 0, scroll->width(), scroll->height()))
                            .intersected(list->mapRectToScene(QRectF(0, 0, list->width(), list->height())))
                            .adjusted(-1, -1, 1, 1);
    const auto* content = list->property("contentItem").value<QQuickItem*>();
    int inView = 0;
    for (const QQuickItem* row : content->childItems())
        if (row->isVisible() && row->inherits("QQuickItemDelegate") &&
            seen.contains(row->mapRectToScene(QRectF(0, 0, row->width(), row->height()))))
            ++inView;
    return inView;
}

TEST(WindowLayout, TheBannerAndFourRowsShowTogetherInTheSmallestWindowInEveryLanguage)
{
    WindowUnderTest w;
    const std::string home = "Users/demo/";
    for (int i = 0; i < 5; ++i) {
        const std::string project = home + "Documents/project-" + std::to_string(i);
        w.machine.root.allocatedFile(project + "/node_modules/lib.js", (16 + i) * MiB);
        w.machine.root.file(project + "/package.json", 2);
        w.machine.root.setModifiedDaysAgo(project, 40);
    }
    for (int i = 0; i < 6; ++i)
        w.machine.root.allocatedFile(home + "Downloads/archive-" + std::to_string(i) + ".zip", (26 + i) * MiB);
    w.open();
    w.view->selectWorkspace(Workspace::LargeMedia);
    if (w.view->shown()->allSelected())
        w.view->shown()->toggleAll();
    w.view->shown()->toggle(0);
    w.view->shown()->clean(); // the banner shows from here on
    ASSERT_TRUE(w.waitForClean());
    w.resize(kSmallest.width(), kSmallest.height());

    std::vector<QString> faults;
    for (AppLanguage language : allCases<AppLanguage>()) {
        w.view->setLanguageRaw(QString::fromLatin1(rawValue(language)));
        for (auto [list, name] : {std::pair{ShownList::ProjectBloats, "projectBloatList"},
                                  std::pair{ShownList::LargeFiles, "largeFileList"}}) {
            w.view->showList(list);
            w.settle();
            // Scrolled down to the list, as a person would.
            auto* scroll = w.shown("workspaceScroll");
            ASSERT_TRUE(scroll);
            scroll->setProperty("contentY", std::max(0.0, scroll->property("contentHeight").toDouble() -
                                                              scroll->property("height").toDouble()));
            w.settle();
            const int rows = rowsInView(w, name);
            if (rows < 4 || !w.isShown("feedbackBanner"))
                faults.push_back(currentWhere(w) + " " + name +
                                 QStringLiteral(": %1 rows, banner %2").arg(rows).arg(w.isShown("feedbackBanner")));
        }
    }
    EXPECT_TRUE(faults.empty()) << report(faults);
}

TEST(WindowLayout, PopoversAndTheAccessMenuReadRightInEveryLanguage)
{
    WindowUnderTest w;
    w.asksForGrants = true; // the access row shows only for a granted folder
    openFilled(w);
    w.resize(kSmallest.width(), kSmallest.height());
    std::vector<QString> faults;
    auto check = [&](const QString& what) {
        w.settle();
        for (const QString& fault : layoutFaults(*w.window))
            faults.push_back(currentWhere(w) + " " + what + ": " + fault);
    };
    for (AppLanguage language : allCases<AppLanguage>()) {
        w.view->setLanguageRaw(QString::fromLatin1(rawValue(language)));
        w.view->setShowLanguageMatrixPopover(true);
        check("languages");
        w.view->closeTopmost();
        w.view->setShowSafetyPopover(true);
        check("safety");
        w.view->closeTopmost();
        w.view->setShowRestoreHistoryPopover(true);
        check("history");
        w.view->closeTopmost();
        w.press(QAccessible::Button, w.text("accessMenuButton"));
        check("access menu");
        QTest::keyClick(w.window, Qt::Key_Escape);
    }
    EXPECT_TRUE(faults.empty()) << report(faults);
}

TEST(WindowLayout, TheStatusLineIsWholeWhileItsPillHasRoomAndShowsItselfWholeWhenCut)
{
    WindowUnderTest w;
    w.open();
    auto* status = qobject_cast<QQuickItem*>(w.shown("statusLine"));
    ASSERT_TRUE(status);
    // At the window's first size both short status lines fit beside the header's buttons.
    for (const char* language : {"zh-Hans", "en"}) {
        w.view->setLanguageRaw(language);
        w.settle();
        EXPECT_FALSE(status->property("truncated").toBool()) << language;
    }

    w.view->setLanguageRaw("de");
    w.resize(kSmallest.width(), kSmallest.height());
    ASSERT_TRUE(status->property("truncated").toBool()); // the header gives it little room here
    EXPECT_FALSE(w.isShown("wholeTextTip"));

    w.window->requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window));
    QTest::mouseMove(w.window, status->mapToScene(QPointF(10, status->height() / 2)).toPoint());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.isShown("wholeTextTip"); }));
    EXPECT_EQ(w.shown("wholeTextTip")->property("text").toString(), w.text("statusPill"));
}
