#pragma once
// The inline player of one inspected media file, as the window sees it. The window makes a new
// one for every media file it inspects (so each starts at the beginning, not playing) and
// retires it when the inspector moves on: paused at once, its decoder let go of on the decoder's
// own thread. Frames are handed on to whichever VideoOutput shows them (inline or full screen),
// so an output that comes and goes never reconfigures the decoder. The sound goes to the default
// output, and nowhere when the machine has none.

#include "Models/Basics.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVideoFrame>
#include <QVideoSink>
#include <QtQml/qqmlregistration.h>

class PlaybackDecoder;
class QThread;

class InlineMediaPlayer : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window makes one player per inspected media file")
    Q_PROPERTY(QString fileName READ fileName CONSTANT)
    Q_PROPERTY(bool hasPicture READ hasPicture CONSTANT)
    // The sink of the VideoOutput that shows the picture now.
    Q_PROPERTY(QVideoSink* display READ display WRITE setDisplay NOTIFY displayChanged)
    Q_PROPERTY(bool playing READ playing NOTIFY stateChanged)
    Q_PROPERTY(bool failed READ failed NOTIFY stateChanged)
    // Milliseconds (as doubles, which QML reads as numbers).
    Q_PROPERTY(double position READ positionMs NOTIFY timesChanged)
    Q_PROPERTY(double duration READ durationMs NOTIFY timesChanged)
    Q_PROPERTY(QString elapsedText READ elapsedText NOTIFY timesChanged)
    Q_PROPERTY(QString totalText READ totalText NOTIFY timesChanged)
    Q_PROPERTY(float volume READ volume WRITE setVolume NOTIFY soundChanged)
    Q_PROPERTY(bool muted READ muted NOTIFY soundChanged)

  public:
    // Opens `path` on `decoderThread`, which must run until the player is retired.
    InlineMediaPlayer(const Path& path, QThread& decoderThread, QObject* parent = nullptr);
    ~InlineMediaPlayer() override;

    const Path& path() const { return path_; }
    QString fileName() const;
    // Video files show a picture; sound files (mp3, wav, m4a) only the controls.
    bool hasPicture() const { return hasPicture_; }
    QVideoSink* display() const { return display_; }
    void setDisplay(QVideoSink* display);
    bool playing() const { return playing_; }
    // The file could not be decoded; the frame says so instead of showing a picture.
    bool failed() const { return failed_; }
    qint64 position() const { return position_; }
    qint64 duration() const { return duration_; }
    double positionMs() const { return double(position_); }
    double durationMs() const { return double(duration_); }
    QString elapsedText() const { return clockText(position_); }
    QString totalText() const { return clockText(duration_); }
    float volume() const { return volume_; }
    void setVolume(float volume);
    bool muted() const { return muted_; }

    Q_INVOKABLE void togglePlayback();
    Q_INVOKABLE void seek(double milliseconds);
    Q_INVOKABLE void toggleMute();
    void pause();
    // Pauses now and hands the decoder back to its thread to be let go of; deletes itself later.
    void retire();

    // "1:05", or "1:02:05" from an hour on.
    static QString clockText(qint64 milliseconds);

  Q_SIGNALS:
    void displayChanged();
    void stateChanged();
    void timesChanged();
    void soundChanged();

  private:
    template <typename Call> void ask(Call call);
    void letGoOfDecoder();

    Path path_;
    bool hasPicture_ = true;
    PlaybackDecoder* decoder_ = nullptr; // on its thread; gone once let go of
    QPointer<QVideoSink> display_;
    QVideoFrame lastFrame_;
    bool playing_ = false;
    bool failed_ = false;
    qint64 position_ = 0;
    qint64 duration_ = 0;
    float volume_ = 1;
    bool muted_ = false;
};
