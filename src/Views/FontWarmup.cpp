#include "FontWarmup.h"

#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Theme/ScriptFonts.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTextLayout>

#include <algorithm>

namespace {

// Lays out `text` in `font` the way a text item does, which makes the font's engine, finds
// the fallback faces of characters it lacks and reads their glyphs' metrics. With `draw`, also
// draws it as the software renderer draws text: the glyphs land in the engines' glyph caches,
// which the window's own drawing uses. A glyph's bitmap is cached per quarter pixel of where
// it lands, and the window's texts land anywhere: each quarter is drawn.
void layOut(const QString& text, const QFont& font, bool draw)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(400);
    layout.endLayout();
    if (!draw)
        return;
    static QImage canvas(400, 64, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    for (qreal x : {0.0, 0.25, 0.5, 0.75})
        layout.draw(&painter, QPointF(x, 0));
}

// Worker: matches a few of each language's texts in the face the window gives it.
void matchFacesOffThread(AppLanguage language, const QString& defaultFamily)
{
    const std::string_view family = scriptFontFamily(language);
    QFont font(family.empty() ? defaultFamily : qt(family));
    font.setPixelSize(13);
    const QString sample = qt(nativeName(language)) + u' ' +
                           qt(WindowTexts::title(CleanTrustWorkspace::oneClickSafe, language)) + u' ' +
                           qt(WindowTexts::subtitle(CleanTrustWorkspace::largeMedia, language));
    for (bool bold : {false, true}) {
        font.setBold(bold);
        layOut(sample, font, false);
    }
}

// Flags and other emoji come from a face near the end of every fallback list: finding it takes
// one font match per face before it, longer than a slice may take. They are left out.
bool isEmojiCodePoint(char32_t c) { return c >= 0x1F000; }

bool hasEmojiCodePoint(const QString& text)
{
    const auto code = text.toUcs4();
    return std::any_of(code.begin(), code.end(), isEmojiCodePoint);
}

// Every character `texts` use, a line at a time: texts made up at run time (counts, sizes,
// names) put them in sizes and weights no fixed text shows them in.
QStringList characterLinesOf(const QHash<QString, QString>& texts)
{
    QStringList lines;
    QSet<char32_t> seen;
    QString line;
    for (const QString& text : texts)
        for (char32_t c : text.toUcs4()) {
            if (QChar::isSpace(c) || isEmojiCodePoint(c) || seen.contains(c))
                continue;
            seen.insert(c);
            line.append(QString::fromUcs4(&c, 1));
            if (line.size() >= 48) {
                lines.append(line);
                line.clear();
            }
        }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

bool isWindowInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
        return true;
    default:
        return false;
    }
}

// `font` with data of its own. A font used on the render thread swaps the engines it holds for
// that thread's, and copies share them: the held fonts would let go of the GUI thread's.
QFont ownCopy(const QFont& font)
{
    QFont copy = font;
    copy.setLetterSpacing(QFont::AbsoluteSpacing, font.letterSpacing() + 1); // detaches
    copy.setLetterSpacing(font.letterSpacingType(), font.letterSpacing());
    return copy;
}

// A text item's font with its family left out: what sizes and weights the window uses.
QString fontSpecKey(QFont font)
{
    font.setFamily(QString());
    return font.key();
}

} // namespace

FontWarmup::FontWarmup()
{
    const QString defaultFamily = QGuiApplication::font().family();
    worker_ = std::thread([defaultFamily] {
        for (AppLanguage language : allCases<AppLanguage>())
            matchFacesOffThread(language, defaultFamily);
    });
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &FontWarmup::runSlice);
}

FontWarmup::~FontWarmup()
{
    if (worker_.joinable())
        worker_.join();
}

