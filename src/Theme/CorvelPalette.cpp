#include "Theme/CorvelPalette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr CorvelColor white(double opacity) { return {1, 1, 1, opacity}; }

const Text12 kObsidianName{"appearance.obsidian"};
const Text12 kDawnName{"appearance.dawn"};

int channel(double component) { return static_cast<int>(std::lround(std::clamp(component, 0.0, 1.0) * 255)); }

} // namespace

std::string_view rawValue(CorvelAppearanceMode mode)
{
    return mode == CorvelAppearanceMode::dawnQuartz ? "dawn" : "obsidian";
}

template <> std::optional<CorvelAppearanceMode> fromRaw<CorvelAppearanceMode>(std::string_view raw)
{
    if (raw == "obsidian")
        return CorvelAppearanceMode::obsidianAurora;
    if (raw == "dawn")
        return CorvelAppearanceMode::dawnQuartz;
    return std::nullopt;
}

template <> const std::vector<CorvelAppearanceMode>& allCases<CorvelAppearanceMode>()
{
    static const std::vector<CorvelAppearanceMode> cases{CorvelAppearanceMode::obsidianAurora,
                                                         CorvelAppearanceMode::dawnQuartz};
    return cases;
}

CorvelAppearanceMode appearanceFromStored(std::string_view stored)
{
    return fromRaw<CorvelAppearanceMode>(stored).value_or(CorvelAppearanceMode::obsidianAurora);
}

std::string_view toggledAppearanceRaw(std::string_view stored) { return stored == "dawn" ? "obsidian" : "dawn"; }

std::string_view displayName(CorvelAppearanceMode mode, AppLanguage language)
{
    return mode == CorvelAppearanceMode::dawnQuartz ? kDawnName(language) : kObsidianName(language);
}

const Text12& appearanceNameTable(CorvelAppearanceMode mode)
{
    return mode == CorvelAppearanceMode::dawnQuartz ? kDawnName : kObsidianName;
}

std::string_view headerIcon(CorvelAppearanceMode mode)
{
    return mode == CorvelAppearanceMode::dawnQuartz ? "sun.max.fill" : "sparkles";
}

std::string CorvelColor::argbHex() const
{
    char text[10];
    std::snprintf(text, sizeof text, "#%02X%02X%02X%02X", channel(opacity), channel(red), channel(green),
                  channel(blue));
    return text;
}

CorvelColor CorvelPalette::canvasBase() const
{
    return isDark() ? CorvelColor{0.039, 0.055, 0.094} : CorvelColor{0.945, 0.961, 0.984};
}

CorvelColor CorvelPalette::sidebarTint() const
{
    return isDark() ? CorvelColor{0.063, 0.086, 0.141, 0.78} : white(0.72);
}

CorvelColor CorvelPalette::inspectorTint() const
{
    return isDark() ? CorvelColor{0.055, 0.078, 0.129, 0.84} : CorvelColor{0.973, 0.98, 0.992, 0.84};
}

CorvelColor CorvelPalette::cardFill() const { return isDark() ? CorvelColor{0.102, 0.137, 0.212, 0.64} : white(0.9); }

CorvelColor CorvelPalette::cardActiveFill() const
{
    return isDark() ? CorvelColor{0.133, 0.188, 0.306, 0.84} : CorvelColor{0.965, 0.98, 1.0};
}

CorvelColor CorvelPalette::hairlineBorder() const
{
    return isDark() ? white(0.08) : CorvelColor{0.059, 0.09, 0.165, 0.07};
}

CorvelColor CorvelPalette::inkPrimary() const
{
    return isDark() ? CorvelColor{0.969, 0.976, 0.992} : CorvelColor{0.059, 0.09, 0.165};
}

CorvelColor CorvelPalette::inkSecondary() const
{
    return isDark() ? CorvelColor{0.635, 0.702, 0.796} : CorvelColor{0.29, 0.345, 0.435};
}

CorvelColor CorvelPalette::inkMuted() const
{
    return isDark() ? CorvelColor{0.435, 0.502, 0.604} : CorvelColor{0.525, 0.588, 0.675};
}

CorvelColor CorvelPalette::accent(CleanTrustWorkspace workspace)
{
    switch (workspace) {
    case CleanTrustWorkspace::oneClickSafe:
        return emeraldGlow;
    case CleanTrustWorkspace::devAndDuplicates:
        return amberGlow;
    case CleanTrustWorkspace::largeMedia:
        return cobaltGlow;
    case CleanTrustWorkspace::appSlimming:
        return violetGlow;
    }
    return emeraldGlow;
}

namespace {

// Relative luminance as WCAG 2.1 defines it for sRGB.
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(CorvelColor c) { return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue); }

