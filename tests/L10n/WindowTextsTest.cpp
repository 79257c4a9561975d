#include "L10n/WindowTexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// The window looks its texts up by name: two entries of one name would hide one of them.
TEST(WindowTexts, TextNamesAreUnique)
{
    EXPECT_TRUE(WindowTexts::fixedText("noSuchText", AppLanguage::en).empty());

    std::set<std::string_view> names;
    for (const auto& entry : WindowTexts::allText12())
        EXPECT_TRUE(names.insert(entry.first).second) << entry.first;
}

TEST(WindowTexts, GrantTextsSpliceTheFolderNamesIn)
{
    EXPECT_EQ(WindowTexts::homeGrantMessage(AppLanguage::en, "alice"),
              "Your home folder \"alice\" is already selected. Just click \"Grant Access\". Quillmere analyzes "
              "everything locally and uploads nothing.");
    EXPECT_EQ(WindowTexts::chooseHomeInstead(AppLanguage::en, "alice"), "Choose \"alice\" instead");

    // The picked folder comes before the home folder in every language.
    for (auto language : allCases<AppLanguage>()) {
        for (const auto& notice : {WindowTexts::partialGrantNotice(language, "PICKED", "HOME"),
                                   WindowTexts::outsideGrantNotice(language, "PICKED", "HOME")}) {
            const auto picked = notice.find("PICKED");
            ASSERT_NE(picked, std::string::npos);
            EXPECT_LT(picked, notice.find("HOME")) << notice;
        }
    }
}

TEST(WindowTexts, WorkspaceTitlesAndPrimaryActionsFollowWorkspaceAndMode)
{
    for (auto language : allCases<AppLanguage>()) {
        std::set<std::string_view> titles;
        for (auto workspace : allCases<CleanTrustWorkspace>())
            titles.insert(WindowTexts::title(workspace, language));
        EXPECT_EQ(titles.size(), 4u) << rawValue(language);
    }

    using enum CleanTrustWorkspace;
    EXPECT_EQ(WindowTexts::primaryActionTitle(appSlimming, 0, true, true, AppLanguage::en), "Strip App Cache");
    EXPECT_EQ(WindowTexts::primaryActionTitle(appSlimming, 0, false, true, AppLanguage::en), "Uninstall Apps");
    EXPECT_EQ(WindowTexts::primaryActionTitle(devAndDuplicates, 0, true, true, AppLanguage::zhHans), "清理构建依赖");
    EXPECT_EQ(WindowTexts::primaryActionTitle(devAndDuplicates, 1, true, true, AppLanguage::ja), "重複コピーを削除");
}
