#include "Platform/Media/ThumbnailService.h"

#include "Models/Paths.h"
#include "Platform/FileReading.h"
#include "Platform/Media/DesktopThumbnailer.h"
#include "Platform/Media/ImageThumbnail.h"
#include "Platform/Media/VideoFrameGrab.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QMimeDatabase>

#include <algorithm>
#include <vector>

namespace {

// What content sniffing needs of a file's beginning.
constexpr qsizetype kSniffBytes = 4096;

enum class Kind { image, video, none };

Kind kindOf(const QMimeType& mime)
{
    static const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
    if (mime.name().startsWith(QLatin1String("image/")) && readable.contains(mime.name().toLatin1()))
        return Kind::image;
    if (mime.name().startsWith(QLatin1String("video/")))
        return Kind::video;
    return Kind::none;
}

QByteArray pngOf(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    return writer.write(image) ? png : QByteArray();
}

} // namespace

// Works through the requests one at a time, newest first: the file inspected now matters more
// than the ones passed by on the way to it.
class ThumbnailWorker : public QObject {
  public:
    ThumbnailWorker(ThumbnailService& service, ThumbnailService::Options options,
                    std::shared_ptr<std::atomic<int>> decodes)
        : service_(service), options_(std::move(options)), cache_(options_.cacheRoot, options_.failureFolder),
          decodes_(std::move(decodes))
    {
    }

    // On the worker thread.
    void enqueue(const Path& path, Int64 knownMtime)
    {
        std::erase_if(pending_, [&](const auto& request) { return request.first == path; });
        pending_.emplace_back(path, knownMtime);
        QMetaObject::invokeMethod(this, &ThumbnailWorker::processNext, Qt::QueuedConnection);
    }
    void setObserver(std::function<void(const Path&)> observer) { observer_ = std::move(observer); }
    std::atomic<bool> stopping{false};

  private:
    using Known = ThumbnailService::Known;

    void processNext()
    {
        if (pending_.empty() || stopping)
            return;
        const auto [path, knownMtime] = pending_.back();
        pending_.pop_back();
        const auto key = ThumbnailCache::keyOf(path);
        if (key && key->mtime == knownMtime)
            return; // what the window has is current
        std::optional<Known> answer;
        if (key)
            answer = Known{key->mtime, pictureOf(path, *key)};
        if (stopping)
            return;
        ThumbnailService* service = &service_;
        QMetaObject::invokeMethod(
            service, [service, path, answer] { service->accept(path, answer); }, Qt::QueuedConnection);
    }

    QImage pictureOf(const Path& path, const ThumbnailKey& key)
    {
        if (auto hit = cache_.find(key, options_.flavor))
            if (QImage image = QImage::fromData(hit->png, "png"); !image.isNull())
                return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                     : QImage::Format_RGB32);
        if (cache_.hasFailed(key))
            return {};
        const QMimeType mime = mimeTypeOf(path);
        const Kind kind = kindOf(mime);
        if (kind == Kind::none)
            return {};
        if (kind == Kind::video && options_.desktopBus)
            if (QImage image = fromDesktopThumbnailer(key, mime); !image.isNull())
                return image;

        const int edge = edgeOf(options_.flavor);
        if (observer_)
            observer_(path);
        ++*decodes_;
        const std::optional<QImage> made = kind == Kind::image ? imagethumbnail::decode(path, edge)
                                                               : videoframe::grab(path, edge, options_.videoTimeout);
        if (stopping)
            return {}; // cut short: not a verdict on the file
        // The file may have changed while it was decoded: the stamps must describe what was read.
        if (ThumbnailCache::keyOf(path) != key)
            return made.value_or(QImage());
        if (!made) {
            cache_.recordFailure(key);
            return {};
        }
        if (const QByteArray png = pngOf(*made); !png.isEmpty())
            cache_.store(key, options_.flavor, png);
        return *made;
    }

    // By name and content; the content is read through a descriptor of the file itself (the
    // name is only matched against patterns, never opened).
    QMimeType mimeTypeOf(const Path& path) const
    {
        const QString name = QString::fromUtf8(paths::lastComponent(path));
        const auto file = ReadOnlyFile::open(path);
        if (!file)
            return mimeTypes_.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
        QByteArray head(kSniffBytes, '\0');
        const auto n = file->readAt(head.data(), std::size_t(head.size()), 0);
        head.truncate(n ? qsizetype(*n) : 0);
        return mimeTypes_.mimeTypeForFileNameAndData(name, head);
    }

    QImage fromDesktopThumbnailer(const ThumbnailKey& key, const QMimeType& mime)
    {
        if (!desktop_)
            desktop_.emplace(options_.desktopBus());
        if (!desktop_->isRunning() || !desktop_->generate(key, mime.name(), options_.flavor, options_.videoTimeout))
            return {};
        const auto hit = cache_.find(key, options_.flavor);
        return hit ? QImage::fromData(hit->png, "png").convertToFormat(QImage::Format_RGB32) : QImage();
    }

    ThumbnailService& service_;
    const ThumbnailService::Options options_;
    ThumbnailCache cache_;
    std::shared_ptr<std::atomic<int>> decodes_;
    std::function<void(const Path&)> observer_;
    std::vector<std::pair<Path, Int64>> pending_;
    QMimeDatabase mimeTypes_;
    std::optional<DesktopThumbnailer> desktop_;
};

ThumbnailService::ThumbnailService(Options options, QObject* parent) : QObject(parent)
{
    worker_ = new ThumbnailWorker(*this, std::move(options), decodes_);
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.setObjectName(QStringLiteral("thumbnails"));
    thread_.start(QThread::LowPriority);
}

ThumbnailService::~ThumbnailService()
{
    // A decode under way ends at its next event; its answer is dropped with this object.
    worker_->stopping = true;
    thread_.quit();
    thread_.wait();
}

QImage ThumbnailService::thumbnail(const Path& path) const
{
    const auto found = known_.find(path);
    return found == known_.end() ? QImage() : found->second.image;
}

void ThumbnailService::request(const Path& path)
{
    const auto found = known_.find(path);
    const Int64 knownMtime = found == known_.end() ? -1 : found->second.mtime;
    ThumbnailWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker, path, knownMtime] { worker->enqueue(path, knownMtime); });
}

void ThumbnailService::setDecodeObserver(std::function<void(const Path&)> observer)
{
    ThumbnailWorker* worker = worker_;
    QMetaObject::invokeMethod(
        worker, [worker, observer = std::move(observer)] { worker->setObserver(observer); },
        Qt::BlockingQueuedConnection);
}

void ThumbnailService::accept(const Path& path, std::optional<Known> known)
{
    if (known)
        known_[path] = std::move(*known);
    else
        known_.erase(path); // the file is gone: no picture of it stays
    Q_EMIT thumbnailChanged(path);
}
