// Every text the window shows, measured against what it is drawn on, in both modes: the
// workspaces, the popovers, the confirmation of a permanent delete and the onboarding.
#include "Views/TextContrast.h"
#include "Views/WindowTestSupport.h"

#include <QColor>
#include <QImage>
#include <QQmlListReference>
#include <QQuickItem>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string report(const std::vector<QString>& faults)
{
    QString text;
    for (const QString& fault : faults)
        text += fault + QLatin1Char('\n');
    return text.toStdString();
}

void collect(WindowUnderTest& w, const QString& where, std::vector<QString>& faults,
             ContrastScope scope = ContrastScope::wholeWindow)
{
    w.settle();
    for (const QString& fault : contrastFaults(*w.window, scope))
        faults.push_back(w.view->languageRaw() + "/" + w.view->appearanceRaw() + " " + where + ": " + fault);
}

} // namespace

TEST(WindowContrast, EveryTextReadsOnWhatItIsDrawnOnInBothModes)
{
    WindowUnderTest w;
    w.asksForGrants = true; // with the access row
    w.fillEveryWorkspace();
    w.open();
    std::vector<QString> faults;
    for (const char* mode : {"obsidian", "dawn"}) {
        w.view->setAppearanceRaw(mode);
        // Arabic mirrors the layout: texts land on other parts of the backdrop.
        for (const char* language : {"en", "ar", "zh-Hans"}) {
            w.view->setLanguageRaw(language);
            for (ShownList list : WindowLists::kAllShownLists) {
                w.view->showList(list);
                collect(w, QStringLiteral("list %1").arg(int(list)), faults);
            }
            w.view->showList(ShownList::ProjectBloats);
            w.view->setShowLanguageMatrixPopover(true);
            collect(w, "languages", faults);
            w.view->setShowSafetyPopover(true);
            collect(w, "safety", faults);
            w.view->setShowRestoreHistoryPopover(true);
            collect(w, "history", faults);
            w.view->closeTopmost();
        }
    }
    EXPECT_TRUE(faults.empty()) << report(faults);
}

TEST(WindowContrast, TheOnboardingAndTheDeleteConfirmationReadInBothModes)
{
    std::vector<QString> faults;
    {
        WindowUnderTest w;
        w.asksForGrants = true;
        w.granted = false;
        w.open();
        ASSERT_TRUE(w.view->grants()->showsOnboarding());
        for (const char* mode : {"obsidian", "dawn"}) {
            w.view->setAppearanceRaw(mode);
            collect(w, "onboarding", faults);
        }
    }
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open();
    w.view->setMoveToTrash(false);
    w.view->triggerPrimaryCleanAction(); // deletes for good: asks first
    ASSERT_TRUE(w.view->pendingClean());
    for (const char* mode : {"obsidian", "dawn"}) {
        w.view->setAppearanceRaw(mode);
        collect(w, "confirmation", faults, ContrastScope::popupsOnly);
    }
    w.view->cancelPendingClean();
    EXPECT_TRUE(faults.empty()) << report(faults);
}

namespace {
// `top` drawn over the opaque `under`.
QColor over(const QColor& top, const QColor& under)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + under.redF() * (1 - a), top.greenF() * a + under.greenF() * (1 - a),
                            top.blueF() * a + under.blueF() * (1 - a));
}
} // namespace

// The ring's used share is a graphic that must be seen: 3:1 against the track it is drawn
// on and the cockpit around it, in both modes.
TEST(WindowContrast, TheUsedArcStandsOutInBothModes)
{
    WindowUnderTest w;
    w.open();
    auto* arc = w.window->findChild<QQuickItem*>("usedArc"); // drawn once its share grows
    ASSERT_TRUE(arc);
    for (const char* mode : {"obsidian", "dawn"}) {
        w.view->setAppearanceRaw(mode);
        w.settle();
        QQmlListReference paths(arc, "data");
        ASSERT_GT(paths.count(), 0);
        const QColor stroke = paths.at(0)->property("strokeColor").value<QColor>();
        const WindowPalette& palette = *w.view->windowPalette();
        const QColor card = over(palette.cardFill(), palette.canvasBase());
        const QColor track = over(palette.hairlineBorder(), card);
        EXPECT_EQ(stroke.alphaF(), 1.0) << mode;
        EXPECT_GE(contrastRatio(stroke, track), 3.0) << mode;
        EXPECT_GE(contrastRatio(stroke, card), 3.0) << mode;
    }
}

// The preview frame's file-type icon is a graphic that must be seen: drawn with and without
// it, most of what it changes differs 3:1 from the frame under it, in both modes.
TEST(WindowContrast, ThePreviewIconStandsOutInBothModes)
{
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open();
    w.view->selectWorkspace(Workspace::LargeMedia);
    w.settle();
    QQuickItem* icon = nullptr;
    for (int row = 0; row < w.view->shown()->rows().count() && !icon; ++row) {
        w.view->inspectRow(row);
        w.settle();
        if (!w.view->mediaPlayer()) // a file the player takes draws more than its icon
            icon = qobject_cast<QQuickItem*>(w.shown("fileIcon"));
    }
    ASSERT_TRUE(icon) << "no row shows its type's icon";
    for (const char* mode : {"obsidian", "dawn"}) {
        w.view->setAppearanceRaw(mode);
        w.settle();
        const QImage with = w.window->grabWindow().convertToFormat(QImage::Format_RGB32);
        icon->setOpacity(0);
        const QImage without = w.window->grabWindow().convertToFormat(QImage::Format_RGB32);
        icon->setOpacity(1);
        const double scale = with.width() / double(w.window->width());
        const QRect area = QRectF(icon->mapRectToScene(icon->boundingRect())).toAlignedRect();
        int drawn = 0;
        int strong = 0;
        for (int y = int(area.top() * scale); y < int(area.bottom() * scale); ++y)
            for (int x = int(area.left() * scale); x < int(area.right() * scale); ++x) {
                const QRgb a = with.pixel(x, y);
                const QRgb b = without.pixel(x, y);
                if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) <= 24)
                    continue;
                ++drawn;
                strong += contrastRatio(QColor(a), QColor(b)) >= 3.0;
            }
        EXPECT_GE(strong, 200) << mode << ": the icon hardly shows";
        EXPECT_GE(strong, drawn / 2) << mode << ": " << strong << " of " << drawn << " pixels at 3:1";
    }
}
