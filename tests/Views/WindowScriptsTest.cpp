// Every language in its own script: Arabic mirrors the window and keeps each size's number
// before its unit; Chinese, Japanese and Korean text is set in its own region's face.
#include "Models/DiskFormat.h"
#include "Views/WindowTestSupport.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QQuickItem>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

QRectF sceneRectOf(const WindowUnderTest& w, const char* name)
{
    auto* item = qobject_cast<QQuickItem*>(w.shown(name));
    return item ? item->mapRectToScene(QRectF(0, 0, item->width(), item->height())) : QRectF();
}

// Where, left to right, the first occurrence of `needle` is drawn when `text` is laid out as
// one line in `font` (the direction comes from the text, as the window lays it out).
double drawnAt(const QString& text, const QString& needle, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(10000);
    layout.endLayout();
    double left = 1e9;
    for (const QGlyphRun& run : line.glyphRuns(text.indexOf(needle), needle.size()))
        left = std::min(left, run.boundingRect().left());
    return left;
}

// The text of the label inside a control of that object name.
QString labelOf(const WindowUnderTest& w, const char* controlName)
{
    auto* control = qobject_cast<QQuickItem*>(w.shown(controlName));
    if (!control)
        return {};
    return control->property("text").toString();
}

} // namespace

TEST(WindowScripts, ArabicMirrorsTheWindowAndEnglishPutsItBack)
{
    WindowUnderTest w;
    w.open("ar");
    EXPECT_GT(sceneRectOf(w, "sidebar").left(), sceneRectOf(w, "workspaceColumn").left());
    EXPECT_LT(sceneRectOf(w, "inspectorColumn").left(), sceneRectOf(w, "workspaceColumn").left());
    EXPECT_LT(sceneRectOf(w, "languageButton").left(), sceneRectOf(w, "restoreHistoryButton").left());

    w.view->setLanguageRaw("en");
    w.settle();
    EXPECT_LT(sceneRectOf(w, "sidebar").left(), sceneRectOf(w, "workspaceColumn").left());
    EXPECT_GT(sceneRectOf(w, "inspectorColumn").left(), sceneRectOf(w, "workspaceColumn").left());
    EXPECT_GT(sceneRectOf(w, "languageButton").left(), sceneRectOf(w, "restoreHistoryButton").left());
}

TEST(WindowScripts, ASizeInsideArabicTextKeepsItsNumberBeforeItsUnit)
{
    WindowUnderTest w;
    w.machine.root.allocatedFile("Users/demo/Library/Caches/Google/blob", 3 * MiB);
    w.open("ar");
    const QString label = labelOf(w, "smartCleanButton"); // "تنظيف شامل · 3.0 MB"
    ASSERT_TRUE(label.startsWith(QString::fromUtf8("تنظيف شامل"))) << label.toStdString();
    const QStringList figure =
        QString::fromStdString(DiskFormat::bytes(w.scanner().selection().totalMasterSmartCleanBytes())).split(' ');
    ASSERT_EQ(figure.size(), 2);
    const QString number = figure[0];
    const QString unit = figure[1];
    const QFont font = qobject_cast<QQuickItem*>(w.shown("smartCleanButton"))->property("font").value<QFont>();
    // Read left to right, the figure says "3.0 MB", inside a line that reads right to left.
    EXPECT_LT(drawnAt(label, number, font), drawnAt(label, unit, font)) << label.toStdString();
    EXPECT_LT(drawnAt(label, unit, font), drawnAt(label, QString::fromUtf8("تنظيف"), font));
    // The same sentence without the isolation is what the window must not show.
    QString bare = label;
    bare.remove(QChar(0x2066)).remove(QChar(0x2069));
    EXPECT_GT(drawnAt(bare, number, font), drawnAt(bare, unit, font));
}

TEST(WindowScripts, HanTextIsSetInTheFaceOfItsRegion)
{
    WindowUnderTest w;
    w.open();
    const std::pair<const char*, const char*> faces[] = {{"zh-Hans", "Noto Sans CJK SC"},
                                                         {"zh-Hant", "Noto Sans CJK TC"},
                                                         {"ja", "Noto Sans CJK JP"},
                                                         {"ko", "Noto Sans CJK KR"}};
    for (const auto& [language, face] : faces) {
        w.view->setLanguageRaw(language);
        w.settle();
        QObject* status = w.shown("statusLine");
        ASSERT_TRUE(status);
        EXPECT_EQ(QFontInfo(status->property("font").value<QFont>()).family(), face) << language;
    }
    // Other scripts stay in the window's own face, not a CJK one.
    w.view->setLanguageRaw("de");
    w.settle();
    EXPECT_FALSE(QFontInfo(w.shown("statusLine")->property("font").value<QFont>()).family().contains("CJK"));
}
