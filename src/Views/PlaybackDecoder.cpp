#include "PlaybackDecoder.h"

#include "Platform/FileUri.h"

std::atomic<int> PlaybackDecoder::alive_{0};

PlaybackDecoder::PlaybackDecoder() { ++alive_; }

PlaybackDecoder::~PlaybackDecoder()
{
    // The player goes before the outputs it uses.
    player_.reset();
    --alive_;
}

void PlaybackDecoder::open(const Path& path)
{
    audio_ = std::make_unique<QAudioOutput>();
    frames_ = std::make_unique<QVideoSink>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(audio_.get());
    player_->setVideoSink(frames_.get());
    connect(frames_.get(), &QVideoSink::videoFrameChanged, this, &PlaybackDecoder::frameReady);
    connect(player_.get(), &QMediaPlayer::playbackStateChanged, this, &PlaybackDecoder::reportState);
    auto reportTimes = [this] { Q_EMIT timesChanged(player_->position(), player_->duration()); };
    connect(player_.get(), &QMediaPlayer::positionChanged, this, reportTimes);
    connect(player_.get(), &QMediaPlayer::durationChanged, this, reportTimes);
    auto fail = [this] {
        failed_ = true;
        reportState();
    };
    connect(player_.get(), &QMediaPlayer::errorOccurred, this, fail);
    connect(player_.get(), &QMediaPlayer::mediaStatusChanged, this, [fail](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            fail();
    });
    auto reportSound = [this] { Q_EMIT soundChanged(audio_->volume(), audio_->isMuted()); };
    connect(audio_.get(), &QAudioOutput::volumeChanged, this, reportSound);
    connect(audio_.get(), &QAudioOutput::mutedChanged, this, reportSound);
    player_->setSource(QUrl::fromEncoded(QByteArray::fromStdString(fileUriOfPath(path))));
}

void PlaybackDecoder::togglePlayback()
{
    if (!player_ || failed_)
        return;
    if (player_->playbackState() == QMediaPlayer::PlayingState)
        player_->pause();
    else
        player_->play();
}

void PlaybackDecoder::pause()
{
    if (player_)
        player_->pause();
}

void PlaybackDecoder::seek(qint64 milliseconds)
{
    if (player_)
        player_->setPosition(std::clamp<qint64>(milliseconds, 0, std::max<qint64>(player_->duration(), 0)));
}

void PlaybackDecoder::setVolume(float volume)
{
    if (audio_)
        audio_->setVolume(volume);
}

void PlaybackDecoder::toggleMute()
{
    if (audio_)
        audio_->setMuted(!audio_->isMuted());
}

void PlaybackDecoder::release()
{
    if (player_) {
        disconnect(player_.get(), nullptr, this, nullptr);
        player_->stop();
        player_->setSource(QUrl());
    }
    delete this;
}

void PlaybackDecoder::reportState()
{
    Q_EMIT stateChanged(player_ && player_->playbackState() == QMediaPlayer::PlayingState, failed_);
}
