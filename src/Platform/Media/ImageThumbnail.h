#pragma once
// A picture of an image file no larger than a thumbnail, decoded at a reduced size where the
// format allows it (JPEG decodes straight to a half, quarter or eighth of its size), so a
// 100-megapixel photo never occupies memory at its full size. Formats that decode only at
// full size are decoded only up to a pixel budget.

#include "Models/Basics.h"

#include <QImage>

#include <optional>

namespace imagethumbnail {

// Pixels an image may have when it has to be decoded at full size before it is scaled.
inline constexpr qint64 kFullSizeBudgetPixels = 40'000'000;

// The file's picture with its longer edge at most `edge` (never enlarged), turned upright as
// its orientation tag says. Nothing when it is no readable image, is not a regular file (links
// are not followed) or would need more than the budget at full size.
std::optional<QImage> decode(const Path& path, int edge);

} // namespace imagethumbnail
