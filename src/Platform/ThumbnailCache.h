#pragma once
// The desktop's shared thumbnail cache (the freedesktop Thumbnail Managing Standard):
// <cache>/thumbnails/{normal,large,x-large,xx-large}/<md5 of the file's URI>.png, each PNG
// stamped with the URI and the modification time of the file it shows. A thumbnail counts
// only while both still match the file, so a changed file never shows its old picture.
// Files we could not make a thumbnail of are remembered under fail/<program-version>/, so
// they are not tried again until they change. This part needs no image library: pixels are
// made and read by the caller; here are the names, the stamps and the atomic writes.

#include "Models/Basics.h"

#include <QByteArray>

#include <optional>
#include <string>
#include <string_view>

enum class ThumbnailFlavor { normal, large, xLarge, xxLarge };

// Longest edge of a flavour's pictures: 128, 256, 512, 1024.
int edgeOf(ThumbnailFlavor flavor);

// What a cached thumbnail must match: the file's URI and its modification time in whole
// seconds (and its size, where the thumbnail records one).
struct ThumbnailKey {
    std::string uri;
    Int64 mtime = 0;
    Int64 size = 0;

    // <md5 of uri>.png
    std::string fileName() const;
    bool operator==(const ThumbnailKey&) const = default;
};

class ThumbnailCache {
  public:
    // `root` is the thumbnails folder itself; `failureFolder` names this program and its
    // version ("quillmere-0.1.0").
    ThumbnailCache(std::string root, std::string failureFolder);

    // $XDG_CACHE_HOME/thumbnails, else ~/.cache/thumbnails.
    static std::string defaultRoot();
    // The key of a regular file; nothing for a link, a folder, a pipe or a missing path.
    static std::optional<ThumbnailKey> keyOf(const Path& path);

    struct Hit {
        ThumbnailFlavor flavor;
        QByteArray png;
    };
    // A thumbnail of the key's file as it is now: the wanted size first, then larger ones,
    // then smaller ones.
    std::optional<Hit> find(const ThumbnailKey& key, ThumbnailFlavor wanted) const;
    // Whether this program already failed on the key's file as it is now.
    bool hasFailed(const ThumbnailKey& key) const;

    // Stamps `png` for the key and puts it in place under a temporary name first, readable
    // by its owner only. False when it could not be written.
    bool store(const ThumbnailKey& key, ThumbnailFlavor flavor, const QByteArray& png) const;
    bool recordFailure(const ThumbnailKey& key) const;

    std::string pathOf(ThumbnailFlavor flavor, const ThumbnailKey& key) const;
    std::string failurePathOf(const ThumbnailKey& key) const;

  private:
    bool writeStamped(const std::string& folder, const ThumbnailKey& key, const QByteArray& png) const;

    std::string root_;
    std::string failureFolder_;
};
