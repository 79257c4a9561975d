#pragma once
// The folder picker of a confined window: the desktop's file chooser portal
// (org.freedesktop.portal.FileChooser.OpenFile in directory mode), which also lets the
// sandbox reach the folder picked. The portal answers on a request object by signal, so
// the window keeps running while its dialog is open. Where there is no bus or nobody
// serves the portal, the fallback picker asks instead.

#include "Platform/DesktopSeams.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <memory>

class PortalFolderPicker : public QObject, public FolderPicker {
    Q_OBJECT
  public:
    PortalFolderPicker(QDBusConnection bus, std::shared_ptr<FolderPicker> fallback, QObject* parent = nullptr);

    // On the session bus, as the window runs.
    static std::shared_ptr<PortalFolderPicker> onSessionBus(std::shared_ptr<FolderPicker> fallback);

    void pickFolder(const FolderPickerRequest& request, Picked done) override;

    // OpenFile's options for one request: a folder, modal, the token that names the request
    // object, and the folder it opens at (bytes, NUL-terminated) when there is one.
    static QVariantMap openFileOptions(const FolderPickerRequest& request, const QString& token);
    // The request object the portal will make for this connection and token.
    static QString requestPath(const QString& uniqueName, const QString& token);

  private:
    QDBusConnection bus_;
    std::shared_ptr<FolderPicker> fallback_;
    unsigned requests_ = 0;
};
