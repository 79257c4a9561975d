#pragma once
// Thumbnails of files for the window: the shared cache first, else made on a worker thread
// (images decoded at a reduced size, videos from a frame a little way in, or the desktop's
// own thumbnailer where one runs) and written back into the shared cache so the file manager
// reuses them. Answers come back on the thread that owns the service. Nothing is decoded on
// that thread.

#include "Platform/ThumbnailCache.h"

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QThread>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

class ThumbnailWorker;

class ThumbnailService : public QObject {
    Q_OBJECT

  public:
    struct Options {
        std::string cacheRoot = ThumbnailCache::defaultRoot();
        std::string failureFolder; // this program and its version, "quillmere-0.1.0"
        ThumbnailFlavor flavor = ThumbnailFlavor::large;
        // Where to look for the desktop's thumbnailer; none: never ask it.
        std::function<QDBusConnection()> desktopBus = [] { return QDBusConnection::sessionBus(); };
        std::chrono::milliseconds videoTimeout{8000};
    };

    explicit ThumbnailService(Options options, QObject* parent = nullptr);
    ~ThumbnailService() override;

    // The picture known for the file, possibly of an older version of it until the answer to
    // the last request comes; null when there is none.
    QImage thumbnail(const Path& path) const;
    // Asks for the picture of the file as it is now. thumbnailChanged(path) follows on this
    // object's thread when the file is not the one thumbnail(path) shows (it is new, changed,
    // or gone); the picture is null when none could be made.
    void request(const Path& path);

    // How many files were decoded (images or videos); reading the cache is no decode.
    int decodeCount() const { return decodes_->load(); }
    // Called on the decoding thread, just before each decode (for checks and measurements).
    void setDecodeObserver(std::function<void(const Path&)> observer);

  Q_SIGNALS:
    void thumbnailChanged(const std::string& path);

  private:
    friend class ThumbnailWorker;
    struct Known {
        Int64 mtime = -1; // of the file the picture shows
        QImage image;     // null: the file could not be pictured
    };
    // On this object's thread: the worker's answer for path.
    void accept(const Path& path, std::optional<Known> known);

    std::unordered_map<Path, Known> known_;
    std::shared_ptr<std::atomic<int>> decodes_ = std::make_shared<std::atomic<int>>(0);
    QThread thread_;
    ThumbnailWorker* worker_ = nullptr; // lives on thread_, deleted when it ends
};
