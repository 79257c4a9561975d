#include "Theme/SymbolIcons.h"

#include <array>
#include <utility>

namespace {

// SF Symbols name → Material Design Icons glyph (name and code point in the font).
constexpr std::array<std::pair<std::string_view, MdiIcon>, 63> kSymbolIcons{{
    {"app", {"application", 0xF614}},
    {"app.badge.checkmark", {"apps", 0xF03B}},
    {"arrow.down.right.and.arrow.up.left", {"fullscreen-exit", 0xF294}},
    {"arrow.right", {"arrow-right", 0xF054}},
    {"arrow.right.circle.fill", {"arrow-right-bold-circle", 0xF056}},
    {"arrow.triangle.2.circlepath", {"sync", 0xF4E6}},
    {"arrow.up.left.and.arrow.down.right", {"fullscreen", 0xF293}},
    {"arrow.up.right.circle.fill", {"arrow-top-right", 0xF05C}},
    {"arrow.uturn.backward.circle.fill", {"undo", 0xF54C}},
    {"bolt.horizontal.circle.fill", {"flash", 0xF241}},
    {"bolt.shield.fill", {"security", 0xF483}},
    {"bubble.left.and.text.bubble.right.fill", {"forum", 0xF28C}},
    {"checkmark", {"check", 0xF12C}},
    {"checkmark.circle.fill", {"check-circle", 0xF5E0}},
    {"checkmark.seal.fill", {"seal", 0xF47A}},
    {"checkmark.shield", {"shield-outline", 0xF499}},
    {"checkmark.shield.fill", {"verified", 0xF565}},
    {"chevron.down", {"chevron-down", 0xF140}},
    {"chevron.up.chevron.down", {"unfold-more", 0xF54F}},
    {"circle", {"checkbox-blank-circle-outline", 0xF130}},
    {"clock.badge.checkmark", {"alarm-check", 0xF021}},
    {"cpu.fill", {"chip", 0xF61A}},
    {"doc.on.doc.fill", {"content-copy", 0xF18F}},
    {"doc.viewfinder.fill", {"file-find", 0xF21E}},
    {"exclamationmark.arrow.triangle.2.circlepath", {"sync-alert", 0xF4E7}},
    {"exclamationmark.shield.fill", {"alert", 0xF026}},
    {"exclamationmark.triangle.fill", {"alert", 0xF026}},
    {"film.stack", {"filmstrip", 0xF230}},
    {"film.stack.fill", {"filmstrip", 0xF230}},
    {"folder.badge.person.crop", {"folder-account", 0xF24C}},
    {"folder.badge.questionmark", {"help-circle", 0xF2D7}},
    {"folder.fill", {"folder", 0xF24B}},
    {"globe", {"web", 0xF59F}},
    {"globe.americas.fill", {"earth", 0xF1E7}},
    {"info.circle", {"information-outline", 0xF2FD}},
    {"internaldrive.fill", {"harddisk", 0xF2CA}},
    {"lock.shield", {"lock-outline", 0xF341}},
    {"lock.shield.fill", {"lock", 0xF33E}},
    {"macwindow.badge.plus", {"desktop-mac", 0xF1C4}},
    {"minus", {"minus", 0xF374}},
    {"music.note", {"music-note", 0xF387}},
    {"pause.fill", {"pause", 0xF3E4}},
    {"play.fill", {"play", 0xF40A}},
    {"play.rectangle.fill", {"play-box-outline", 0xF40B}},
    {"play.rectangle.on.rectangle.fill", {"presentation-play", 0xF429}},
    {"safari.fill", {"compass", 0xF18B}},
    {"shippingbox.fill", {"package-variant-closed", 0xF3D7}},
    {"slider.horizontal.3", {"tune", 0xF62E}},
    {"sparkle.magnifyingglass", {"magnify", 0xF349}},
    {"sparkles", {"auto-fix", 0xF068}},
    {"speaker.slash.fill", {"volume-off", 0xF581}},
    {"speaker.wave.2.fill", {"volume-high", 0xF57E}},
    {"square.grid.2x2.fill", {"view-grid", 0xF570}},
    {"square.on.square.badge.person.crop.fill", {"account-box", 0xF006}},
    {"square.on.square.dashed", {"content-duplicate", 0xF191}},
    {"square.stack.3d.up.fill", {"layers", 0xF328}},
    {"sun.max.fill", {"white-balance-sunny", 0xF5A8}},
    {"trash.circle.fill", {"delete-variant", 0xF1C1}},
    {"trash.fill", {"delete", 0xF1C0}},
    {"trash.slash.fill", {"delete-sweep", 0xF5E9}},
    {"viewfinder.circle.fill", {"crosshairs", 0xF1A3}},
    {"waveform", {"pulse", 0xF430}},
    {"xmark.octagon.fill", {"close-octagon", 0xF15C}},
}};

constexpr MdiIcon kUnknownSymbol{"help-circle-outline", 0xF625};

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
