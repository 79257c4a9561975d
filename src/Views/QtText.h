#pragma once
// The window's texts are UTF-8 literals and engine texts; QML takes QString. A path becomes
// text here only to be shown, never the other way round.

#include "L10n/BidiIsolation.h"
#include "Models/DiskFormat.h"

#include <QString>

#include <string_view>

inline QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
// A size as the language shows it: isolated inside right-to-left text, so "1.5 GB" stays in order.
inline QString bytesText(Int64 bytes, AppLanguage language)
{
    return qt(isolatedFigure(DiskFormat::bytes(bytes), language));
}
inline QString shortGBText(Int64 bytes, AppLanguage language)
{
    return qt(isolatedFigure(DiskFormat::shortGB(bytes), language));
}
