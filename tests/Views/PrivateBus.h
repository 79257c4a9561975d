#pragma once
// A message bus of the test's own (a dbus-daemon with no services to start), so a test can play
// a desktop service without touching the session's bus or starting anything of the desktop.

#include <QDBusConnection>
#include <QProcess>
#include <QString>

#include <memory>

class TempHome;

class PrivateBus {
  public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // False when dbus-daemon is missing or did not start.
    bool isRunning() const { return !address_.isEmpty(); }
    QString address() const { return address_; }
    // A new connection to the bus, by a name unique in the process.
    QDBusConnection connect(const QString& name);

  private:
    std::unique_ptr<TempHome> folder_;
    QProcess daemon_;
    QString address_;
    QStringList connections_;
};
