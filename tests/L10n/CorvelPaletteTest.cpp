#include "L10n/CorvelPalette.h"

#include <gtest/gtest.h>

#include <set>

namespace {
const CorvelPalette dark{CorvelAppearanceMode::obsidianAurora};
const CorvelPalette light{CorvelAppearanceMode::dawnQuartz};
} // namespace

TEST(CorvelAppearanceMode, UnknownStoredValuesShowTheDarkMode)
{
    EXPECT_EQ(appearanceFromStored(kDefaultAppearanceRaw), CorvelAppearanceMode::obsidianAurora);
    EXPECT_EQ(appearanceFromStored("dawn"), CorvelAppearanceMode::dawnQuartz);
    for (std::string_view stored : {"", "Obsidian", "DAWN", "dawn ", "light", "dawnQuartz"}) {
        EXPECT_FALSE(fromRaw<CorvelAppearanceMode>(stored).has_value()) << stored;
        EXPECT_EQ(appearanceFromStored(stored), CorvelAppearanceMode::obsidianAurora) << stored;
    }
    for (auto mode : allCases<CorvelAppearanceMode>())
        EXPECT_EQ(fromRaw<CorvelAppearanceMode>(rawValue(mode)), mode);
}

TEST(CorvelAppearanceMode, TogglingTwiceStoresTheFirstValueAgain)
{
    for (std::string_view stored : {"obsidian", "dawn"})
        EXPECT_EQ(toggledAppearanceRaw(toggledAppearanceRaw(stored)), stored);
    EXPECT_EQ(toggledAppearanceRaw("dawn"), "obsidian");
    // An unreadable value counts as the dark mode, so the click goes to the light one.
    EXPECT_EQ(toggledAppearanceRaw("garbage"), "dawn");
}

TEST(CorvelAppearanceMode, NamesAndIconsFollowTheLanguage)
{
    EXPECT_EQ(displayName(CorvelAppearanceMode::obsidianAurora, AppLanguage::zhHans), "曜石极光");
    EXPECT_EQ(displayName(CorvelAppearanceMode::dawnQuartz, AppLanguage::pt), "Luz Aurora");
    EXPECT_EQ(headerIcon(CorvelAppearanceMode::dawnQuartz), "sun.max.fill");
}

TEST(CorvelPalette, RolesDifferByModeAndMatchTheirValues)
{
    EXPECT_EQ(dark.canvasBase(), (CorvelColor{0.039, 0.055, 0.094, 1}));
    EXPECT_EQ(light.canvasBase(), (CorvelColor{0.945, 0.961, 0.984, 1}));
    EXPECT_EQ(dark.sidebarTint(), (CorvelColor{0.063, 0.086, 0.141, 0.78}));
    EXPECT_EQ(light.sidebarTint(), (CorvelColor{1, 1, 1, 0.72}));
    EXPECT_EQ(light.inkPrimary(), (CorvelColor{0.059, 0.09, 0.165, 1}));
    EXPECT_EQ(dark.hairlineBorder().opacity, 0.08);

    // Text must stand out from the canvas in both modes.
    for (const auto& palette : {dark, light}) {
        const auto ink = palette.inkPrimary(), canvas = palette.canvasBase();
        EXPECT_GT(std::abs(ink.red - canvas.red) + std::abs(ink.green - canvas.green) + std::abs(ink.blue - canvas.blue),
                  2.0);
    }
}

TEST(CorvelPalette, EachWorkspaceHasItsOwnAccent)
{
    EXPECT_EQ(CorvelPalette::accent(CleanTrustWorkspace::oneClickSafe), CorvelPalette::emeraldGlow);
    EXPECT_EQ(CorvelPalette::accent(CleanTrustWorkspace::appSlimming), CorvelPalette::violetGlow);
    std::set<std::string> accents;
    for (auto workspace : allCases<CleanTrustWorkspace>())
        accents.insert(CorvelPalette::accent(workspace).argbHex());
    EXPECT_EQ(accents.size(), 4u);
}

TEST(CorvelPalette, ColoursBecomeQmlHexStrings)
{
    EXPECT_EQ((CorvelColor{1, 1, 1, 0.72}).argbHex(), "#B8FFFFFF");
    EXPECT_EQ(CorvelPalette::emeraldGlow.argbHex(), "#FF10B981");
    EXPECT_EQ((CorvelColor{2, -1, 0, 1}).argbHex(), "#FFFF0000");
}

TEST(CorvelDecorations, BadgePillAndGlassCardFollowModeSelectionAndHover)
{
    const auto tint = CorvelPalette::cobaltGlow;
    EXPECT_EQ(CorvelBadgePill::fill(tint, true, false).opacity, 0.16);
    EXPECT_EQ(CorvelBadgePill::fill(tint, false, false).opacity, 0.11);
    EXPECT_EQ(CorvelBadgePill::stroke(tint, false, false).opacity, 0.22);
    EXPECT_EQ(CorvelBadgePill::fill(tint, true, true), tint);
    EXPECT_EQ(CorvelBadgePill::foreground(tint, true), (CorvelColor{1, 1, 1, 1}));
    EXPECT_EQ(CorvelBadgePill::foreground(tint, false), tint);

    EXPECT_EQ(dark.glassCardFill(true), dark.cardActiveFill());
    EXPECT_EQ(light.glassCardFill(false), light.cardFill());
    EXPECT_GT(dark.glassCardShadowOpacity(true), dark.glassCardShadowOpacity(false));
    EXPECT_GT(dark.glassCardShadowOpacity(false), light.glassCardShadowOpacity(true));
}
