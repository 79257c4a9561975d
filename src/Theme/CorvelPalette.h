#pragma once
// The two appearance modes and every colour of the window. Colours are sRGB components in
// 0…1 with an opacity, so this stays free of QtGui; the window turns them into QML colours.

#include "L10n/AppLanguage.h"
#include "Models/StorageModels.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class CorvelAppearanceMode { obsidianAurora, dawnQuartz };

inline constexpr std::string_view kAppearanceDefaultsKey = "QuillmereAppearance";
inline constexpr std::string_view kDefaultAppearanceRaw = "obsidian";

std::string_view rawValue(CorvelAppearanceMode mode); // "obsidian", "dawn"
template <> std::optional<CorvelAppearanceMode> fromRaw<CorvelAppearanceMode>(std::string_view raw);
template <> const std::vector<CorvelAppearanceMode>& allCases<CorvelAppearanceMode>();

// The mode for a stored value: exactly "dawn" is the light mode, anything else the dark one.
CorvelAppearanceMode appearanceFromStored(std::string_view stored);
// What the header button stores when clicked: "obsidian" after "dawn", "dawn" otherwise.
std::string_view toggledAppearanceRaw(std::string_view stored);

std::string_view displayName(CorvelAppearanceMode mode, AppLanguage language);
const Text12& appearanceNameTable(CorvelAppearanceMode mode);
std::string_view headerIcon(CorvelAppearanceMode mode); // SF Symbols name

struct CorvelColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    double opacity = 1;

    constexpr CorvelColor withOpacity(double value) const { return {red, green, blue, value}; }
    // "#AARRGGBB", the form QML colour strings take.
    std::string argbHex() const;

    constexpr bool operator==(const CorvelColor&) const = default;
};

struct CorvelPalette {
    CorvelAppearanceMode mode = CorvelAppearanceMode::obsidianAurora;

    bool isDark() const { return mode == CorvelAppearanceMode::obsidianAurora; }

    CorvelColor canvasBase() const;
    CorvelColor sidebarTint() const;
    CorvelColor inspectorTint() const;
    CorvelColor cardFill() const;
    CorvelColor cardActiveFill() const;
    CorvelColor hairlineBorder() const;
    CorvelColor inkPrimary() const;
    CorvelColor inkSecondary() const;
    CorvelColor inkMuted() const;

    // Accents are the same in both modes.
    static constexpr CorvelColor emeraldGlow{0.063, 0.725, 0.506};
    static constexpr CorvelColor cobaltGlow{0.231, 0.51, 0.965};
    static constexpr CorvelColor amberGlow{0.961, 0.62, 0.043};
    static constexpr CorvelColor violetGlow{0.545, 0.361, 0.965};
    static constexpr CorvelColor crimsonGlow{0.937, 0.267, 0.267};

    static CorvelColor accent(CleanTrustWorkspace workspace);

    // Text and small glyphs in a colour's hue (an accent, a card's own colour): most of them
    // fall below 4.5:1 against the cards and the canvas, so text takes a shade of the same
    // hue, darker on the light canvas and lighter on the dark one, only as far as needed.
    CorvelColor accentText(CorvelColor accent) const;
    // Hints and captions: inkMuted, deepened (or lifted) until it reads as text.
    CorvelColor inkMutedText() const;
    // Text on a fill of the colour itself (a filled button, a prominent badge): white where it
    // reads, else a deep shade of the hue (white does not reach 4.5:1 on any of the glows).
    static CorvelColor onAccentText(CorvelColor accent);

    // Glass card: fill by selection; black drop shadow whose opacity follows mode and hover.
    CorvelColor glassCardFill(bool isSelected) const { return isSelected ? cardActiveFill() : cardFill(); }
    double glassCardShadowOpacity(bool hovered) const;
};

// Numbers of the badge pill (points) and its colours.
namespace CorvelBadgePill {
inline constexpr double iconPointSize = 9.5;
inline constexpr double textPointSize = 10.5;
inline constexpr double horizontalPadding = 8;
inline constexpr double verticalPadding = 3.5;
inline constexpr double strokeWidth = 0.8;

CorvelColor foreground(CorvelColor tint, bool prominent);
CorvelColor fill(CorvelColor tint, bool isDark, bool prominent);
CorvelColor stroke(CorvelColor tint, bool isDark, bool prominent);
} // namespace CorvelBadgePill

// The glass card's outline: the accent when selected, else a white-to-clear highlight.
namespace CorvelGlassCard {
inline constexpr double defaultCornerRadius = 16;
inline constexpr double strokeWidth = 1;
inline constexpr double selectedStrokeWidth = 1.5;
inline constexpr double shadowRadius = 18;
inline constexpr double hoveredShadowRadius = 26;
inline constexpr double shadowOffsetY = 8;
inline constexpr CorvelColor highlightTop{1, 1, 1, 0.18};
inline constexpr CorvelColor highlightBottom{1, 1, 1, 0};
inline constexpr CorvelColor hoveredHighlightTop{1, 1, 1, 0.28};
} // namespace CorvelGlassCard
