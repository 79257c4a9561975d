#pragma once
// What the engine asks of the desktop: the end-of-clean sounds, revealing a file in the
// file manager and opening it with its default application.

#include "Platform/DesktopSeams.h"

#include <QDBusConnection>
#include <QObject>
#include <QUrl>

#include <memory>

class QMediaPlayer;
class QAudioOutput;

// file:// URL of raw path bytes; bytes that are not valid UTF-8 survive percent-encoded.
QUrl fileUrlOfPath(const Path& path);

// Named sounds mapped onto the freedesktop sound theme; silent where it is not installed.
class DesktopCleanFeedback : public QObject, public CleanFeedback {
  public:
    explicit DesktopCleanFeedback(QObject* parent = nullptr);
    ~DesktopCleanFeedback() override;
    void playSound(std::string_view name) override;
    void performLevelChangeHaptic() override {} // desktops have no haptic engine

    // The theme file a named sound plays, or "" when none is installed.
    static QString themeFileFor(std::string_view name);

  private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

// Reveal through the file manager's D-Bus interface, else open the containing folder.
class DesktopWorkspaceService : public WorkspaceService {
  public:
    // `bus` is where the file manager is looked for.
    explicit DesktopWorkspaceService(QDBusConnection bus = QDBusConnection::sessionBus()) : bus_(std::move(bus)) {}
    // Returns at once; the containing folder opens once the file manager has said no.
    void revealInFileManager(const Path& url) override;
    void openWithDefaultApp(const Path& url) override;

  private:
    QDBusConnection bus_;
};
