#include "L10n/BidiIsolation.h"

namespace {
constexpr std::string_view kLeftToRightIsolate = "\u2066";
constexpr std::string_view kPopDirectionalIsolate = "\u2069";
} // namespace

std::string isolatedFigure(std::string_view figure, AppLanguage language)
{
    if (!isRightToLeft(language))
        return std::string(figure);
    std::string text;
    text.reserve(figure.size() + kLeftToRightIsolate.size() + kPopDirectionalIsolate.size());
    text.append(kLeftToRightIsolate).append(figure).append(kPopDirectionalIsolate);
    return text;
}
