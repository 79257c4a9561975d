#pragma once
// Gets the faces of every language ready before the person switches to it.
//
// Right after start a worker thread matches each script's face and its fallback list (the
// font database shares those between threads). Font engines, their fallback lookups and glyph
// metrics are cached per thread, though, so once the window is up the GUI thread itself lays
// out, in short idle slices, the texts its items would show in each other language, in each
// face and size they use, and every character of that language in each of those sizes. The
// engines made so are held, so the font cache keeps them with their glyphs, and a first switch
// only has to lay its texts out, not to load faces, search fallbacks or load glyphs.
//
// A scene graph that draws text from glyph outlines (OpenGL and the like) has a font cache of
// its own on its render thread, which it fills while the GUI thread waits for it, and which
// lets go of every face nothing uses. There each face and size is also shown once, a text a
// frame, clipped to nothing and then hidden. Hidden, the texts keep their faces in use.

#include <QElapsedTimer>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <deque>
#include <functional>
#include <thread>
#include <vector>

class QQmlComponent;
class QQuickItem;
class QQuickWindow;

struct FontWarmupPacing {
    int firstDelayMs = 1500; // after the window's first frame
    int gapMs = 24;          // between slices: the window keeps most of its time
    int sliceMs = 5;         // a slice starts no new piece of work after this
    int quietAfterInputMs = 600;
};

class FontWarmup : public QObject {
  public:
    // One language: the face its texts are set in and its texts by name.
    struct Language {
        QString family;
        QHash<QString, QString> texts;
    };
    using Pacing = FontWarmupPacing;

    FontWarmup();
    ~FontWarmup() override; // waits for the worker: nothing of it outlives the window
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    // Warms `window`'s texts in `languages` (the most different scripts first); `shown` tells
    // which of them the window shows now. Pauses while the person uses the window.
    void start(QQuickWindow& window, std::vector<Language> languages, std::function<int()> shown, Pacing pacing = {});

    // Also waits while `busy` holds (a scan or a clean handing the window its results).
    void holdWhile(std::function<bool()> busy) { busy_ = std::move(busy); }

    bool finished() const { return finished_; }
    // Whether it also draws each text, readying its glyphs' bitmaps (the software renderer).
    bool drawsGlyphs() const { return drawsGlyphs_; }
    int slices() const { return slices_; }
    int piecesDone() const { return piecesDone_; }
    // The most pieces of work one slice did, and how long the longest slice took.
    int mostPiecesInASlice() const { return mostPieces_; }
    double longestSliceMs() const { return longestSliceMs_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Piece {
        QFont font;
        QString text;
        bool draw = true;
    };
    void runSlice();
    void schedule(int ms);
    // Queues the next language's pieces; false when every language is done.
    bool queueNextLanguage();
    void collectTexts(QQuickItem* item, const QHash<QString, QString>& nameOfShownText,
                      std::vector<std::pair<QFont, QString>>& out) const;
    void queueProbes(const QFont& font);
    // Holds the engine of a face that is the same in every language (icons, paths).
    void holdOwnFace(const QFont& font);
    // Queues `text` in `font` unless it already was; `draw` also readies its glyphs' bitmaps.
    void queueOnce(const QFont& font, const QString& text, bool draw);
    // Hides the scene text drawn last and shows the next, one a frame.
    void showNextInScene();
    void watchSceneFrames();

    std::thread worker_;
    QPointer<QQuickWindow> window_;
    std::vector<Language> languages_;
    std::function<int()> shown_;
    std::function<bool()> busy_;
    Pacing pacing_;
    bool drawsGlyphs_ = false; // known after the first frame
    QSet<QString> families_;
    QStringList probes_; // a few characters of each script the texts use, one string a script
    std::size_t nextLanguage_ = 0;
    std::deque<Piece> pieces_;
    QSet<QString> queued_;            // font key + text, laid out once
    QHash<QString, QFont> heldFonts_; // by font key: keeps their engines in the cache
    std::deque<Piece> scenePieces_;
    QQmlComponent* sceneText_ = nullptr; // makes the scene texts
    QPointer<QQuickItem> sceneShelf_;    // clips them to nothing
    QPointer<QQuickItem> sceneShowing_;  // drawn in the frame on its way
    bool sceneFramePending_ = false;     // the one showing is not drawn yet
    std::atomic<int> sceneTextsShown_{0};
    std::atomic<int> sceneTextsSynced_{0}; // shown by the last synchronisation of the scene
    QTimer timer_;
    QElapsedTimer sinceInput_;
    bool finished_ = false;
    int slices_ = 0;
    int piecesDone_ = 0;
    int mostPieces_ = 0;
    double longestSliceMs_ = 0;
};
