#include "InspectedMedia.h"

#include <sys/stat.h>

namespace {

// Only a regular file is handed to the player: a link or a pipe put in its place is not.
bool isRegularFile(const Path& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

InspectedMedia::InspectedMedia(QObject* parent) : QObject(parent) {}

InspectedMedia::~InspectedMedia()
{
    if (player_)
        player_->retire();
    if (decoderThread_.isRunning()) {
        // What the player posted (letting go of its file) is done before the thread ends.
        QMetaObject::invokeMethod(
            decoderThreadAnchor_.get(), [] {}, Qt::BlockingQueuedConnection);
        decoderThread_.quit();
        decoderThread_.wait();
    }
}

QThread& InspectedMedia::decoderThread()
{
    if (!decoderThread_.isRunning()) {
        decoderThreadAnchor_ = std::make_unique<QObject>();
        decoderThreadAnchor_->moveToThread(&decoderThread_);
        decoderThread_.setObjectName(QStringLiteral("media decoder"));
        decoderThread_.start();
    }
    return decoderThread_;
}

void InspectedMedia::show(std::optional<Path> media)
{
    if (media && !isRegularFile(*media))
        media.reset();
    // A fresh copy of the same record (its selection changed, say) keeps playing.
    if (player_ && media && player_->path() == *media) {
        Q_EMIT playerChanged();
        return;
    }
    // The player of the item left behind stops at once and lets go of its file.
    if (player_)
        player_->retire();
    player_ = media ? new InlineMediaPlayer(*media, decoderThread(), this) : nullptr;
    Q_EMIT playerChanged();
}
