#pragma once
// The window's texts are UTF-8 literals; QML takes QString. Never used for paths.

#include <QString>

#include <string_view>

inline QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
