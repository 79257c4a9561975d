// Every text the window's tables hold, in every language: written in that language's script,
// and in Linux's words.
#include "L10n/Catalogues.h"
#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "Theme/CorvelPalette.h"

#include <QString>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Texts = std::vector<std::pair<std::string, std::string>>; // name, text

Texts everyText(AppLanguage language)
{
    Texts texts;
    auto add = [&](std::string name, std::string_view text) { texts.emplace_back(std::move(name), text); };
    for (const auto& [name, text] : WindowTexts::allText12())
        add(std::string(name), (*text)(language));
    for (const auto& [name, id] : WindowTexts::allPluralTexts())
        for (std::int64_t count : {0, 1, 2, 5, 11, 101})
            add(std::string(name), Catalogues::plural(id, language, count));
    for (const Text12* title :
         {&SharedTitles::rescanHeroTitle, &SharedTitles::scanningNowTitle, &SharedTitles::reclaimableLabel,
          &SharedTitles::selectedToReclaimTitle, &SharedTitles::smartCleanAllTitle, &SharedTitles::undoRestoreTitle})
        add("shared title", (*title)(language));
    for (auto category : allCases<LargeFileCategory>())
        add("category", categoryNameTable(category)(language));
    for (auto mode : allCases<CorvelAppearanceMode>())
        add("appearance", appearanceNameTable(mode)(language));
    return texts;
}

enum class Script { latin, cyrillic, arabic, han, kana, hangul, cjkPunctuation, none };

Script scriptOf(char32_t c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7))
        return Script::latin;
    if (c >= 0x400 && c <= 0x4FF)
        return Script::cyrillic;
    if ((c >= 0x600 && c <= 0x6FF) || (c >= 0xFB50 && c <= 0xFEFF))
        return Script::arabic;
    if ((c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF))
        return Script::han;
    if (c >= 0x3040 && c <= 0x30FF)
        return Script::kana;
    if ((c >= 0xAC00 && c <= 0xD7AF) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F))
        return Script::hangul;
    if ((c >= 0x3000 && c <= 0x303F) || (c >= 0xFF00 && c <= 0xFFEF))
        return Script::cjkPunctuation;
    return Script::none;
}

// Latin words a Chinese, Japanese, Korean, Russian or Arabic text may carry as they are.
const std::set<std::u32string> kLatinAllowed{
    // the program and the package formats it lists apps from
    U"Quillmere", U"Flatpak", U"Snap", U"AppImage",
    // brands and program names in the catalogue's item names and the safety list
    U"Git", U"Google", U"Chrome", U"WeChat", U"Feishu", U"Lark", U"QQ", U"Music", U"WPS", U"Office", U"Sogou",
    U"Python", U"uv", U"Codex", U"Claude", U"OptGuide",
    // file names, shown as they are on disk
    U"requirements", U"txt", U"pyproject", U"toml",
    // terms the description's own Chinese, Japanese and Korean texts use untranslated, and units
    U"AI", U"SNS", U"Cookie", U"Cookies", U"Web", U"DB", U"MV", U"IDE", U"GPU", U"SHA", U"KB", U"MB", U"GB"};

bool writesLatinAsLetters(AppLanguage language)
{
    using enum AppLanguage;
    return language == en || language == de || language == fr || language == es || language == pt || language == it;
}

bool allowed(Script script, AppLanguage language)
{
    using enum AppLanguage;
    switch (script) {
    case Script::latin:
        return writesLatinAsLetters(language);
    case Script::cyrillic:
        return language == ru;
    case Script::arabic:
        return language == ar;
    case Script::han:
    case Script::cjkPunctuation:
        return language == zhHans || language == zhHant || language == ja;
    case Script::kana:
        return language == ja;
    case Script::hangul:
        return language == ko;
    case Script::none:
        return true;
    }
    return false;
}

// The first letter or word not of the language's script, or empty.
std::string foreignPart(std::string_view text, AppLanguage language)
{
    const std::u32string chars = QString::fromUtf8(text.data(), qsizetype(text.size())).toStdU32String();
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const Script script = scriptOf(chars[i]);
        if (allowed(script, language))
            continue;
        if (script == Script::latin) {
            auto end = i;
            while (end < chars.size() && scriptOf(chars[end]) == Script::latin)
                ++end;
            const std::u32string word = chars.substr(i, end - i);
            i = end - 1;
            if (kLatinAllowed.contains(word))
                continue;
        }
        return "at character " + std::to_string(i);
    }
    return {};
}

} // namespace

TEST(TextScript, EveryTextIsWrittenInItsLanguagesScript)
{
    for (auto language : allCases<AppLanguage>()) {
        const auto texts = everyText(language);
        EXPECT_GE(texts.size(), 180u);
        for (const auto& [name, text] : texts) {
            EXPECT_FALSE(text.empty()) << rawValue(language) << " " << name;
            const auto foreign = foreignPart(text, language);
            EXPECT_TRUE(foreign.empty()) << rawValue(language) << " " << name << ": \"" << text << "\" " << foreign;
        }
    }
}

TEST(TextScript, TheCheckCatchesTheOldMixtures)
{
    EXPECT_FALSE(foreignPart("Zero-Risk System & App Cache", AppLanguage::ar).empty());
    EXPECT_FALSE(foreignPart("位于 ~/.cache 下的离线模型", AppLanguage::de).empty());
    EXPECT_FALSE(foreignPart("Clean Safe Cache", AppLanguage::ru).empty());
    EXPECT_FALSE(foreignPart("「Downloads」", AppLanguage::en).empty());
    EXPECT_TRUE(foreignPart("WeChat・Feishuのチャット履歴", AppLanguage::ja).empty());
}

TEST(TextScript, NoMacWordsAreLeftOnLinux)
{
    for (auto language : allCases<AppLanguage>()) {
        auto texts = everyText(language);
        texts.emplace_back("market region", marketRegion(language));
        for (const auto& [name, text] : texts)
            for (std::string_view word : {"Finder", "macOS", "Mac ", "访达", "App Store"})
                EXPECT_EQ(text.find(word), std::string::npos) << rawValue(language) << " " << name << ": " << text;
    }
}
