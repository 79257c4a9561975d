#include "Theme/CorvelPalette.h"

#include <gtest/gtest.h>

#include <set>

namespace {
const CorvelPalette dark{CorvelAppearanceMode::obsidianAurora};
const CorvelPalette light{CorvelAppearanceMode::dawnQuartz};
} // namespace

TEST(CorvelAppearanceMode, UnknownStoredValuesShowTheDarkModeAndToggleToTheLightOne)
{
    EXPECT_EQ(appearanceFromStored(kDefaultAppearanceRaw), CorvelAppearanceMode::obsidianAurora);
    EXPECT_EQ(appearanceFromStored("dawn"), CorvelAppearanceMode::dawnQuartz);
    for (std::string_view stored : {"", "Obsidian", "DAWN", "dawn ", "light", "dawnQuartz"}) {
        EXPECT_FALSE(fromRaw<CorvelAppearanceMode>(stored).has_value()) << stored;
        EXPECT_EQ(appearanceFromStored(stored), CorvelAppearanceMode::obsidianAurora) << stored;
    }
    for (std::string_view stored : {"obsidian", "dawn"})
        EXPECT_EQ(toggledAppearanceRaw(toggledAppearanceRaw(stored)), stored);
    // An unreadable value counts as the dark mode, so the click goes to the light one.
    EXPECT_EQ(toggledAppearanceRaw("garbage"), "dawn");
}

TEST(CorvelPalette, TextStandsOutAndEachWorkspaceHasItsOwnAccent)
{
    for (const auto& palette : {dark, light}) {
        const auto ink = palette.inkPrimary(), canvas = palette.canvasBase();
        EXPECT_GT(std::abs(ink.red - canvas.red) + std::abs(ink.green - canvas.green) +
                      std::abs(ink.blue - canvas.blue),
                  2.0);
    }
    std::set<std::string> accents;
    for (auto workspace : allCases<CleanTrustWorkspace>())
        accents.insert(CorvelPalette::accent(workspace).argbHex());
    EXPECT_EQ(accents.size(), 4u);
}

TEST(CorvelPalette, ColoursBecomeClampedQmlHexStrings)
{
    EXPECT_EQ((CorvelColor{1, 1, 1, 0.72}).argbHex(), "#B8FFFFFF");
    EXPECT_EQ((CorvelColor{2, -1, 0, 1}).argbHex(), "#FFFF0000");
}

TEST(CorvelDecorations, SelectionAndHoverStrengthenTheDecoration)
{
    const auto tint = CorvelPalette::cobaltGlow;
    EXPECT_GT(CorvelBadgePill::fill(tint, true, false).opacity, CorvelBadgePill::fill(tint, false, false).opacity);
    EXPECT_EQ(CorvelBadgePill::fill(tint, true, true), tint);
    EXPECT_EQ(CorvelBadgePill::foreground(tint, false), tint);
    EXPECT_EQ(dark.glassCardFill(true), dark.cardActiveFill());
    EXPECT_EQ(light.glassCardFill(false), light.cardFill());
    EXPECT_GT(dark.glassCardShadowOpacity(true), dark.glassCardShadowOpacity(false));
    EXPECT_GT(dark.glassCardShadowOpacity(false), light.glassCardShadowOpacity(true));
}
