#include "DesktopIntegration.h"

#include "Models/Paths.h"

#include <QAudioOutput>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMediaPlayer>

QUrl fileUrlOfPath(const URL& path)
{
    return QUrl::fromEncoded(QByteArray("file://") + QByteArray::fromStdString(path).toPercentEncoding("/"));
}

DesktopCleanFeedback::DesktopCleanFeedback(QObject* parent) : QObject(parent) {}
DesktopCleanFeedback::~DesktopCleanFeedback() = default;

QString DesktopCleanFeedback::themeFileFor(std::string_view name)
{
    // "Glass" marks a clean that freed something, "Funk" one that did not.
    const QString sound = name == "Glass" ? QStringLiteral("complete") : QStringLiteral("dialog-warning");
    for (const QString& candidate : {QStringLiteral("/usr/share/sounds/freedesktop/stereo/%1.oga").arg(sound),
                                     QStringLiteral("/usr/share/sounds/freedesktop/stereo/%1.ogg").arg(sound)})
        if (QFileInfo::exists(candidate))
            return candidate;
    return {};
}

void DesktopCleanFeedback::playSound(std::string_view name)
{
    const QString file = themeFileFor(name);
    if (file.isEmpty())
        return;
    if (!player_) {
        output_ = std::make_unique<QAudioOutput>();
        player_ = std::make_unique<QMediaPlayer>();
        player_->setAudioOutput(output_.get());
    }
    player_->setSource(QUrl::fromLocalFile(file));
    player_->play();
}

void DesktopWorkspaceService::revealInFinder(const URL& url)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QString::fromLatin1(fileUrlOfPath(url).toEncoded())} << QString();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
    if (reply.type() != QDBusMessage::ReplyMessage)
        QDesktopServices::openUrl(fileUrlOfPath(paths::parent(url)));
}

void DesktopWorkspaceService::openWithDefaultApp(const URL& url) { QDesktopServices::openUrl(fileUrlOfPath(url)); }