void FontWarmup::start(QQuickWindow& window, std::vector<Language> languages, std::function<int()> shown, Pacing pacing)
{
    window_ = &window;
    languages_ = std::move(languages);
    shown_ = std::move(shown);
    pacing_ = pacing;
    // A few characters of each script, outside ASCII: enough to find each fallback face.
    QMap<int, QString> byScript;
    for (const Language& language : languages_) {
        families_.insert(language.family);
        for (const QString& text : language.texts)
            for (char32_t c : text.toUcs4()) {
                if (c < 0x80 || QChar::isSpace(c) || isEmojiCodePoint(c))
                    continue;
                QString& chars = byScript[QChar::script(c)];
                const QString each = QString::fromUcs4(&c, 1);
                if (chars.size() < 24 && !chars.contains(each))
                    chars.append(each);
            }
    }
    probes_ = byScript.values();
    // Numbers, sizes, names and paths are set in every face at every size, in Latin letters.
    QString printable;
    for (char c = 0x21; c < 0x7F; ++c)
        printable.append(QLatin1Char(c));
    probes_.append(printable);
    window.installEventFilter(this);
    sinceInput_.start();
    // The first frame, then a while for whatever the start itself posts.
    connect(
        &window, &QQuickWindow::frameSwapped, this,
        [this] {
            // Only the software renderer draws glyphs from the bitmaps a painter caches; the
            // others make their own from the outlines. Which one runs is known once it drew.
            const QSGRendererInterface* renderer = window_ ? window_->rendererInterface() : nullptr;
            drawsGlyphs_ = renderer && renderer->graphicsApi() == QSGRendererInterface::Software;
            if (!drawsGlyphs_)
                watchSceneFrames();
            schedule(pacing_.firstDelayMs);
        },
        Qt::SingleShotConnection);
}

bool FontWarmup::eventFilter(QObject* watched, QEvent* event)
{
    if (isWindowInput(event->type()))
        sinceInput_.restart();
    return QObject::eventFilter(watched, event);
}

void FontWarmup::schedule(int ms)
{
    if (!finished_)
        timer_.start(ms);
}

void FontWarmup::runSlice()
{
    if (!window_) {
        finished_ = true;
        return;
    }
    if (sinceInput_.elapsed() < pacing_.quietAfterInputMs) {
        schedule(int(pacing_.quietAfterInputMs - sinceInput_.elapsed()));
        return;
    }
    if (busy_ && busy_()) {
        schedule(pacing_.quietAfterInputMs);
        return;
    }
    QElapsedTimer slice;
    slice.start();
    showNextInScene();
    int pieces = 0;
    do {
        if (pieces_.empty() && !queueNextLanguage()) {
            finished_ = scenePieces_.empty() && !sceneShowing_;
            break;
        }
        if (pieces_.empty())
            continue;
        const Piece piece = std::move(pieces_.front());
        pieces_.pop_front();
        layOut(piece.text, piece.font, piece.draw && drawsGlyphs_);
        ++pieces;
    } while (slice.elapsed() < pacing_.sliceMs);
    ++slices_;
    piecesDone_ += pieces;
    mostPieces_ = std::max(mostPieces_, pieces);
    longestSliceMs_ = std::max(longestSliceMs_, double(slice.nsecsElapsed()) / 1e6);
    // A window that draws no frame (hidden, minimised) is not polled.
    if (!(sceneFramePending_ && pieces_.empty() && nextLanguage_ >= languages_.size()))
        schedule(pacing_.gapMs);
}

bool FontWarmup::queueNextLanguage()
{
    if (nextLanguage_ >= languages_.size())
        return false;
    const Language& language = languages_[nextLanguage_++];
    // What the window's text items show now, with the name each text has in the table.
    const int shown = shown_ ? shown_() : -1;
    QHash<QString, QString> nameOfShownText;
    if (shown >= 0 && std::size_t(shown) < languages_.size())
        for (auto it = languages_[shown].texts.cbegin(); it != languages_[shown].texts.cend(); ++it)
            nameOfShownText.insert(it.value(), it.key());
    std::vector<std::pair<QFont, QString>> items;
    collectTexts(window_->contentItem(), nameOfShownText, items);

    QStringList characterLines = characterLinesOf(language.texts);
    // In a right-to-left language the window isolates each figure it splices into a text
    // (LEFT-TO-RIGHT ISOLATE ... POP DIRECTIONAL ISOLATE). Right after a letter of that script,
    // the isolates are shaped with the script's faces, where they take a fallback face of
    // their own that the letters alone never reach. Each line ends so.
    for (QString& line : characterLines) {
        const auto rightToLeft = std::find_if(line.cbegin(), line.cend(), [](QChar c) {
            return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
        });
        if (rightToLeft != line.cend())
            line += u' ' + *rightToLeft + QStringLiteral(" \u2066%1 GB\u2069").arg(line.size());
    }
    QSet<QString> specs;
    for (auto& [font, name] : items) {
        if (!families_.contains(font.family())) {
            holdOwnFace(font);
            continue;
        }
        font = ownCopy(font); // the item's own goes to the render thread and back
        font.setFamily(language.family);
        const QString key = font.key();
        if (!heldFonts_.contains(key))
            heldFonts_.insert(key, font);
        if (!specs.contains(fontSpecKey(font))) {
            specs.insert(fontSpecKey(font));
            queueProbes(font);
            for (const QString& line : characterLines)
                queueOnce(font, line, false);
            // The render thread needs each face in each size, with the fallbacks one line
            // reaches. Every glyph's outline is not readied there: that would hold about
            // three times the memory, for a first switch no faster.
            if (!drawsGlyphs_ && !characterLines.isEmpty())
                scenePieces_.push_back({font, characterLines.first(), false});
        }
        const QString text = language.texts.value(name);
        if (!text.isEmpty() && !hasEmojiCodePoint(text))
            queueOnce(font, text, true);
    }
    return true;
}

