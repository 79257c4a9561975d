// The command line's messages as the catalogues hold them: each cli.* message resolves in all
// twelve languages with the same arguments as English (count texts in every form), and help
// paragraphs translated from English fit a terminal of 80 columns.
#include "L10n/Catalogues.h"
#include "L10n/PluralForms.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct CliMessage {
    std::string id;
    bool numerus = false;
};

std::vector<CliMessage> cliMessagesOfTheEnglishCatalogue()
{
    std::vector<CliMessage> messages;
    QFile file(QStringLiteral(QUILLMERE_TRANSLATIONS_DIR "/quillmere_en.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"message") {
            const std::string id = xml.attributes().value(QLatin1String("id")).toString().toStdString();
            if (id.starts_with("cli."))
                messages.push_back({id, xml.attributes().value(QLatin1String("numerus")) == u"yes"});
        }
    return messages;
}

std::set<std::string> argumentsIn(const std::string& text)
{
    std::set<std::string> found;
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1))
        if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9')
            found.insert(text.substr(at, 2));
    return found;
}

// Terminal columns: Han, kana, Hangul and full-width forms take two.
int columns(const std::string& line)
{
    int used = 0;
    for (char32_t c : QString::fromStdString(line).toStdU32String())
        used += (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                        (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFF60)
                    ? 2
                    : 1;
    return used;
}

} // namespace

TEST(CliMessages, EveryMessageIsSaidInEveryLanguageWithItsArguments)
{
    const auto messages = cliMessagesOfTheEnglishCatalogue();
    ASSERT_GE(messages.size(), 100u);
    for (const CliMessage& message : messages) {
        const auto english = argumentsIn(message.numerus ? Catalogues::plural(message.id, AppLanguage::en, 5)
                                                         : std::string(Catalogues::text(message.id, AppLanguage::en)));
        for (auto language : allCases<AppLanguage>()) {
            ASSERT_TRUE(Catalogues::has(message.id, language)) << message.id << " " << code(language);
            if (!message.numerus) {
                EXPECT_EQ(argumentsIn(std::string(Catalogues::text(message.id, language))), english)
                    << message.id << " " << code(language);
                continue;
            }
            // Every form, at counts of each category; a form may spell its count out.
            for (std::int64_t count : {0, 1, 2, 3, 5, 11, 21, 101, 102}) {
                const std::string form = Catalogues::plural(message.id, language, count);
                EXPECT_EQ(argumentsIn(form), english) << message.id << " " << code(language) << " at " << count;
                if (pluralCategory(language, count) == pluralCategories(language).back()) {
                    EXPECT_NE(form.find(std::to_string(count)), std::string::npos)
                        << message.id << " " << code(language) << ": " << form;
                }
            }
        }
    }
}

TEST(CliMessages, HelpParagraphsFitEightyColumnsInEveryLanguage)
{
    for (const char* id :
         {"cli.help.options", "cli.help.scan.details", "cli.help.size.details", "cli.help.phase.details",
          "cli.help.clean.details", "cli.help.history.details", "cli.help.restore.details"})
        for (auto language : allCases<AppLanguage>()) {
            if (language == AppLanguage::en)
                continue; // as it always was, a few lines a little longer
            const std::string text(Catalogues::text(id, language));
            EXPECT_FALSE(text.empty()) << id << " " << code(language);
            EXPECT_NE(text.back(), '\n') << id << " " << code(language); // the code ends the paragraph
            std::size_t start = 0;
            for (std::size_t end = text.find('\n'); start <= text.size();
                 start = end + 1, end = text.find('\n', start)) {
                const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
                EXPECT_LE(columns(line), 80) << id << " " << code(language) << ": " << line;
                if (end == std::string::npos)
                    break;
            }
        }
}
