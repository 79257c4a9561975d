#pragma once
// Media files made at test time: images written by Qt, videos made by GStreamer's
// command-line tool (gst-launch-1.0, which the bootstrap installs). Nothing is downloaded.

#include <QColor>
#include <QImage>
#include <QSize>

#include <string>

namespace testmedia {

// An image in the format its extension names (png, jpg); false when it could not be written.
bool writeImage(const std::string& path, const QImage& image);
// An image of one colour.
bool writeImage(const std::string& path, QSize size, QColor colour);
// A text attribute of a PNG file and the size of an image file, as Qt's own readers see them.
QString pngText(const std::string& path, const char* key);
QSize imageSize(const std::string& path);
// An image of one colour with a thumbnail's stamps, written by Qt's own PNG writer.
bool writeStampedPng(const std::string& path, QSize size, QColor colour, const std::string& uri, long long mtime);

bool canMakeVideos();
// A short video (jpeg in QuickTime for .mov/.MOV, VP8 in Matroska for .mkv): `lead` for its
// first fifth of a second, then `body` for the rest of its `seconds`.
bool writeVideo(const std::string& path, const char* lead, const char* body, int seconds = 5);

// The colour at the middle of an image.
QColor middleColour(const QImage& image);
// Whether two colours are alike within what lossy coding changes.
bool alike(QColor a, QColor b, int tolerance = 40);

} // namespace testmedia
