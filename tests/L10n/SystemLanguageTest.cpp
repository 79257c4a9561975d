// Which language the locale settings ask for, and the command line speaking it.
#include "L10n/SystemLanguage.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::optional<AppLanguage> asked(std::map<std::string, std::string> variables, CLocale c = CLocale::meansEnglish)
{
    return languageOfEnvironment(
        [&](const char* name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            return found == variables.end() ? std::nullopt : std::optional(found->second);
        },
        c);
}

} // namespace

TEST(SystemLanguage, LocalesAndTheOrderGettextReadsThemIn)
{
    EXPECT_EQ(languageOfLocale("de_DE.UTF-8"), AppLanguage::de);
    EXPECT_EQ(languageOfLocale("zh_TW.UTF-8"), AppLanguage::zhHant);
    EXPECT_EQ(languageOfLocale("zh_HK"), AppLanguage::zhHant);
    EXPECT_EQ(languageOfLocale("zh_CN.GB18030"), AppLanguage::zhHans);
    EXPECT_EQ(languageOfLocale("zh-Hant"), AppLanguage::zhHant);
    EXPECT_EQ(languageOfLocale("pt_PT"), AppLanguage::pt);
    EXPECT_EQ(languageOfLocale("sr_RS@latin"), std::nullopt);
    EXPECT_EQ(languageOfLocale("POSIX"), AppLanguage::en);
    EXPECT_EQ(languageOfLocale(""), std::nullopt);

    EXPECT_EQ(asked({{"LANG", "fr_FR.UTF-8"}}), AppLanguage::fr);
    EXPECT_EQ(asked({{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "it_IT.UTF-8"}}), AppLanguage::it);
    EXPECT_EQ(asked({{"LC_ALL", "ko_KR.UTF-8"}, {"LC_MESSAGES", "it_IT.UTF-8"}}), AppLanguage::ko);
    // LANGUAGE's list goes first, its first known entry wins; under C it is not read.
    EXPECT_EQ(asked({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "nl:ru:en"}}), AppLanguage::ru);
    EXPECT_EQ(asked({{"LANG", "C.UTF-8"}, {"LANGUAGE", "ru"}}), AppLanguage::en);
    EXPECT_EQ(asked({{"LANG", "C.UTF-8"}}, CLocale::namesNone), std::nullopt); // the window keeps its default
    EXPECT_EQ(asked({{"LANG", "nl_NL.UTF-8"}}), std::nullopt);
    EXPECT_EQ(asked({}), std::nullopt);
}

TEST(SystemLanguage, TheCommandLineSpeaksTheLocalesLanguageUnlessToldAnother)
{
    TempHome home;
    home.file(".cache/mozilla/firefox/p.default/cache2/entry", 6 << 20);
    const auto titles = [&](std::vector<std::string> extra, std::vector<std::string> env) {
        std::vector<std::string> argv{QUILLMERE_CLI_PATH, "scan", "--quiet", "--home", home.path()};
        argv.insert(argv.end(), extra.begin(), extra.end());
        const ProgramResult run = runProgram(argv, env);
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        return run.out;
    };
    EXPECT_NE(titles({}, {"LANG=C.UTF-8", "LANGUAGE="}).find("Browser & Web Media Cache"), std::string::npos);
    EXPECT_NE(titles({}, {"LANG=de_DE.UTF-8", "LANGUAGE="}).find("Browser- & Web-Mediencache"), std::string::npos);
    EXPECT_NE(titles({"--lang", "zh-Hans"}, {"LANG=de_DE.UTF-8"}).find("浏览器"), std::string::npos);
    // Scripts read the engine's own words whatever the locale.
    EXPECT_NE(titles({"--json"}, {"LANG=de_DE.UTF-8"}).find("浏览器"), std::string::npos);
    const ProgramResult unknown = runProgram({QUILLMERE_CLI_PATH, "scan", "--lang", "xx", "--home", home.path()});
    EXPECT_EQ(unknown.exitStatus, 2);
}
