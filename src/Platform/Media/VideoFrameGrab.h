#pragma once
// One picture of a video: a frame a little way in (a tenth of its length, at most ten
// seconds), where the title cards and the black of a fade-in are usually over. Decoded by the
// media framework with no window and no sound.

#include "Models/Basics.h"

#include <QImage>

#include <chrono>
#include <optional>

namespace videoframe {

// The frame scaled so that its longer edge is at most `edge`. Runs its own event loop until a
// frame comes or `timeout` passes; call it on a worker thread. Nothing for a file that cannot be
// decoded, a file that is not a regular one, or when the thread is asked to quit.
std::optional<QImage> grab(const Path& path, int edge, std::chrono::milliseconds timeout);

} // namespace videoframe
