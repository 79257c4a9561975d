#include "PortalFolderPicker.h"

#include "Platform/FileUri.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QWindow>

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kFileChooser = QStringLiteral("org.freedesktop.portal.FileChooser");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// Errors that mean nobody serves the file chooser here (as opposed to one that failed).
bool meansNoPortal(const QString& errorName)
{
    static const QStringList kNoPortal = {
        QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
        QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
        QStringLiteral("org.freedesktop.DBus.Error.Disconnected"),
    };
    return kNoPortal.contains(errorName);
}

// The portal's dialog sits over our window where the display lets us name it (X11 only;
// Wayland would need an exported handle).
QString parentWindowHandle()
{
    const QWindow* window = QGuiApplication::focusWindow();
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    return QStringLiteral("x11:") + QString::number(window->winId(), 16);
}

} // namespace

// One OpenFile call: hears its Response once, then goes. Also answers (cancelled) when the
// portal leaves the bus while its dialog is open, so the window is never left waiting.
class PortalFolderRequest : public QObject {
    Q_OBJECT
  public:
    PortalFolderRequest(QDBusConnection bus, QString path, FolderPicker::Picked done, QObject* parent)
        : QObject(parent), bus_(std::move(bus)), done_(std::move(done)),
          portalGone_(kPortalService, bus_, QDBusServiceWatcher::WatchForUnregistration)
    {
        listenAt(std::move(path));
        connect(&portalGone_, &QDBusServiceWatcher::serviceUnregistered, this, [this] { finish(std::nullopt); });
    }

    // Old portals name the request object otherwise than predicted; follow the one they gave.
    void listenAt(QString path)
    {
        if (path == path_)
            return;
        stopListening();
        path_ = std::move(path);
        bus_.connect(QString(), path_, kRequest, QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
    }

    void finish(std::optional<Path> picked)
    {
        if (!done_)
            return;
        stopListening();
        const FolderPicker::Picked done = std::exchange(done_, {});
        deleteLater();
        done(std::move(picked));
    }

    // Hands the request to another picker without answering it here.
    FolderPicker::Picked takeOver()
    {
        stopListening();
        deleteLater();
        return std::exchange(done_, {});
    }

  private Q_SLOTS:
    // 0: picked; 1: cancelled; 2: the dialog ended otherwise.
    void onResponse(uint response, const QVariantMap& results)
    {
        if (response != 0) {
            finish(std::nullopt);
            return;
        }
        const QStringList uris = results.value(QStringLiteral("uris")).toStringList();
        // Escaped bytes come back exactly; a name some backend sent unescaped is taken as UTF-8.
        finish(uris.isEmpty() ? std::nullopt : pathOfFileUri(uris.front().toUtf8().toStdString()));
    }

  private:
    void stopListening()
    {
        if (!path_.isEmpty())
            bus_.disconnect(QString(), path_, kRequest, QStringLiteral("Response"), this,
                            SLOT(onResponse(uint, QVariantMap)));
    }

    QDBusConnection bus_;
    QString path_;
    FolderPicker::Picked done_;
    QDBusServiceWatcher portalGone_;
};

PortalFolderPicker::PortalFolderPicker(QDBusConnection bus, std::shared_ptr<FolderPicker> fallback, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), fallback_(std::move(fallback))
{
}

std::shared_ptr<PortalFolderPicker> PortalFolderPicker::onSessionBus(std::shared_ptr<FolderPicker> fallback)
{
    return std::make_shared<PortalFolderPicker>(QDBusConnection::sessionBus(), std::move(fallback));
}

QVariantMap PortalFolderPicker::openFileOptions(const FolderPickerRequest& request, const QString& token)
{
    QVariantMap options{
        {QStringLiteral("handle_token"), token},
        {QStringLiteral("directory"), true},
        {QStringLiteral("modal"), true},
        {QStringLiteral("multiple"), false},
    };
    if (!request.prompt.isEmpty())
        options.insert(QStringLiteral("accept_label"), request.prompt);
    if (!request.initialFolder.empty()) {
        // The path's own bytes, as the portal reads them: a C string.
        QByteArray folder = QByteArray::fromStdString(request.initialFolder);
        folder.append('\0');
        options.insert(QStringLiteral("current_folder"), folder);
    }
    return options;
}

QString PortalFolderPicker::requestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

void PortalFolderPicker::pickFolder(const FolderPickerRequest& request, Picked done)
{
    if (!bus_.isConnected()) {
        if (fallback_)
            fallback_->pickFolder(request, std::move(done));
        else
            done(std::nullopt);
        return;
    }
    const QString token =
        QStringLiteral("quillmere_%1_%2").arg(++requests_).arg(QRandomGenerator::global()->generate());
    // Listening starts before the call, so a Response sent right after the reply is heard.
    auto* pending = new PortalFolderRequest(bus_, requestPath(bus_.baseService(), token), std::move(done), this);

    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortalService, kPortalPath, kFileChooser, QStringLiteral("OpenFile"));
    call.setArguments({parentWindowHandle(), request.prompt, openFileOptions(request, token)});
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), pending);
    connect(watcher, &QDBusPendingCallWatcher::finished, pending,
            [this, pending, watcher, request](QDBusPendingCallWatcher*) {
                watcher->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
                if (!reply.isError()) {
                    pending->listenAt(reply.value().path());
                    return;
                }
                if (meansNoPortal(reply.error().name()) && fallback_) {
                    fallback_->pickFolder(request, pending->takeOver());
                    return;
                }
                pending->finish(std::nullopt);
            });
}

#include "PortalFolderPicker.moc"
