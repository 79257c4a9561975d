#pragma once
// The inline player of the inspected media file: a new one (paused at its start) for every
// file shown, none for anything else. Players decode on a thread of their own, started with
// the first one and ended, after what the last player posted there is done, with this.

#include "InlineMediaPlayer.h"
#include "Models/Basics.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <memory>
#include <optional>

class InspectedMedia : public QObject {
    Q_OBJECT

  public:
    explicit InspectedMedia(QObject* parent = nullptr);
    ~InspectedMedia() override;

    InlineMediaPlayer* player() const { return player_; }
    // Plays `media` from now on: a regular file that is not already playing gets a new player;
    // none, or anything else, gets none.
    void show(std::optional<Path> media);

  Q_SIGNALS:
    // After every show(), even when the same player stays.
    void playerChanged();

  private:
    QThread& decoderThread();

    QPointer<InlineMediaPlayer> player_;
    QThread decoderThread_;
    std::unique_ptr<QObject> decoderThreadAnchor_; // lives there, to wait for what was posted
};
