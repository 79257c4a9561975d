// Every text the window's tables hold, in every language: written in that language's script,
// and in Linux's words.
#include "L10n/Catalogues.h"
#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "Theme/CorvelPalette.h"
#include "support/TextScripts.h"

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

// The first letter or word not of the language's script, or empty.
std::string foreignPart(std::string_view text, AppLanguage language)
{
    const auto part = wrongScriptPart(QString::fromUtf8(text.data(), qsizetype(text.size())), language);
    return part ? "at \"" + part->toStdString() + "\"" : std::string();
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
    // Simplified Chinese left in a Japanese or Traditional Chinese text, though written in Han.
    EXPECT_FALSE(foreignPart("已完成全自动核验 · 共发现 40.0 MB 可整理空间", AppLanguage::ja).empty());
    EXPECT_FALSE(foreignPart("本地模型与数据库文件", AppLanguage::zhHant).empty());
    EXPECT_TRUE(foreignPart("已完成全自動核驗 · 共發現 40.0 MB 可整理空間", AppLanguage::zhHant).empty());
    // Paths, file names, extensions and units are written as they are on disk and in the status bar.
    EXPECT_TRUE(
        foreignPart("位于 ~/.cache/pip 下，含 requirements.txt 与 *.deb，共 3.0 MB", AppLanguage::zhHans).empty());
    EXPECT_EQ(foreignPart("安装包 Installer", AppLanguage::zhHans), "at \"Installer\"");
    EXPECT_EQ(foreignPart("Cache 3.0 MB", AppLanguage::ar), "at \"Cache\"");
    // A name from the person's own files is theirs, not a text of ours.
    EXPECT_TRUE(wrongScriptPart(QStringLiteral("「holiday copy」の複製"), AppLanguage::ja));
    EXPECT_FALSE(
        wrongScriptPart(QStringLiteral("「holiday copy」の複製"), AppLanguage::ja, {QStringLiteral("holiday copy")}));
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
