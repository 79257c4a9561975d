#include "Theme/SymbolIcons.h"
#include "Services/SafeCacheRules.h"
#include "Theme/CorvelPalette.h"
#include "Theme/WindowIcons.h"

#include <QString>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every symbol name the code hands to the window.
std::set<std::string_view> symbolNamesInUse()
{
    std::set<std::string_view> names(WindowIcons::all.begin(), WindowIcons::all.end());
    for (auto workspace : allCases<CleanTrustWorkspace>())
        names.insert(WindowIcons::symbolName(workspace));
    for (auto category : allCases<LargeFileCategory>())
        names.insert(symbolName(category));
    for (auto mode : allCases<CorvelAppearanceMode>())
        names.insert(headerIcon(mode));
    static std::vector<std::string> cardSymbols;
    if (cardSymbols.empty())
        for (std::size_t card = 0; card < 4; ++card)
            cardSymbols.push_back(safecache::cardShell(card).symbolName);
    names.insert(cardSymbols.begin(), cardSymbols.end());
    return names;
}

} // namespace

TEST(SymbolIcons, EverySymbolNameInUseHasAGlyph)
{
    const auto names = symbolNamesInUse();
    EXPECT_GE(names.size(), 45u);
    for (auto name : names)
        EXPECT_TRUE(mdiIcon(name).has_value()) << name;
}

// That the embedded font draws each code point is the icon font test's concern.
TEST(SymbolIcons, GlyphsAreSingleCodePointsMappedOnce)
{
    std::set<std::string_view> mapped;
    for (auto name : mappedSymbolNames()) {
        EXPECT_TRUE(mapped.insert(name).second) << "mapped twice: " << name;
        const auto icon = *mdiIcon(name);
        const auto glyph = QString::fromUtf8(icon.glyph().c_str());
        ASSERT_EQ(glyph.size(), 1) << name;
        EXPECT_EQ(glyph.at(0).unicode(), icon.codePoint) << name;
    }
}

TEST(SymbolIcons, UnknownNamesStillDrawSomething)
{
    EXPECT_FALSE(mdiIcon("no.such.symbol").has_value());
    EXPECT_FALSE(iconGlyph("no.such.symbol").empty());
    EXPECT_NE(iconGlyph("no.such.symbol"), iconGlyph("folder.fill"));
}
