#include "L10n/PluralForms.h"
#include "L10n/AppLanguage.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

TEST(PluralForms, EachLanguageFollowsItsOwnRule)
{
    using enum PluralCategory;
    using enum AppLanguage;
    struct Case {
        std::vector<AppLanguage> languages;
        std::array<PluralCategory, 6> at0_1_2_5_11_101;
    };
    const std::array<std::int64_t, 6> counts{0, 1, 2, 5, 11, 101};
    for (const auto& [languages, expected] :
         {Case{{en, de, es, it}, {other, one, other, other, other, other}},
          Case{{fr, pt}, {one, one, other, other, other, other}}, Case{{ru}, {many, one, few, many, many, one}},
          Case{{ar}, {zero, one, two, few, many, other}},
          Case{{ja, zhHans, zhHant, ko}, {other, other, other, other, other, other}}})
        for (AppLanguage language : languages)
            for (std::size_t i = 0; i < counts.size(); ++i)
                EXPECT_EQ(pluralCategory(language, counts[i]), expected[i]) << rawValue(language) << " " << counts[i];
    // The rules look at the last two digits, not the whole number.
    EXPECT_EQ(pluralCategory(ru, 12), many);
    EXPECT_EQ(pluralCategory(ru, 22), few);
    EXPECT_EQ(pluralCategory(ru, 111), many);
    EXPECT_EQ(pluralCategory(ar, 103), few);
    EXPECT_EQ(pluralCategory(ar, 111), many);
    EXPECT_EQ(pluralCategory(ar, 200), other);
}
