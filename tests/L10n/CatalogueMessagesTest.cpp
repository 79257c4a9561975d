// The cache catalogue's texts by message id: every message exists in all twelve languages
// with its arguments, reads in Simplified Chinese exactly as the engine's own wording, and a
// scan shown in German, Korean or Arabic carries no Chinese.
#include "L10n/MessageRenderer.h"
#include "Services/LinuxCacheRules.h"
#include "Services/SafeCacheRules.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

std::set<std::string> placeholders(std::string_view text)
{
    std::set<std::string> found;
    for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1))
        if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9')
            found.insert(std::string(text.substr(at, 2)));
    return found;
}

bool hasHanOrKana(std::string_view text)
{
    for (char32_t c : QString::fromUtf8(text.data(), qsizetype(text.size())).toStdU32String())
        if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF))
            return true;
    return false;
}

bool writesHan(AppLanguage language)
{
    return language == AppLanguage::zhHans || language == AppLanguage::zhHant || language == AppLanguage::ja;
}

// What a message reads as in Simplified Chinese must be what the engine wrote beside it.
void expectReadsAsEngine(const TextRef& ref, std::string_view engineText)
{
    const auto rendered = renderMessage(ref, AppLanguage::zhHans);
    ASSERT_TRUE(rendered) << "no message " << ref.id << " for " << engineText;
    EXPECT_EQ(*rendered, engineText) << ref.id;
}

void expectReadsAsEngine(const EngineText& text) { expectReadsAsEngine(text.ref(), text.text); }

} // namespace

TEST(CatalogueMessages, EveryMessageHasAllTwelveLanguagesWithItsArguments)
{
    std::set<std::string_view> ids;
    for (const MessageEntry& message : allMessages()) {
        SCOPED_TRACE(message.id);
        EXPECT_TRUE(ids.insert(message.id).second) << "id given twice";
        const auto wanted = placeholders(message.text(AppLanguage::zhHans));
        std::vector<std::string> args;
        for (std::size_t i = 0; i < wanted.size(); ++i)
            args.push_back("ARG" + std::to_string(i + 1));
        for (auto language : allCases<AppLanguage>()) {
            const std::string_view text = message.text(language);
            EXPECT_FALSE(text.empty()) << rawValue(language);
            // A banner's count and label stay in the engine's words; the others name the size.
            const bool saysLess = language != AppLanguage::zhHans && message.id.starts_with("banner.");
            const auto placed = saysLess ? placeholders(message.text(AppLanguage::en)) : wanted;
            EXPECT_EQ(placeholders(text), placed) << rawValue(language) << ": " << text;
            EXPECT_TRUE(std::includes(wanted.begin(), wanted.end(), placed.begin(), placed.end()));
            const std::string shown = *renderMessage({std::string(message.id), args}, language);
            for (const auto& arg : args)
                if (placed.count("%" + arg.substr(3))) {
                    EXPECT_NE(shown.find(arg), std::string::npos) << rawValue(language) << ": " << shown;
                }
            EXPECT_TRUE(placeholders(shown).empty()) << rawValue(language) << ": " << shown;
            if (language == AppLanguage::zhHans)
                continue;
            if (!writesHan(language)) {
                EXPECT_FALSE(hasHanOrKana(text)) << rawValue(language) << ": " << text;
            }
            for (std::string_view word : {"macOS", "Mac ", "Finder", "App Store", "访达", "苹果"})
                EXPECT_EQ(text.find(word), std::string_view::npos) << rawValue(language) << ": " << text;
        }
    }
    EXPECT_GE(ids.size(), 250u);
}

TEST(CatalogueMessages, ArgumentsGoInPlaceAndTheRestFollowInParentheses)
{
    EXPECT_EQ(renderMessage({"cache.chromeProfile.name", {"Profile 3", "Code Cache"}}, AppLanguage::en),
              "Chrome Profile [Profile 3] Web Cache (Code Cache)");
    EXPECT_EQ(renderMessage({"cache.firefox.name", {"abc.default", "cache2"}}, AppLanguage::de),
              "Firefox-Webcache (abc.default · cache2)");
    EXPECT_EQ(renderMessage({"cache.firefox.name", {}}, AppLanguage::de), "Firefox-Webcache");
    // In Arabic each piece keeps its own left-to-right order.
    EXPECT_EQ(renderMessage({"cache.dotCache.name", {"pip"}}, AppLanguage::ar),
              "الذاكرة العامة للذكاء الاصطناعي والأدوات (\u2066pip\u2069)");
    // A piece that looks like a placeholder is shown as it is, never expanded again.
    EXPECT_EQ(renderMessage({"cache.chromeProfile.name", {"%2", "x"}}, AppLanguage::en),
              "Chrome Profile [%2] Web Cache (x)");

    EXPECT_FALSE(renderMessage({"cache.no-such-text", {}}, AppLanguage::en));
    EXPECT_EQ(renderMessageOr({"cache.no-such-text", {}}, "自己的文字", AppLanguage::en), "自己的文字");
    EXPECT_EQ(renderMessageOr({}, "自己的文字", AppLanguage::de), "自己的文字");
}

