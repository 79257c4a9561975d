#include "FontWarmup.h"

#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "Theme/ScriptFonts.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTextLayout>

#include <algorithm>

namespace {

// Lays out `text` in `font` the way a text item does, which makes the font's engine, finds
// the fallback faces of characters it lacks and reads their glyphs' metrics.
void layOutOnce(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(400);
    layout.endLayout();
}

// Also draws it, as the software renderer draws text: the glyphs land in the engines' glyph
// caches, which the window's own drawing uses.
void layOutAndDraw(const QString& text, const QFont& font)
{
    static QImage canvas(400, 64, QImage::Format_ARGB32_Premultiplied);
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(400);
    layout.endLayout();
    QPainter painter(&canvas);
    layout.draw(&painter, QPointF(0, 0));
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
        layOutOnce(sample, font);
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
    window.installEventFilter(this);
    sinceInput_.start();
    // The first frame, then a while for whatever the start itself posts.
    connect(
        &window, &QQuickWindow::frameSwapped, this, [this] { schedule(pacing_.firstDelayMs); },
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
    int pieces = 0;
    do {
        if (pieces_.empty() && !queueNextLanguage()) {
            finished_ = true;
            break;
        }
        if (pieces_.empty())
            continue;
        const Piece piece = std::move(pieces_.front());
        pieces_.pop_front();
        layOutAndDraw(piece.text, piece.font);
        ++pieces;
    } while (slice.elapsed() < pacing_.sliceMs);
    ++slices_;
    piecesDone_ += pieces;
    mostPieces_ = std::max(mostPieces_, pieces);
    longestSliceMs_ = std::max(longestSliceMs_, double(slice.nsecsElapsed()) / 1e6);
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

    QSet<QString> specs;
    for (auto& [font, name] : items) {
        font.setFamily(language.family);
        const QString key = font.key();
        if (!heldFonts_.contains(key))
            heldFonts_.insert(key, font);
        if (!specs.contains(fontSpecKey(font))) {
            specs.insert(fontSpecKey(font));
            queueProbes(font);
        }
        const QString text = language.texts.value(name);
        if (!text.isEmpty() && !hasEmojiCodePoint(text) && !queued_.contains(key + u'\n' + text)) {
            queued_.insert(key + u'\n' + text);
            pieces_.push_back({font, text});
        }
    }
    return true;
}

void FontWarmup::queueProbes(const QFont& font)
{
    // Another language's texts meet this face for a moment while a switch sets texts and
    // face one after the other: its fallbacks for every script are found ahead too.
    const QString key = font.key();
    for (const QString& probe : probes_)
        if (!queued_.contains(key + u'\n' + probe)) {
            queued_.insert(key + u'\n' + probe);
            pieces_.push_back({font, probe});
        }
}

void FontWarmup::collectTexts(QQuickItem* item, const QHash<QString, QString>& nameOfShownText,
                              std::vector<std::pair<QFont, QString>>& out) const
{
    if (!item)
        return;
    if (item->inherits("QQuickText")) {
        const QFont font = item->property("font").value<QFont>();
        // Only text in the language's face: icons and paths keep theirs.
        if (families_.contains(font.family()))
            out.emplace_back(font, nameOfShownText.value(item->property("text").toString()));
    }
    for (QQuickItem* child : item->childItems())
        collectTexts(child, nameOfShownText, out);
}
