#include "Platform/Media/ImageThumbnail.h"

#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace imagethumbnail {

namespace {

// libjpeg scales by 1/1, 1/2, 1/4 or 1/8 while it decodes; Qt asks for the smallest that is
// still at least the wanted size.
qint64 decodedPixels(const QByteArray& format, QSize full, QSize target)
{
    if (format == "svg" || format == "svgz")
        return qint64(target.width()) * target.height();
    int denominator = 1;
    if (format == "jpeg" || format == "jpg")
        while (denominator < 8 && full.width() / (denominator * 2) >= target.width() &&
               full.height() / (denominator * 2) >= target.height())
            denominator *= 2;
    return qint64((full.width() + denominator - 1) / denominator) * ((full.height() + denominator - 1) / denominator);
}

} // namespace

std::optional<QImage> decode(const Path& path, int edge)
{
    // O_NONBLOCK: a pipe put in place of the file is refused below instead of waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid() || full.isEmpty())
        return std::nullopt;
    QSize target = full;
    if (full.width() > edge || full.height() > edge)
        target = full.scaled(edge, edge, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (decodedPixels(reader.format(), full, target) > kFullSizeBudgetPixels)
        return std::nullopt;
    reader.setScaledSize(target);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

} // namespace imagethumbnail
