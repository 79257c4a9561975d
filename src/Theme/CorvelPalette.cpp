#include "Theme/CorvelPalette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr CorvelColor white(double opacity) { return {1, 1, 1, opacity}; }

const Text12 kObsidianName{{"曜石极光", "Obsidian", "オーロラ暗", "曜石極光", "오닉스 다크", "Obsidian", "Obsidienne",
                            "Obsidiana", "Obsidiana", "Обсидиан", "Ossidiana", "أوبسيديان"}};
const Text12 kDawnName{{"晨曦流光", "Dawn Light", "クォーツ明", "晨曦流光", "던 라이트", "Morgenlicht", "Aurore Claire",
                        "Luz Alba", "Luz Aurora", "Кварц", "Luce Alba", "فجر مشرق"}};

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

double CorvelPalette::glassCardShadowOpacity(bool hovered) const
{
    if (isDark())
        return hovered ? 0.28 : 0.16;
    return hovered ? 0.05 : 0.025;
}

namespace CorvelBadgePill {

CorvelColor foreground(CorvelColor tint, bool prominent) { return prominent ? white(1) : tint; }

CorvelColor fill(CorvelColor tint, bool isDark, bool prominent)
{
    return prominent ? tint : tint.withOpacity(isDark ? 0.16 : 0.11);
}

CorvelColor stroke(CorvelColor tint, bool isDark, bool prominent)
{
    return prominent ? white(0.25) : tint.withOpacity(isDark ? 0.32 : 0.22);
}

} // namespace CorvelBadgePill
