// The menu entry speaks every language the window speaks.
#include "L10n/AppLanguage.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

// Desktop entries name Chinese scripts by region.
std::string desktopLocale(AppLanguage language)
{
    if (language == AppLanguage::zhHans)
        return "zh_CN";
    if (language == AppLanguage::zhHant)
        return "zh_TW";
    return std::string(code(language));
}

std::map<std::string, std::string> entryKeys(const std::string& text)
{
    std::map<std::string, std::string> keys;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (const auto equals = line.find('='); equals != std::string::npos && line[0] != '#')
            keys[line.substr(0, equals)] = line.substr(equals + 1);
    return keys;
}

} // namespace

TEST(DesktopEntry, NamesAndDescribesTheProgramInEveryLanguageOfTheWindow)
{
    const auto keys = entryKeys(readFileBytes(QUILLMERE_DESKTOP_ENTRY));
    ASSERT_TRUE(keys.count("Comment"));
    for (AppLanguage language : allCases<AppLanguage>()) {
        if (language == AppLanguage::en)
            continue; // the untranslated keys are English
        const std::string locale = desktopLocale(language);
        EXPECT_EQ(keys.count("Name[" + locale + "]"), 1u) << locale;
        for (const std::string key : {"GenericName", "Comment"}) {
            const auto translated = keys.find(key + "[" + locale + "]");
            ASSERT_NE(translated, keys.end()) << key << " " << locale;
            EXPECT_NE(translated->second, keys.at(key)) << key << " " << locale << " is still English";
        }
    }
}
