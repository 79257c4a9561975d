// What a clean or restore says afterwards, in the engine's words and in the person's language.
#include "L10n/MessageRenderer.h"
#include "L10n/QuillmereL10n.h"
#include "Services/CleanTexts.h"
#include "Services/ItemTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::string said(const std::vector<TextRef>& parts, AppLanguage language) { return renderMessages(parts, language); }

const Int64 kOneMegabyte = Int64(1) << 20;

} // namespace

// The engine's banner is the stored, scripted text: it must not drift while the languages do.
// (Its plain, skipped and restore forms are read word for word by the clean and restore tests.)
TEST(BannerTexts, TheEngineWritesItsBannersWordForWord)
{
    EXPECT_EQ(
        CleanTexts::engineText(CleanTexts::cleanBanner({.cleaned = 2,
                                                        .freedBytes = kOneMegabyte,
                                                        .label = "x",
                                                        .deleted = 1,
                                                        .trashed = 1,
                                                        .measuredBytes = 0,
                                                        .estimatedBytes = 8 * kOneMegabyte,
                                                        .freedLessThanEstimated = true})),
        "清理完成 · 已安全清理 2 项x，为您腾出 1.0 MB 空间（实测腾出 0 KB，预估 8.0 MB，少于预估：部分空间与快照或"
        "其他副本共享）；其中 1 项已永久删除，无法还原");
}

// Simplified Chinese in the catalogue is the engine's wording, so a banner reads the same
// whether the engine wrote it or the window said it.
TEST(BannerTexts, TheCatalogueSaysTheEnginesWordsInSimplifiedChinese)
{
    std::vector<EngineText> texts(CleanTexts::allTexts().begin(), CleanTexts::allTexts().end());
    texts.insert(texts.end(), itemtexts::allTexts().begin(), itemtexts::allTexts().end());
    for (const EngineText& text : texts) {
        const auto found = std::find_if(allMessages().begin(), allMessages().end(),
                                        [&](const MessageEntry& message) { return message.id == text.id; });
        ASSERT_NE(found, allMessages().end()) << text.id;
        EXPECT_EQ(found->text(AppLanguage::zhHans), text.text) << text.id;
    }
}

// A clean that left items in place, or deleted some for good, says so in every language.
TEST(BannerTexts, CleanBannersKeepEveryPartInTheLanguage)
{
    const auto skipped =
        CleanTexts::cleanBanner({.cleaned = 2, .freedBytes = kOneMegabyte, .skipped = 3, .label = "大体积文件"});
    EXPECT_EQ(said(skipped, AppLanguage::en),
              "Clean Complete · Safely reclaimed 1.0 MB of disk space · Left untouched (in use or no permission): 3");
    EXPECT_EQ(said(skipped, AppLanguage::zhHant),
              "清理完成 · 已安全為您騰出 1.0 MB 磁碟空間；被系統占用或無權限而保留未動的項目：3");
    EXPECT_EQ(said(skipped, AppLanguage::ru).rfind("Очистка завершена · Безопасно освобождено 1.0 MB", 0), 0u);

    const auto allDeleted =
        CleanTexts::cleanBanner({.cleaned = 2, .freedBytes = kOneMegabyte, .label = "LABEL", .deleted = 2});
    const auto someDeleted = CleanTexts::cleanBanner(
        {.cleaned = 3, .freedBytes = kOneMegabyte, .label = "LABEL", .deleted = 2, .trashed = 1});
    EXPECT_EQ(said(allDeleted, AppLanguage::en),
              "Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed 1.0 MB");
    EXPECT_EQ(said(someDeleted, AppLanguage::en),
              "Clean Complete · Safely reclaimed 1.0 MB of disk space · Deleted for good, cannot be undone: 2");
    for (AppLanguage language : allCases<AppLanguage>()) {
        const std::string text = said(allDeleted, language);
        // What went for good is never "safely" reclaimed, and the engine's label stays out.
        EXPECT_EQ(text.find("安全"), std::string::npos) << text;
        if (language != AppLanguage::zhHans) {
            EXPECT_EQ(text.find("LABEL"), std::string::npos) << text;
        }
    }
}

// A restored catalogue item is named in the language; a file keeps its own name.
TEST(BannerTexts, RestoreBannersNameWhatCameBack)
{
    const auto model =
        CleanTexts::restoredOne("Chrome 本地大模型缓存包", TextRef{"cache.chromeModel.name", {}}, "Default");
    const std::string modelInEnglish = *renderMessage({"cache.chromeModel.name", {}}, AppLanguage::en);
    EXPECT_EQ(said(model, AppLanguage::en),
              "Restored selected items back to their original locations (" + modelInEnglish + ")");
    EXPECT_EQ(said(CleanTexts::restoredOne("报告（共 3 页）.pdf", {}, "Documents"), AppLanguage::ja),
              "選択項目を元の場所へ復元しました (报告（共 3 页）.pdf)");
    EXPECT_EQ(said(CleanTexts::restoredAll(2, Int64(300) << 20), AppLanguage::pt),
              "Itens restaurados ao local original (300.0 MB)");
    EXPECT_EQ(said(CleanTexts::anotherCleanRunning(), AppLanguage::en),
              "Another clean or restore is running · Nothing was changed");
}

// Records keep the engine's words; their names and labels are said in the language by id.
TEST(BannerTexts, RecordNamesAndLabelsAreFoundByTheirIds)
{
    const TextRef leftovers = CleanTexts::appLeftoversName("Zoom");
    EXPECT_EQ(CleanTexts::engineText({leftovers}), "Zoom 缓存残留");
    EXPECT_EQ(renderMessageOr(leftovers, "?", AppLanguage::en), "Zoom leftovers");
    EXPECT_EQ(renderMessageOr(CleanTexts::cleanLabelRef("闲置工程依赖"), "闲置工程依赖", AppLanguage::de),
              "Ungenutzte Projektabhängigkeiten");
    EXPECT_TRUE(CleanTexts::cleanLabelRef("闲置工程").empty());
    for (auto category : allCases<LargeFileCategory>())
        EXPECT_EQ(QuillmereL10n(AppLanguage::zhHans).localizeCategory(category), rawValue(category));
}

// A large file's place names the person's folder in the language; a folder of its own name
// keeps it.
TEST(BannerTexts, AFilesPlaceNamesThePersonsFolderInTheLanguage)
{
    const TextRef videos = itemtexts::largeFilePlace("影片", "clips");
    EXPECT_EQ(itemtexts::kLargeFilePlace.with(videos.args), "影片 · clips");
    EXPECT_EQ(renderMessageOr(videos, "", AppLanguage::en), "Videos · clips");
    EXPECT_EQ(renderMessageOr(itemtexts::largeFilePlace("影片集", "x"), "", AppLanguage::de), "影片集 · x");
}
