#include "InlineMediaPlayer.h"

#include "Models/Paths.h"
#include "PlaybackDecoder.h"
#include "QtText.h"

#include <QThread>

namespace {

bool isSoundOnly(const Path& path)
{
    const std::string extension = paths::lowercasedExtension(path);
    return extension == "mp3" || extension == "wav" || extension == "m4a";
}

} // namespace

InlineMediaPlayer::InlineMediaPlayer(const Path& path, QThread& decoderThread, QObject* parent)
    : QObject(parent), path_(path), hasPicture_(!isSoundOnly(path)), decoder_(new PlaybackDecoder)
{
    decoder_->moveToThread(&decoderThread);
    // Queued: they cross from the decoder's thread, and end with this object.
    connect(decoder_, &PlaybackDecoder::stateChanged, this, [this](bool playing, bool failed) {
        playing_ = playing;
        failed_ = failed;
        Q_EMIT stateChanged();
    });
    connect(decoder_, &PlaybackDecoder::timesChanged, this, [this](qint64 position, qint64 duration) {
        position_ = position;
        duration_ = std::max<qint64>(duration, 0);
        Q_EMIT timesChanged();
    });
    connect(decoder_, &PlaybackDecoder::soundChanged, this, [this](float volume, bool muted) {
        volume_ = volume;
        muted_ = muted;
        Q_EMIT soundChanged();
    });
    connect(decoder_, &PlaybackDecoder::frameReady, this, [this](const QVideoFrame& frame) {
        lastFrame_ = frame;
        if (display_)
            display_->setVideoFrame(frame);
    });
    ask([path = path_](PlaybackDecoder& decoder) { decoder.open(path); });
}

InlineMediaPlayer::~InlineMediaPlayer() { letGoOfDecoder(); }

template <typename Call> void InlineMediaPlayer::ask(Call call)
{
    if (!decoder_)
        return;
    PlaybackDecoder* decoder = decoder_;
    QMetaObject::invokeMethod(
        decoder, [decoder, call] { call(*decoder); }, Qt::QueuedConnection);
}

QString InlineMediaPlayer::fileName() const { return qt(paths::lastComponent(path_)); }

void InlineMediaPlayer::setDisplay(QVideoSink* display)
{
    if (display == display_)
        return;
    display_ = display;
    // The new output shows the current picture at once, also while paused.
    if (display_ && lastFrame_.isValid())
        display_->setVideoFrame(lastFrame_);
    Q_EMIT displayChanged();
}

void InlineMediaPlayer::togglePlayback()
{
    if (!failed_)
        ask([](PlaybackDecoder& decoder) { decoder.togglePlayback(); });
}

void InlineMediaPlayer::seek(double milliseconds)
{
    ask([to = qint64(milliseconds)](PlaybackDecoder& decoder) { decoder.seek(to); });
}

void InlineMediaPlayer::setVolume(float volume)
{
    ask([volume](PlaybackDecoder& decoder) { decoder.setVolume(volume); });
}

void InlineMediaPlayer::toggleMute()
{
    ask([](PlaybackDecoder& decoder) { decoder.toggleMute(); });
}

void InlineMediaPlayer::pause()
{
    ask([](PlaybackDecoder& decoder) { decoder.pause(); });
    // Shown as paused at once; the decoder follows on its thread.
    if (playing_) {
        playing_ = false;
        Q_EMIT stateChanged();
    }
}

void InlineMediaPlayer::retire()
{
    pause();
    letGoOfDecoder();
    deleteLater();
}

void InlineMediaPlayer::letGoOfDecoder()
{
    if (!decoder_)
        return;
    disconnect(decoder_, nullptr, this, nullptr);
    ask([](PlaybackDecoder& decoder) { decoder.release(); });
    decoder_ = nullptr;
    lastFrame_ = {};
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
