#include "L10n/SymbolIcons.h"

#include <array>
#include <utility>

namespace {

// SF Symbols name → Material Design Icons glyph (name and code point in the font).
constexpr std::array<std::pair<std::string_view, MdiIcon>, 1> kSymbolIcons{{
    {"circle", {"circle-outline", 0xF0766}},
}};

constexpr MdiIcon kUnknownSymbol{"help-circle-outline", 0xF0625};

} // namespace

std::string MdiIcon::glyph() const
{
    std::string text;
    auto cp = static_cast<std::uint32_t>(codePoint);
    if (cp < 0x80) {
        text += static_cast<char>(cp);
    } else if (cp < 0x800) {
        text += static_cast<char>(0xC0 | (cp >> 6));
        text += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        text += static_cast<char>(0xE0 | (cp >> 12));
        text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (cp >> 18));
        text += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return text;
}

std::optional<MdiIcon> mdiIcon(std::string_view sfSymbolName)
{
    for (const auto& [name, icon] : kSymbolIcons)
        if (name == sfSymbolName)
            return icon;
    return std::nullopt;
}

std::string iconGlyph(std::string_view sfSymbolName) { return mdiIcon(sfSymbolName).value_or(kUnknownSymbol).glyph(); }

std::vector<std::string_view> mappedSymbolNames()
{
    std::vector<std::string_view> names;
    for (const auto& entry : kSymbolIcons)
        names.push_back(entry.first);
    return names;
}
