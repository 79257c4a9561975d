#include "InlineMediaPlayer.h"

#include "DesktopIntegration.h"
#include "Models/Paths.h"
#include "QtText.h"

namespace {

bool isSoundOnly(const URL& path)
{
    const std::string extension = paths::lowercasedExtension(path);
    return extension == "mp3" || extension == "wav" || extension == "m4a";
}

} // namespace

InlineMediaPlayer::InlineMediaPlayer(const URL& path, QObject* parent)
    : QObject(parent), path_(path), hasPicture_(!isSoundOnly(path))
{
    player_.setAudioOutput(&audio_);
    connect(&player_, &QMediaPlayer::playbackStateChanged, this, &InlineMediaPlayer::playingChanged);
    connect(&player_, &QMediaPlayer::positionChanged, this, &InlineMediaPlayer::timesChanged);
    connect(&player_, &QMediaPlayer::durationChanged, this, &InlineMediaPlayer::timesChanged);
    connect(&player_, &QMediaPlayer::errorOccurred, this, &InlineMediaPlayer::setFailed);
    connect(&player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            setFailed();
    });
    player_.setSource(fileUrlOfPath(path_));
}

InlineMediaPlayer::~InlineMediaPlayer() { release(); }

QString InlineMediaPlayer::fileName() const { return qt(paths::lastComponent(path_)); }

QString InlineMediaPlayer::elapsedText() const { return clockText(player_.position()); }
QString InlineMediaPlayer::totalText() const { return clockText(player_.duration()); }

void InlineMediaPlayer::togglePlayback()
{
    if (failed_)
        return;
    if (playing())
        player_.pause();
    else
        player_.play();
}

void InlineMediaPlayer::seek(qint64 milliseconds)
{
    player_.setPosition(std::clamp<qint64>(milliseconds, 0, std::max<qint64>(player_.duration(), 0)));
}

void InlineMediaPlayer::release()
{
    player_.stop();
    player_.setSource(QUrl());
}

void InlineMediaPlayer::setFailed()
{
    if (failed_ || isReleased())
        return;
    failed_ = true;
    Q_EMIT failedChanged();
}

QString InlineMediaPlayer::clockText(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(milliseconds, 0) / 1000;
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    const QString tail = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QLatin1Char('0')).arg(tail);
    return QStringLiteral("%1:%2").arg(minutes).arg(tail);
}
