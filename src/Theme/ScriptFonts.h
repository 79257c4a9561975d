#pragma once
// The font family the window's text takes in each language. Han characters have regional
// forms (the same code point is drawn differently in China, Taiwan, Japan and Korea), so
// Chinese, Japanese and Korean text is set in the Noto Sans CJK face of its own region
// rather than whichever CJK face the font fallback happens to reach first.

#include "L10n/AppLanguage.h"

#include <string_view>

// Empty for languages that the default sans-serif face (with its fallbacks) draws correctly.
std::string_view scriptFontFamily(AppLanguage language);