void FontWarmup::watchSceneFrames()
{
    // The GUI thread waits while the scene synchronises: what it had shown by then is in.
    connect(
        window_, &QQuickWindow::afterSynchronizing, this,
        [this] {
            sceneTextsSynced_.store(sceneTextsShown_.load(std::memory_order_relaxed), std::memory_order_relaxed);
        },
        Qt::DirectConnection);
    connect(
        window_, &QQuickWindow::frameSwapped, this,
        [this] {
            if (sceneTextsSynced_.load(std::memory_order_relaxed) != sceneTextsShown_.load(std::memory_order_relaxed))
                return;
            sceneFramePending_ = false;
            // Slices stop while only a scene text waits for its frame.
            if (!timer_.isActive())
                schedule(pacing_.gapMs);
        },
        Qt::QueuedConnection);
}

void FontWarmup::showNextInScene()
{
    if (sceneFramePending_)
        return;
    if (sceneShowing_)
        sceneShowing_->setVisible(false); // its nodes stay, and with them the faces they use
    sceneShowing_ = nullptr;
    if (scenePieces_.empty() || !window_)
        return;
    if (!sceneText_) {
        QQmlEngine* engine = qmlEngine(window_);
        if (!engine) {
            scenePieces_.clear();
            return;
        }
        sceneText_ = new QQmlComponent(engine, this);
        sceneText_->setData("import QtQuick\n"
                            "Text { Accessible.ignored: true; enabled: false }",
                            QUrl());
        sceneShelf_ = new QQuickItem(window_->contentItem());
        sceneShelf_->setSize(QSizeF(1, 1));
        sceneShelf_->setClip(true);
        sceneShelf_->setZ(-1);
        sceneShelf_->setEnabled(false);
    }
    auto* text = qobject_cast<QQuickItem*>(sceneText_->create());
    if (!text || !sceneShelf_) {
        delete text;
        scenePieces_.clear();
        return;
    }
    const Piece piece = std::move(scenePieces_.front());
    scenePieces_.pop_front();
    text->setProperty("font", ownCopy(piece.font));
    text->setProperty("text", piece.text);
    text->setParent(sceneShelf_);
    text->setParentItem(sceneShelf_);
    sceneShowing_ = text;
    sceneFramePending_ = true;
    sceneTextsShown_.fetch_add(1, std::memory_order_relaxed);
}

void FontWarmup::holdOwnFace(const QFont& font)
{
    const QString key = font.key();
    if (heldFonts_.contains(key))
        return;
    // The item's own font goes back and forth to the render thread (OpenGL), which takes its
    // engines along: a copy of its own keeps them here.
    const QFont held = ownCopy(font);
    heldFonts_.insert(key, held);
    queueOnce(held, probes_.back(), false);
}

void FontWarmup::queueProbes(const QFont& font)
{
    // Another language's texts meet this face for a moment while a switch sets texts and
    // face one after the other: its fallbacks for every script are found ahead too.
    for (const QString& probe : probes_)
        queueOnce(font, probe, true);
}

void FontWarmup::queueOnce(const QFont& font, const QString& text, bool draw)
{
    const QString key = font.key() + u'\n' + text;
    if (queued_.contains(key))
        return;
    queued_.insert(key);
    pieces_.push_back({font, text, draw});
}

void FontWarmup::collectTexts(QQuickItem* item, const QHash<QString, QString>& nameOfShownText,
                              std::vector<std::pair<QFont, QString>>& out) const
{
    if (!item || item == sceneShelf_)
        return;
    if (item->inherits("QQuickText")) {
        const QFont font = item->property("font").value<QFont>();
        out.emplace_back(font, nameOfShownText.value(item->property("text").toString()));
    }
    for (QQuickItem* child : item->childItems())
        collectTexts(child, nameOfShownText, out);
}
