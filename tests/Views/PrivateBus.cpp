#include "Views/PrivateBus.h"

#include "support/TempHome.h"

#include <QStandardPaths>

PrivateBus::PrivateBus() : folder_(std::make_unique<TempHome>())
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        return;
    // Listens in the test's folder; no <servicedir>, so no service is ever started on demand.
    const std::string config = folder_->fileWithContent(
        "bus.conf", "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                    " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                    "<busconfig><type>session</type><listen>unix:dir=" +
                        folder_->path() +
                        "</listen><auth>EXTERNAL</auth>"
                        "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                        "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
    daemon_.start(daemon, {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                           QStringLiteral("--config-file=") + QString::fromStdString(config)});
    if (!daemon_.waitForStarted(5000))
        return;
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
    }
    address_ = QString::fromLatin1(daemon_.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    for (const QString& name : connections_)
        QDBusConnection::disconnectFromBus(name);
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.terminate();
        daemon_.waitForFinished(5000);
    }
}

QDBusConnection PrivateBus::connect(const QString& name)
{
    connections_.append(name);
    return QDBusConnection::connectToBus(address_, name);
}
