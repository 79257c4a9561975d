#include "DesktopIntegration.h"

#include "Models/Paths.h"
#include "Platform/FileUri.h"

#include <QAudioOutput>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMediaPlayer>

namespace {
// A file manager started on demand may take a while to show its window.
constexpr int kFileManagerTimeoutMs = 10000;
} // namespace

QUrl fileUrlOfPath(const Path& path) { return QUrl::fromEncoded(QByteArray::fromStdString(fileUriOfPath(path))); }

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

void DesktopWorkspaceService::revealInFileManager(const Path& url)
{
    const QUrl folder = fileUrlOfPath(paths::parent(url));
    if (!bus_.isConnected()) {
        QDesktopServices::openUrl(folder);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QString::fromLatin1(fileUrlOfPath(url).toEncoded())} << QString();
    // Not waited for: a file manager that takes its time to start must not hold up the window.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kFileManagerTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [folder](QDBusPendingCallWatcher* done) {
        if (done->isError())
            QDesktopServices::openUrl(folder);
        done->deleteLater();
    });
}

void DesktopWorkspaceService::openWithDefaultApp(const Path& url) { QDesktopServices::openUrl(fileUrlOfPath(url)); }
