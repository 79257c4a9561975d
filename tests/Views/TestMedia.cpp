#include "Views/TestMedia.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>

#include <cstdlib>
#include <functional>

#include <fcntl.h>
#include <unistd.h>

namespace testmedia {

namespace {

QString gstLaunch() { return QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0")); }

// The test's own paths are written through a descriptor: paths stay bytes.
bool writeWith(const std::string& path, const std::function<bool(QIODevice&)>& write)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return write(file);
}

QByteArray formatOf(const std::string& path)
{
    const auto dot = path.rfind('.');
    return QByteArray::fromStdString(dot == std::string::npos ? "png" : path.substr(dot + 1)).toLower();
}

bool runGst(const QStringList& pipeline)
{
    QProcess gst;
    gst.start(gstLaunch(), QStringList{QStringLiteral("-q")} + pipeline);
    return gst.waitForFinished(60000) && gst.exitStatus() == QProcess::NormalExit && gst.exitCode() == 0;
}

} // namespace

bool writeImage(const std::string& path, const QImage& image)
{
    return writeWith(path, [&](QIODevice& device) { return QImageWriter(&device, formatOf(path)).write(image); });
}

bool writeImage(const std::string& path, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return writeImage(path, image);
}

namespace {
template <typename Read> auto readWith(const std::string& path, Read read)
{
    QFile file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        ::close(fd);
    QImageReader reader(&file);
    return read(reader);
}
} // namespace

QString pngText(const std::string& path, const char* key)
{
    // From the image, not QImageReader::text(), which splits keys at their first colon.
    return readWith(path, [&](QImageReader& reader) { return reader.read().text(QString::fromLatin1(key)); });
}

QSize imageSize(const std::string& path)
{
    return readWith(path, [](QImageReader& reader) { return reader.size(); });
}

bool writeStampedPng(const std::string& path, QSize size, QColor colour, const std::string& uri, long long mtime)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.setText(QStringLiteral("Thumb::URI"), QString::fromStdString(uri));
    image.setText(QStringLiteral("Thumb::MTime"), QString::number(mtime));
    return writeWith(path, [&](QIODevice& device) { return QImageWriter(&device, "png").write(image); });
}

bool canMakeVideos() { return !gstLaunch().isEmpty(); }

bool writeVideo(const std::string& path, const char* lead, const char* body, int seconds)
{
    const QString location = QStringLiteral("location=") + QFile::decodeName(path.c_str());
    const QString caps = QStringLiteral("video/x-raw,width=160,height=120,framerate=10/1");
    const bool matroska = formatOf(path) == "mkv";
    QStringList pipeline{QStringLiteral("concat"), QStringLiteral("name=c"), QStringLiteral("!")};
    if (matroska)
        pipeline << QStringLiteral("vp8enc") << QStringLiteral("deadline=1") << QStringLiteral("!")
                 << QStringLiteral("matroskamux");
    else
        pipeline << QStringLiteral("jpegenc") << QStringLiteral("!") << QStringLiteral("qtmux");
    pipeline << QStringLiteral("!") << QStringLiteral("filesink") << location;
    const auto source = [&](const char* pattern, int frames) {
        pipeline << QStringLiteral("videotestsrc") << QStringLiteral("pattern=") + QLatin1String(pattern)
                 << QStringLiteral("num-buffers=") + QString::number(frames) << QStringLiteral("!") << caps
                 << QStringLiteral("!") << QStringLiteral("c.");
    };
    source(lead, 2);
    source(body, seconds * 10 - 2);
    return runGst(pipeline);
}

QColor middleColour(const QImage& image) { return image.pixelColor(image.width() / 2, image.height() / 2); }

bool alike(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace testmedia
