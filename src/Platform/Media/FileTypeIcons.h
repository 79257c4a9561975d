#pragma once
// The icon of a file's type from the desktop's icon theme, found through its MIME type's
// icon names (its own, then its generic one; symbolic ones before full-colour ones). Matched by name only, so looking
// an icon up reads nothing from the disk but the theme. GUI thread only.

#include "Models/Basics.h"

#include <QColor>
#include <QHash>
#include <QImage>

class FileTypeIcons {
  public:
    FileTypeIcons();

    // The type's icon at `edge` pixels; a generic document when the theme has nothing better.
    // Symbolic (one-colour) icons are drawn in `ink`, so they read on either background.
    QImage iconFor(const Path& path, int edge, const QColor& ink);

  private:
    QHash<QString, QImage> rendered_; // by MIME type, size and ink
};
