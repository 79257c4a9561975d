#pragma once
// The inline player of one inspected media file. The window makes a new one for every media
// file it inspects (so each starts at the beginning, not playing) and pauses and releases it
// when the inspector moves on. QML shows its picture through a VideoOutput it attaches and
// drives it with the inline controls; the sound goes to the default output, and nowhere when
// the machine has none.

#include "Models/Basics.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class InlineMediaPlayer : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window makes one player per inspected media file")
    Q_PROPERTY(QMediaPlayer* player READ player CONSTANT)
    Q_PROPERTY(QAudioOutput* audio READ audio CONSTANT)
    Q_PROPERTY(QString fileName READ fileName CONSTANT)
    Q_PROPERTY(bool hasPicture READ hasPicture CONSTANT)
    Q_PROPERTY(bool playing READ playing NOTIFY playingChanged)
    Q_PROPERTY(bool failed READ failed NOTIFY failedChanged)
    Q_PROPERTY(qint64 position READ position NOTIFY timesChanged)
    Q_PROPERTY(qint64 duration READ duration NOTIFY timesChanged)
    Q_PROPERTY(QString elapsedText READ elapsedText NOTIFY timesChanged)
    Q_PROPERTY(QString totalText READ totalText NOTIFY timesChanged)

  public:
    explicit InlineMediaPlayer(const URL& path, QObject* parent = nullptr);
    ~InlineMediaPlayer() override;

    const URL& path() const { return path_; }
    QMediaPlayer* player() { return &player_; }
    QAudioOutput* audio() { return &audio_; }
    QString fileName() const;
    // Video files show a picture; sound files (mp3, wav, m4a) only the controls.
    bool hasPicture() const { return hasPicture_; }
    bool playing() const { return player_.playbackState() == QMediaPlayer::PlayingState; }
    // The file could not be decoded; the frame says so instead of showing a picture.
    bool failed() const { return failed_; }
    qint64 position() const { return player_.position(); }
    qint64 duration() const { return player_.duration(); }
    QString elapsedText() const;
    QString totalText() const;

    Q_INVOKABLE void togglePlayback();
    Q_INVOKABLE void seek(qint64 milliseconds);
    Q_INVOKABLE void toggleMute() { audio_.setMuted(!audio_.isMuted()); }
    void pause() { player_.pause(); }
    // Stops and lets go of the media: the decoder, its pipeline and the open file.
    void release();
    bool isReleased() const { return player_.source().isEmpty(); }

    // "1:05", or "1:02:05" from an hour on.
    static QString clockText(qint64 milliseconds);

  Q_SIGNALS:
    void playingChanged();
    void failedChanged();
    void timesChanged();

  private:
    void setFailed();

    URL path_;
    bool hasPicture_ = true;
    bool failed_ = false;
    QAudioOutput audio_;
    QMediaPlayer player_;
};
