#include "Platform/Media/VideoFrameGrab.h"

#include "Platform/FileUri.h"

#include <QEventLoop>
#include <QMediaPlayer>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>

#include <sys/stat.h>

namespace videoframe {

namespace {

constexpr qint64 kLatestFrameMs = 10'000;
// A video shorter than ten times this is pictured by its first frame.
constexpr qint64 kShortestSeekUs = 100'000;

} // namespace

std::optional<QImage> grab(const Path& path, int edge, std::chrono::milliseconds timeout)
{
    // A pipe or a link put in place of the file is not handed to the decoder.
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;

    QMediaPlayer player;
    QVideoSink sink;
    player.setVideoSink(&sink); // no audio output: nothing is heard
    QEventLoop loop;
    // Pictures are taken as the frames come: a frame's buffer goes back to the decoder after.
    QImage first;
    QImage chosen;
    qint64 wantedUs = -1;

    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, [&](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::LoadedMedia && !player.hasVideo())
            loop.quit(); // sound only: there is no picture to wait for
        else if (status == QMediaPlayer::LoadedMedia && player.playbackState() == QMediaPlayer::StoppedState) {
            // Seeking before it plays: a seek while the first frames flow can break the stream.
            wantedUs = std::min(player.duration() / 10, kLatestFrameMs) * 1000;
            if (wantedUs >= kShortestSeekUs)
                player.setPosition(wantedUs / 1000);
            player.play(); // frames flow only while it plays
        } else if (status == QMediaPlayer::InvalidMedia || status == QMediaPlayer::EndOfMedia)
            loop.quit();
    });
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, [&] { loop.quit(); });
    QObject::connect(&sink, &QVideoSink::videoFrameChanged, &loop, [&](const QVideoFrame& frame) {
        if (!frame.isValid())
            return;
        // A frame decoded before the seek took effect may come first; a seek to a key frame may
        // land a little before the point asked for.
        if (wantedUs < kShortestSeekUs || frame.startTime() >= wantedUs / 2) {
            chosen = frame.toImage();
            loop.quit();
        } else if (first.isNull()) {
            first = frame.toImage();
        }
    });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);

    player.setSource(QUrl::fromEncoded(QByteArray::fromStdString(fileUriOfPath(path))));
    loop.exec();
    player.stop();

    // A video that would not seek still has its first frame.
    QImage image = chosen.isNull() ? first : chosen;
    if (image.isNull())
        return std::nullopt;
    if (image.width() > edge || image.height() > edge)
        image = image.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace videoframe
