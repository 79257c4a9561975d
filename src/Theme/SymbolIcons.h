#pragma once
// The window draws SF Symbols names with the Material Design Icons font, which the window
// program embeds at build time (resource path below). Each symbol name maps to one MDI glyph.
//
// In QML: FontLoader { id: mdi; source: "qrc:/fonts/materialdesignicons-webfont.ttf" } and
// Text { font.family: mdi.name; text: <iconGlyph(name) as a QString> }. The font has no
// ligatures: a glyph is one private-use code point (U+F001…U+F673), handed over as UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kMdiFontResource = ":/fonts/materialdesignicons-webfont.ttf";
inline constexpr std::string_view kMdiFontFamily = "Material Design Icons";

struct MdiIcon {
    std::string_view mdiName; // e.g. "lock"
    char32_t codePoint = 0;   // e.g. U+F33E

    std::string glyph() const; // the code point as UTF-8
};

std::optional<MdiIcon> mdiIcon(std::string_view sfSymbolName);
// The glyph to draw for a symbol name; a generic glyph when the name is unknown.
std::string iconGlyph(std::string_view sfSymbolName);

// Every mapped symbol name, in table order.
std::vector<std::string_view> mappedSymbolNames();
