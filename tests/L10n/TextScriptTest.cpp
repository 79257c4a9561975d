// Every text the window's tables hold, in every language: written in that language's script and
// in Linux's words; and no translation, of those or of the catalogue's messages, with English
// left in it.
#include "L10n/Catalogues.h"
#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "Theme/CorvelPalette.h"
#include "support/TextScripts.h"
#include "support/UntranslatedTexts.h"

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

// A sentence or label left in English inside a translation, in the window's texts and in every
// catalogue message, including those a test home does not bring to the window.
TEST(TextScript, NoTranslationHoldsEnglishItSaysOtherwise)
{
    for (auto language : allCases<AppLanguage>()) {
        Texts texts = everyText(language);
#define QM_MESSAGE(id) texts.emplace_back(id, Catalogues::text(id, language));
#include "L10n/CatalogueTextTable.inc"
#undef QM_MESSAGE
        for (const auto& [name, text] : texts) {
            const auto english = untranslatedPart(QString::fromStdString(text), language);
            EXPECT_FALSE(english) << rawValue(language) << " " << name << ": \"" << text << "\" holds \""
                                  << english->toStdString() << "\"";
        }
    }
}

// English left in a Latin-script language, which the script cannot tell.
TEST(TextScript, TheUntranslatedCheckFindsEnglishLabelsCountsAndSentences)
{
    const auto english = [](const char* text, AppLanguage language) {
        return untranslatedPart(QString::fromUtf8(text), language).value_or(QString()).toStdString();
    };
    EXPECT_EQ(english("Select All", AppLanguage::de), "Select All");
    EXPECT_EQ(english("Downloads · inbox", AppLanguage::fr), "Downloads");
    EXPECT_EQ(english("3 items", AppLanguage::ru), "%n items");
    EXPECT_EQ(english("vlc leftovers", AppLanguage::de), "%1 leftovers");
    EXPECT_EQ(english("“ ist bereits ausgewählt. Quillmere analyzes everything locally and uploads nothing.",
                      AppLanguage::de),
              "Quillmere analyzes everything locally and uploads nothing");
    EXPECT_EQ(english("Select All", AppLanguage::en), "");
    // A short English word is a label only on its own: in a path or a sentence it is a name.
    EXPECT_EQ(english("~/Downloads/tool_1.0_amd64.deb", AppLanguage::fr), "");
    // The language's own words, though English writes them too.
    EXPECT_EQ(english("Projetos e clones", AppLanguage::pt), "");
    EXPECT_EQ(english("Alle auswählen", AppLanguage::de), "");
    // A file called so could not be told from the label left in English.
    EXPECT_EQ(englishLabelCalled(QStringLiteral("downloads")).value_or(QString()).toStdString(), "Downloads");
    EXPECT_FALSE(englishLabelCalled(QStringLiteral("inbox")));
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
