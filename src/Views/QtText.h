#pragma once
// The window shows engine texts (UTF-8) and byte counts as QStrings. Paths are turned into
// text here only to be shown, never back.

#include "Models/DiskFormat.h"

#include <QString>

#include <string_view>

inline QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline QString bytesText(Int64 bytes) { return qt(DiskFormat::bytes(bytes)); }
