#include "L10n/AppLanguage.h"
#include "L10n/WindowTexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(AppLanguage, CodesRoundTripAndNamesAreDistinct)
{
    const auto& languages = allCases<AppLanguage>();
    ASSERT_EQ(languages.size(), kAppLanguageCount);

    std::set<std::string_view> codes, names;
    for (auto language : languages) {
        EXPECT_EQ(fromRaw<AppLanguage>(rawValue(language)), language);
        codes.insert(rawValue(language));
        names.insert(nativeName(language));
        EXPECT_FALSE(marketRegion(language).empty());
    }
    EXPECT_EQ(codes.size(), kAppLanguageCount);
    EXPECT_EQ(names.size(), kAppLanguageCount);
    EXPECT_EQ(rawValue(AppLanguage::zhHans), kDefaultLanguageCode);
}

TEST(AppLanguage, AnythingButTheTwelveExactCodesShowsSimplifiedChinese)
{
    for (std::string_view stored :
         {"", "ZH-HANS", "zh-hans", "EN", "en-US", "en_US", "zh-Hans-CN", "zh", "pt-BR", " en", "en ", "klingon"}) {
        EXPECT_FALSE(fromRaw<AppLanguage>(stored).has_value()) << stored;
        EXPECT_EQ(currentLanguage(stored), AppLanguage::zhHans) << stored;
    }
    EXPECT_EQ(currentLanguage("ko"), AppLanguage::ko);
    EXPECT_EQ(currentLanguage("zh-Hant"), AppLanguage::zhHant);
}