// The field that ties a folder to an app is named in the language; its value stays as written.
TEST(CatalogueMessages, ALeftoversRuleNamesItsFieldInTheLanguageAndKeepsItsValue)
{
    EXPECT_EQ(renderLeftoverRule("Package: audacity", AppLanguage::ja), "パッケージ名：audacity");
    EXPECT_EQ(renderLeftoverRule("Exec: libreoffice", AppLanguage::de), "Programmname: libreoffice");
    EXPECT_EQ(renderLeftoverRule("StartupWMClass: VLC", AppLanguage::en), "Window class: VLC");
    EXPECT_EQ(renderLeftoverRule("vlc.desktop", AppLanguage::ko), "실행기: vlc.desktop");
    EXPECT_EQ(renderLeftoverRule("Package: vlc", AppLanguage::ar), "اسم الحزمة: \u2066vlc\u2069");
    // A rule of no known field is shown as the engine wrote it.
    EXPECT_EQ(renderLeftoverRule("~/.cache/vlc", AppLanguage::fr), "~/.cache/vlc");
    EXPECT_EQ(renderCardCategory(CleanCategoryFilter::aiAndDev, AppLanguage::zhHans), "AI 与开发工具");
    EXPECT_EQ(renderCardCategory(CleanCategoryFilter::systemTemp, AppLanguage::en), "System & Trash");
}

TEST(CatalogueMessages, EveryTextTheCatalogueMakesReadsInChineseAsTheEngineWroteIt)
{
    for (std::size_t card = 0; card < 4; ++card) {
        const SafeCacheRuleCard shell = safecache::cardShell(card);
        expectReadsAsEngine(shell.titleRef, shell.title);
        expectReadsAsEngine(shell.subtitleRef, shell.subtitle);
        expectReadsAsEngine(shell.promiseRef, shell.protectionPromise);
    }
    for (auto rules :
         {safecache::browserRules(), safecache::officeSocialRules(), safecache::aiDevRules(), safecache::systemRules()})
        for (const safecache::Rule& rule : rules) {
            expectReadsAsEngine(rule.name);
            expectReadsAsEngine(rule.note);
            expectReadsAsEngine(rule.verificationDetail);
        }
    using namespace safecache;
    for (const EngineText& text :
         {kChromeProfileNote, kChromeProfileBadge, kChromeProfileDetail, kDotCacheNote, kDotCacheBadge, kDotCacheDetail,
          kPureCacheBadge, kProtectedByDefaultBadge, kRebuildableBadge, kSystemCacheBadge, kLastModifiedText,
          kRunningBadge, kRunningNote})
        expectReadsAsEngine(text);
    expectReadsAsEngine(chromeProfileItemNameRef("Profile 2", "Code Cache"),
                        chromeProfileItemName("Profile 2", "Code Cache"));
    expectReadsAsEngine(dotCacheItemNameRef("huggingface"), dotCacheItemName("huggingface"));

    // Linux places, with as many varying parts as their patterns have.
    for (const linuxcache::Rule& rule : linuxcache::rules()) {
        SCOPED_TRACE(rule.pattern);
        expectReadsAsEngine(rule.note);
        expectReadsAsEngine(rule.detail);
        for (std::size_t parts = 0; parts <= 2; ++parts) {
            linuxcache::Location location{"/home/u/x", {}, "Service Worker/CacheStorage"};
            for (std::size_t i = 0; i < parts; ++i)
                location.parts.push_back(i ? "Cache" : "Profile 1");
            if (rule.style == linuxcache::NameStyle::browserProfile && parts == 0)
                continue; // a profile rule always names its profile
            expectReadsAsEngine(linuxcache::itemNameRef(rule, location), linuxcache::itemName(rule, location));
        }
    }
}

namespace {

// The texts of the readable report's cards and items, in order: "key: text" lines.
std::vector<std::string> shownTexts(const std::string& report)
{
    static const std::regex line(
        R"(^\s*(label|title|subtitle|protectionPromise|name|note|safetyLevel|verificationDetail|)"
        R"(lastModifiedText): (.*)$)");
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (start < report.size()) {
        const auto end = std::min(report.find('\n', start), report.size());
        const std::string text = report.substr(start, end - start);
        if (std::smatch match; std::regex_match(text, match, line))
            texts.push_back(match[1].str() + ": " + match[2].str());
        start = end + 1;
    }
    return texts;
}

} // namespace

TEST(CatalogueMessages, AScanShownInGermanKoreanOrArabicHoldsNoChinese)
{
    TempHome home;
    for (const char* folder :
         {".cache/pip/http", ".cache/mozilla/firefox/x1.default/cache2", ".config/google-chrome/Default/GPUCache",
          ".config/google-chrome/Default/Service Worker/CacheStorage", ".config/Slack/Cache", ".npm/_cacache",
          ".var/app/org.example.Viewer/cache", ".codex/sessions", ".wine/drive_c", ".cache/thumbnails/large",
          ".cache/fontconfig", ".local/share/Trash/files/old"})
        home.allocatedFile(std::string(folder) + "/blob", 4 * MiB);

    const auto scan = [&](const char* language) {
        const auto run = runProgram({QUILLMERE_CLI_PATH, "scan", "--home", home.path(), "--lang", language});
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        return shownTexts(run.out);
    };
    const auto chinese = scan("zh-Hans");
    // Every card and every place above, each with its name, note, badge, detail and age text.
    ASSERT_GE(chinese.size(), 4u * 3 + 12u * 5);
    for (const char* language : {"de", "ko", "ar"}) {
        const auto shown = scan(language);
        ASSERT_EQ(shown.size(), chinese.size()) << language;
        for (const auto& text : shown)
            EXPECT_FALSE(hasHanOrKana(text)) << language << " " << text;
    }

    // --json keeps the engine's words.
    const auto json = runProgram({QUILLMERE_CLI_PATH, "scan", "--json", "--home", home.path(), "--lang", "de"});
    EXPECT_NE(json.out.find("\"已核实：标准 ~/.cache\""), std::string::npos);
    EXPECT_NE(json.out.find("\"Firefox 网页缓存 (x1.default · cache2)\""), std::string::npos);
}
