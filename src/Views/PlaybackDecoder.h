#pragma once
// The decoding side of the inline player: the media framework's player, its sound output and the
// sink its frames arrive in. It lives on a thread of its own, so that opening, stopping and
// letting go of a file (which the framework does while waiting for its decoding threads) never
// holds up the window. It says what happens through its signals; the window asks it to act
// through queued calls.

#include "Models/Basics.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QVideoFrame>
#include <QVideoSink>

#include <atomic>
#include <memory>

class PlaybackDecoder : public QObject {
    Q_OBJECT

  public:
    PlaybackDecoder();
    ~PlaybackDecoder() override;

    // On the decoder's thread: opens the file (paused at its start).
    void open(const Path& path);
    void togglePlayback();
    void pause();
    void seek(qint64 milliseconds);
    void setVolume(float volume);
    void toggleMute();
    // Stops, lets go of the file and deletes itself.
    void release();

    // Decoders that exist now, on any thread (for checks that players are let go of).
    static int alive() { return alive_.load(); }

  Q_SIGNALS:
    void stateChanged(bool playing, bool failed);
    void timesChanged(qint64 position, qint64 duration);
    void soundChanged(float volume, bool muted);
    void frameReady(const QVideoFrame& frame);

  private:
    void reportState();

    static std::atomic<int> alive_;
    // Made on the decoder's thread, so their inner objects live there too.
    std::unique_ptr<QAudioOutput> audio_;
    std::unique_ptr<QVideoSink> frames_;
    std::unique_ptr<QMediaPlayer> player_;
    bool failed_ = false;
};
