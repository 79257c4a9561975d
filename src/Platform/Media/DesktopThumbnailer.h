#pragma once
// The desktop's own thumbnailer (the D-Bus service org.freedesktop.thumbnails.Thumbnailer1),
// where one runs: it knows formats we cannot decode and writes into the same shared cache.
// It is only used when it is already running; we never start it.

#include "Platform/ThumbnailCache.h"

#include <QDBusConnection>
#include <QString>

#include <chrono>

class DesktopThumbnailer {
  public:
    explicit DesktopThumbnailer(QDBusConnection bus);

    bool isRunning() const;
    // Asks for the key's thumbnail of that flavour and waits, with its own event loop, until
    // the thumbnailer says it is done or `timeout` passes. True when it reports a thumbnail
    // made; the picture is then in the cache.
    bool generate(const ThumbnailKey& key, const QString& mimeType, ThumbnailFlavor flavor,
                  std::chrono::milliseconds timeout);

  private:
    QDBusConnection bus_;
};
