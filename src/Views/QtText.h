#pragma once
// The window's texts are UTF-8 literals and engine texts; QML takes QString. A path becomes
// text here only to be shown, never the other way round.

#include "Models/DiskFormat.h"

#include <QString>

#include <string_view>

inline QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline QString bytesText(Int64 bytes) { return qt(DiskFormat::bytes(bytes)); }