double contrast(CorvelColor a, CorvelColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Hsl {
    double hue = 0; // 0…1
    double saturation = 0;
    double lightness = 0;
};

Hsl toHsl(CorvelColor c)
{
    const double high = std::max({c.red, c.green, c.blue});
    const double low = std::min({c.red, c.green, c.blue});
    Hsl hsl;
    hsl.lightness = (high + low) / 2;
    const double span = high - low;
    if (span <= 0)
        return hsl;
    hsl.saturation = hsl.lightness > 0.5 ? span / (2 - high - low) : span / (high + low);
    if (high == c.red)
        hsl.hue = (c.green - c.blue) / span + (c.green < c.blue ? 6 : 0);
    else if (high == c.green)
        hsl.hue = (c.blue - c.red) / span + 2;
    else
        hsl.hue = (c.red - c.green) / span + 4;
    hsl.hue /= 6;
    return hsl;
}

CorvelColor fromHsl(Hsl hsl, double opacity)
{
    if (hsl.saturation <= 0)
        return {hsl.lightness, hsl.lightness, hsl.lightness, opacity};
    const double q = hsl.lightness < 0.5 ? hsl.lightness * (1 + hsl.saturation)
                                         : hsl.lightness + hsl.saturation - hsl.lightness * hsl.saturation;
    const double p = 2 * hsl.lightness - q;
    auto channel = [&](double t) {
        t = t < 0 ? t + 1 : (t > 1 ? t - 1 : t);
        if (t < 1.0 / 6)
            return p + (q - p) * 6 * t;
        if (t < 1.0 / 2)
            return q;
        if (t < 2.0 / 3)
            return p + (q - p) * (2.0 / 3 - t) * 6;
        return p;
    };
    return {channel(hsl.hue + 1.0 / 3), channel(hsl.hue), channel(hsl.hue - 1.0 / 3), opacity};
}

// The same hue and saturation, made lighter or darker only as far as `enough` needs: the
// lightness closest to the colour's own at which `enough` holds (or the extreme, if none).
template <typename Enough> CorvelColor shadeUntil(CorvelColor c, bool lighter, Enough enough)
{
    if (enough(c))
        return c;
    Hsl hsl = toHsl(c);
    double failing = hsl.lightness;
    double passing = lighter ? 1.0 : 0.0;
    for (int step = 0; step < 40; ++step) {
        hsl.lightness = (failing + passing) / 2;
        (enough(fromHsl(hsl, c.opacity)) ? passing : failing) = hsl.lightness;
    }
    hsl.lightness = passing;
    return fromHsl(hsl, c.opacity);
}

// Text in a colour reads on every surface of the window (cards, the canvas under its glows)
// once its luminance is past these: at most this on the light mode's surfaces, at least
// this on the dark mode's.
constexpr double kLightModeTextLuminance = 0.09;
constexpr double kDarkModeTextLuminance = 0.62;
constexpr double kMutedLightModeLuminance = 0.14;
constexpr double kMutedDarkModeLuminance = 0.38;
// Text on a fill of its own colour, with a margin over 4.5:1 for anti-aliasing.
constexpr double kOnFillContrast = 4.7;

CorvelColor readableShade(CorvelColor c, bool onDark, double lightModeLimit, double darkModeLimit)
{
    if (onDark)
        return shadeUntil(c, true, [&](CorvelColor x) { return luminance(x) >= darkModeLimit; });
    return shadeUntil(c, false, [&](CorvelColor x) { return luminance(x) <= lightModeLimit; });
}

} // namespace

CorvelColor CorvelPalette::accentText(CorvelColor accent) const
{
    return readableShade(accent.withOpacity(1), isDark(), kLightModeTextLuminance, kDarkModeTextLuminance);
}

CorvelColor CorvelPalette::inkMutedText() const
{
    return readableShade(inkMuted(), isDark(), kMutedLightModeLuminance, kMutedDarkModeLuminance);
}

CorvelColor CorvelPalette::onAccentText(CorvelColor accent)
{
    const CorvelColor fill = accent.withOpacity(1);
    if (contrast(white(1), fill) >= kOnFillContrast)
        return white(1);
    return shadeUntil(fill, false, [&](CorvelColor x) { return contrast(x, fill) >= kOnFillContrast; });
}

double CorvelPalette::glassCardShadowOpacity(bool hovered) const
{
    if (isDark())
        return hovered ? 0.28 : 0.16;
    return hovered ? 0.05 : 0.025;
}

namespace CorvelBadgePill {

CorvelColor foreground(CorvelColor tint, bool prominent)
{
    return prominent ? CorvelPalette::onAccentText(tint) : tint;
}

CorvelColor fill(CorvelColor tint, bool isDark, bool prominent)
{
    return prominent ? tint : tint.withOpacity(isDark ? 0.16 : 0.11);
}

CorvelColor stroke(CorvelColor tint, bool isDark, bool prominent)
{
    return prominent ? white(0.25) : tint.withOpacity(isDark ? 0.32 : 0.22);
}

} // namespace CorvelBadgePill
