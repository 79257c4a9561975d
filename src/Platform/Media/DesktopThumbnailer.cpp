#include "Platform/Media/DesktopThumbnailer.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QEventLoop>
#include <QTimer>

namespace {

const QString kService = QStringLiteral("org.freedesktop.thumbnails.Thumbnailer1");
const QString kPath = QStringLiteral("/org/freedesktop/thumbnails/Thumbnailer1");
const QString kInterface = kService;

QString flavorName(ThumbnailFlavor flavor)
{
    switch (flavor) {
    case ThumbnailFlavor::normal:
        return QStringLiteral("normal");
    case ThumbnailFlavor::large:
        return QStringLiteral("large");
    case ThumbnailFlavor::xLarge:
        return QStringLiteral("x-large");
    case ThumbnailFlavor::xxLarge:
        return QStringLiteral("xx-large");
    }
    return QStringLiteral("normal");
}

} // namespace

// Receives the thumbnailer's signals for one request (D-Bus signals need a slot to land in).
class ThumbnailerReplies : public QObject {
    Q_OBJECT
  public:
    ThumbnailerReplies(QEventLoop& loop, QString uri) : loop_(loop), uri_(std::move(uri)) {}
    quint32 handle = 0;
    bool made = false;

  public Q_SLOTS:
    void ready(quint32 forHandle, const QStringList& uris)
    {
        if (forHandle == handle && uris.contains(uri_))
            made = true;
    }
    void error(quint32 forHandle, const QStringList& uris, int, const QString&)
    {
        if (forHandle == handle && uris.contains(uri_))
            loop_.quit();
    }
    void finished(quint32 forHandle)
    {
        if (forHandle == handle)
            loop_.quit();
    }

  private:
    QEventLoop& loop_;
    QString uri_;
};

DesktopThumbnailer::DesktopThumbnailer(QDBusConnection bus) : bus_(std::move(bus)) {}

bool DesktopThumbnailer::isRunning() const
{
    if (!bus_.isConnected() || !bus_.interface())
        return false;
    const QDBusReply<bool> registered = bus_.interface()->isServiceRegistered(kService);
    return registered.isValid() && registered.value();
}

bool DesktopThumbnailer::generate(const ThumbnailKey& key, const QString& mimeType, ThumbnailFlavor flavor,
                                  std::chrono::milliseconds timeout)
{
    const QString uri = QString::fromLatin1(key.uri); // the URI is ASCII: every other byte is escaped
    QEventLoop loop;
    ThumbnailerReplies replies(loop, uri);
    // Listen before asking, so a quick answer is not missed.
    bus_.connect(kService, kPath, kInterface, QStringLiteral("Ready"), &replies, SLOT(ready(quint32, QStringList)));
    bus_.connect(kService, kPath, kInterface, QStringLiteral("Error"), &replies,
                 SLOT(error(quint32, QStringList, int, QString)));
    bus_.connect(kService, kPath, kInterface, QStringLiteral("Finished"), &replies, SLOT(finished(quint32)));

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Queue"));
    call << QStringList{uri} << QStringList{mimeType} << flavorName(flavor) << QStringLiteral("foreground")
         << quint32(0);
    const QDBusReply<quint32> queued = bus_.call(call, QDBus::Block, int(timeout.count()));
    if (queued.isValid()) {
        replies.handle = queued.value();
        QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
        loop.exec();
    }
    bus_.disconnect(kService, kPath, kInterface, QStringLiteral("Ready"), &replies, SLOT(ready(quint32, QStringList)));
    bus_.disconnect(kService, kPath, kInterface, QStringLiteral("Error"), &replies,
                    SLOT(error(quint32, QStringList, int, QString)));
    bus_.disconnect(kService, kPath, kInterface, QStringLiteral("Finished"), &replies, SLOT(finished(quint32)));
    return replies.made;
}

#include "DesktopThumbnailer.moc"
