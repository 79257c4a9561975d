#include "L10n/PluralForms.h"
#include "L10n/WindowTexts.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

TEST(PluralForms, EachLanguageFollowsItsOwnRule)
{
    using enum PluralCategory;
    struct Case {
        AppLanguage language;
        std::array<PluralCategory, 6> at0_1_2_5_11_101;
    };
    for (const auto& [language, expected] : {Case{AppLanguage::en, {other, one, other, other, other, other}},
                                             Case{AppLanguage::fr, {one, one, other, other, other, other}},
                                             Case{AppLanguage::ru, {many, one, few, many, many, one}},
                                             Case{AppLanguage::ar, {zero, one, two, few, many, other}},
                                             Case{AppLanguage::ja, {other, other, other, other, other, other}},
                                             Case{AppLanguage::zhHans, {other, other, other, other, other, other}},
                                             Case{AppLanguage::zhHant, {other, other, other, other, other, other}},
                                             Case{AppLanguage::ko, {other, other, other, other, other, other}},
                                             Case{AppLanguage::de, {other, one, other, other, other, other}},
                                             Case{AppLanguage::es, {other, one, other, other, other, other}},
                                             Case{AppLanguage::it, {other, one, other, other, other, other}},
                                             Case{AppLanguage::pt, {one, one, other, other, other, other}}}) {
        const std::array<std::int64_t, 6> counts{0, 1, 2, 5, 11, 101};
        for (std::size_t i = 0; i < counts.size(); ++i)
            EXPECT_EQ(pluralCategory(language, counts[i]), expected[i]) << rawValue(language) << " " << counts[i];
    }
    // The rules look at the last two digits, not the whole number.
    EXPECT_EQ(pluralCategory(AppLanguage::ru, 12), many);
    EXPECT_EQ(pluralCategory(AppLanguage::ru, 22), few);
    EXPECT_EQ(pluralCategory(AppLanguage::ru, 111), many);
    EXPECT_EQ(pluralCategory(AppLanguage::ar, 103), few);
    EXPECT_EQ(pluralCategory(AppLanguage::ar, 111), many);
    EXPECT_EQ(pluralCategory(AppLanguage::ar, 200), other);
}
