// The GUI thread readies other languages' faces only in short slices, never while the person
// uses the window, and a switch after it still shows the language's texts in its own face.
#include "FontWarmup.h"
#include "Views/WindowTestSupport.h"

#include <QKeyEvent>
#include <QQuickItem>
#include <QTest>
#include <atomic>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

std::atomic<int> fontMatches{0};

} // namespace

// Every face a text needs that no text had before costs a font match (and a font engine made
// behind it). Counted here on the way to the font library; the match itself is the library's.
extern "C" void* FcFontMatch(void* config, void* pattern, int* result)
{
    using Match = void* (*)(void*, void*, int*);
    static const auto next = reinterpret_cast<Match>(::dlsym(RTLD_NEXT, "FcFontMatch"));
    ++fontMatches;
    return next(config, pattern, result);
}

namespace {

std::vector<FontWarmup::Language> englishAndJapanese()
{
    std::vector<FontWarmup::Language> languages;
    for (auto [language, family] : {std::pair{AppLanguage::en, QGuiApplication::font().family()},
                                    std::pair{AppLanguage::ja, QStringLiteral("Noto Sans CJK JP")}}) {
        FontWarmup::Language& each = languages.emplace_back();
        each.family = family;
        const QVariantMap& table = WindowState::textTable(language);
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            each.texts.insert(it.key(), it.value().toString());
    }
    return languages;
}

// The next frame of the window, which lets a warm-up started before it begin.
void drawAFrame(QQuickWindow& window)
{
    window.update();
    QTest::qWait(50);
}

// The text items showing exactly `text`.
std::vector<QQuickItem*> itemsShowing(QQuickItem* item, const QString& text)
{
    std::vector<QQuickItem*> found;
    if (!item)
        return found;
    if (item->inherits("QQuickText") && item->property("text").toString() == text)
        found.push_back(item);
    for (QQuickItem* child : item->childItems())
        for (QQuickItem* each : itemsShowing(child, text))
            found.push_back(each);
    return found;
}

} // namespace

TEST(FontWarmup, DoesOnePieceOfWorkASliceAndYieldsBetweenSlices)
{
    WindowUnderTest w;
    w.open("en");
    FontWarmup warmup;
    // A slice that may take no time still does one piece, and then hands the loop back.
    warmup.start(*w.window, englishAndJapanese(), [] { return 0; },
                 {.firstDelayMs = 0, .gapMs = 0, .sliceMs = 0, .quietAfterInputMs = 0});
    drawAFrame(*w.window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return warmup.finished(); }, 60000));
    EXPECT_GT(warmup.piecesDone(), 20); // the window's texts in Japanese, at least
    EXPECT_EQ(warmup.mostPiecesInASlice(), 1);
    EXPECT_GE(warmup.slices(), warmup.piecesDone());
}

TEST(FontWarmup, WaitsWhileThePersonUsesTheWindow)
{
    WindowUnderTest w;
    w.open("en");
    FontWarmup warmup;
    warmup.start(*w.window, englishAndJapanese(), [] { return 0; },
                 {.firstDelayMs = 0, .gapMs = 0, .sliceMs = 0, .quietAfterInputMs = 60000});
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QCoreApplication::sendEvent(w.window, &press);
    drawAFrame(*w.window);
    QTest::qWait(300);
    EXPECT_EQ(warmup.piecesDone(), 0);
    EXPECT_FALSE(warmup.finished());
}

// While a scan or a clean hands the window its results, the warm-up keeps out of their way,
// and goes on once they are done.
TEST(FontWarmup, WaitsWhileTheWindowIsBusyAndGoesOnAfter)
{
    WindowUnderTest w;
    w.open("en");
    FontWarmup warmup;
    bool busy = true;
    warmup.holdWhile([&] { return busy; });
    warmup.start(*w.window, englishAndJapanese(), [] { return 0; },
                 {.firstDelayMs = 0, .gapMs = 0, .sliceMs = 0, .quietAfterInputMs = 20});
    drawAFrame(*w.window);
    QTest::qWait(200);
    EXPECT_EQ(warmup.piecesDone(), 0);
    busy = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return warmup.finished(); }, 60000));
}

TEST(FontWarmup, ASwitchAfterItShowsTheLanguagesTextsInItsFace)
{
    WindowUnderTest w;
    w.open("en");
    const FontWarmup& warmup = w.view->fontWarmup();
    drawAFrame(*w.window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return warmup.finished(); }, 60000));
    EXPECT_GT(warmup.piecesDone(), 0);
    // The tests run the software renderer, which draws from the bitmaps the warm-up readies.
    EXPECT_TRUE(warmup.drawsGlyphs());

    // The face changes only while the texts are blank, and only when it changes: a text that
    // meets the other face is laid out once more, in glyphs nothing readied there.
    QStringList told;
    QString oldText;
    QObject::connect(w.view.get(), &WindowState::textsChanged, [&] {
        told << (w.view->texts().property(QStringLiteral("trustWorkspacesSection")).toString().isEmpty() ? "blank"
                                                                                                         : "texts");
    });
    QObject::connect(w.view.get(), &WindowState::fontFamilyChanged, [&] {
        told << "face";
        EXPECT_TRUE(itemsShowing(w.window->contentItem(), oldText).empty()) << "the old texts met the new face";
    });
    for (auto [language, expected] :
         {std::pair{"ja", "blank face texts"}, {"ar", "blank face texts"}, {"de", "texts"}}) {
        told.clear();
        oldText = w.text("trustWorkspacesSection");
        w.view->setLanguageRaw(QString::fromLatin1(language));
        EXPECT_EQ(told.join(' '), QString::fromLatin1(expected)) << language;
        w.settle();
        const QString family = w.view->fontFamily();
        const auto shown = itemsShowing(w.window->contentItem(), w.text("trustWorkspacesSection"));
        ASSERT_FALSE(shown.empty()) << language;
        for (QQuickItem* item : shown)
            EXPECT_EQ(item->property("font").value<QFont>().family(), family) << language;
    }
    EXPECT_EQ(w.view->fontFamily(), QGuiApplication::font().family());
}

// Arabic texts carry their figures between directional isolates, which Arabic's own face
// lacks: amid Arabic letters they take a fallback face of their own in every size. Readied
// ahead, a first switch to Arabic needs no face it has not seen. Also run on OpenGL, where the
// render thread meets every face again in caches of its own, and the GUI thread's fonts lend
// it their engines.
TEST(FontWarmup, AFirstSwitchToArabicNeedsNoNewFace)
{
    WindowUnderTest w;
    w.fillEveryWorkspace();
    w.open("en");
    drawAFrame(*w.window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.view->fontWarmup().finished(); }, 60000));
    const int before = fontMatches;
    w.view->setLanguageRaw(QStringLiteral("ar"));
    w.settle();
    EXPECT_EQ(fontMatches - before, 0);
}
