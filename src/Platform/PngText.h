#pragma once
// The text attributes of a PNG file (its tEXt, zTXt and iTXt chunks), read and written at
// the byte level, so the thumbnail cache can check and stamp thumbnails without an image
// library.

#include <QByteArray>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pngtext {

// Every text attribute by keyword (the first of repeated keywords wins); compressed ones
// are inflated. Nothing when the bytes are not a PNG.
std::optional<std::map<std::string, std::string>> read(const QByteArray& png);

// The PNG with the given attributes as tEXt chunks right after its header chunk, replacing
// text chunks of the same keywords. Values are Latin-1. Nothing when the bytes are not a PNG.
std::optional<QByteArray> withText(const QByteArray& png, const std::vector<std::pair<std::string, std::string>>& text);

} // namespace pngtext
