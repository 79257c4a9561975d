// The translation catalogues as translators hand them in (translations/*.ts): every message
// finished and present in all twelve languages, count texts with each language's number of
// forms, and every id the code uses resolving in the compiled catalogues to the same text.
#include "L10n/Catalogues.h"
#include "L10n/MessageRenderer.h"
#include "L10n/PluralForms.h"
#include "L10n/QuillmereL10n.h"
#include "L10n/WindowTexts.h"
#include "Theme/CorvelPalette.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct TsMessage {
    bool numerus = false;
    std::string type;               // the translation's type attribute: unfinished, obsolete, vanished
    std::vector<std::string> forms; // one for a plain message
};

struct TsCatalogue {
    bool read = false;
    std::string language; // the TS element's language attribute
    std::map<std::string, TsMessage> messages;
    std::vector<std::string> duplicates;
};

std::string tsFileName(AppLanguage language)
{
    std::string name(code(language));
    std::replace(name.begin(), name.end(), '-', '_');
    return std::string(QUILLMERE_TRANSLATIONS_DIR) + "/quillmere_" + name + ".ts";
}

TsCatalogue readTs(AppLanguage language)
{
    TsCatalogue catalogue;
    QFile file(QString::fromStdString(tsFileName(language)));
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    QXmlStreamReader xml(&file);
    std::string id;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"TS") {
                catalogue.language = xml.attributes().value(QLatin1String("language")).toString().toStdString();
            } else if (name == u"message") {
                id = xml.attributes().value(QLatin1String("id")).toString().toStdString();
                message = TsMessage{};
                message.numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (name == u"translation") {
                message.type = xml.attributes().value(QLatin1String("type")).toString().toStdString();
                if (!message.numerus)
                    message.forms.push_back(xml.readElementText(QXmlStreamReader::IncludeChildElements).toStdString());
            } else if (name == u"numerusform") {
                message.forms.push_back(xml.readElementText().toStdString());
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            if (!catalogue.messages.emplace(id, message).second)
                catalogue.duplicates.push_back(id);
        }
    }
    catalogue.read = !xml.hasError();
    EXPECT_FALSE(xml.hasError()) << tsFileName(language) << ": " << xml.errorString().toStdString();
    return catalogue;
}

const std::map<AppLanguage, TsCatalogue>& catalogues()
{
    static const auto all = [] {
        std::map<AppLanguage, TsCatalogue> read;
        for (auto language : allCases<AppLanguage>())
            read.emplace(language, readTs(language));
        return read;
    }();
    return all;
}

std::string withCount(std::string form, std::int64_t count)
{
    const std::string number = std::to_string(count);
    for (auto at = form.find("%n"); at != std::string::npos; at = form.find("%n", at + number.size()))
        form.replace(at, 2, number);
    return form;
}

// Every id the code names in a table it shows.
std::vector<std::pair<std::string, const Text12*>> idsTheCodeUses()
{
    std::vector<std::pair<std::string, const Text12*>> texts;
    for (const auto& [name, text] : WindowTexts::allText12())
        texts.emplace_back(std::string(text->id), text);
    for (const MessageEntry& message : allMessages())
        texts.emplace_back(std::string(message.id), &message.text);
    for (const Text12* title :
         {&SharedTitles::rescanHeroTitle, &SharedTitles::scanningNowTitle, &SharedTitles::reclaimableLabel,
          &SharedTitles::selectedToReclaimTitle, &SharedTitles::smartCleanAllTitle, &SharedTitles::undoRestoreTitle})
        texts.emplace_back(std::string(title->id), title);
    for (auto category : allCases<LargeFileCategory>())
        texts.emplace_back(std::string(categoryNameTable(category).id), &categoryNameTable(category));
    for (auto mode : allCases<CorvelAppearanceMode>())
        texts.emplace_back(std::string(appearanceNameTable(mode).id), &appearanceNameTable(mode));
    return texts;
}

} // namespace

TEST(CatalogueCompleteness, EveryLanguageHasEveryMessageFinished)
{
    const TsCatalogue& english = catalogues().at(AppLanguage::en);
    ASSERT_TRUE(english.read) << tsFileName(AppLanguage::en);
    EXPECT_GE(english.messages.size(), 450u);
    std::set<std::string> allIds;
    for (const auto& [language, catalogue] : catalogues())
        for (const auto& [id, message] : catalogue.messages)
            allIds.insert(id);

    for (const auto& [language, catalogue] : catalogues()) {
        const std::string file = tsFileName(language);
        ASSERT_TRUE(catalogue.read) << file;
        EXPECT_TRUE(catalogue.duplicates.empty()) << file << ": " << catalogue.duplicates.front();
        for (const auto& id : allIds)
            EXPECT_TRUE(catalogue.messages.contains(id)) << file << " lacks " << id;
        const std::size_t formsWanted = pluralCategories(language).size();
        for (const auto& [id, message] : catalogue.messages) {
            // unfinished, obsolete and vanished all mean the text is not one to ship.
            EXPECT_TRUE(message.type.empty()) << file << " " << id << " is " << message.type;
            ASSERT_FALSE(message.forms.empty()) << file << " " << id;
            for (const auto& form : message.forms)
                EXPECT_FALSE(form.empty()) << file << " " << id << " has an empty translation";
            if (message.numerus) {
                EXPECT_EQ(message.forms.size(), formsWanted) << file << " " << id;
            }
            if (auto other = english.messages.find(id); other != english.messages.end()) {
                EXPECT_EQ(message.numerus, other->second.numerus) << file << " " << id;
            }
        }
    }
}

TEST(CatalogueCompleteness, EveryIdTheCodeUsesResolvesToItsCatalogueText)
{
    const auto texts = idsTheCodeUses();
    EXPECT_GE(texts.size(), 450u);
    for (const auto& [language, catalogue] : catalogues())
        for (const auto& [id, text] : texts) {
            ASSERT_TRUE(Catalogues::has(id, language)) << id << " " << code(language);
            const auto found = catalogue.messages.find(id);
            ASSERT_NE(found, catalogue.messages.end()) << id << " " << code(language);
            // Byte for byte what the translator wrote: lrelease and the lookup change nothing.
            EXPECT_EQ((*text)(language), found->second.forms.front()) << id << " " << code(language);
        }
    EXPECT_FALSE(Catalogues::has("window.noSuchText", AppLanguage::en));
    EXPECT_TRUE(Catalogues::text("window.noSuchText", AppLanguage::de).empty());
    EXPECT_TRUE(Catalogues::plural("window.noSuchCount", AppLanguage::en, 1).empty());
}

// Qt picks a count text's form by its own rules for the catalogue's language; they must pick
// the form the translator wrote for that count's CLDR category.
TEST(CatalogueCompleteness, QtsPluralRulesPickTheFormOfEachCountsCategory)
{
    ASSERT_EQ(WindowTexts::allPluralTexts().size(), 4u);
    for (const auto& [language, catalogue] : catalogues()) {
        const auto categories = pluralCategories(language);
        for (const auto& [name, id] : WindowTexts::allPluralTexts()) {
            const auto found = catalogue.messages.find(std::string(id));
            ASSERT_NE(found, catalogue.messages.end()) << id;
            ASSERT_TRUE(found->second.numerus) << id;
            ASSERT_EQ(found->second.forms.size(), categories.size()) << id << " " << code(language);
            for (std::int64_t count = 0; count <= 1030; count += count < 250 ? 1 : 17) {
                const auto category = pluralCategory(language, count);
                const auto index =
                    std::size_t(std::find(categories.begin(), categories.end(), category) - categories.begin());
                EXPECT_EQ(Catalogues::plural(id, language, count), withCount(found->second.forms[index], count))
                    << id << " " << code(language) << " at " << count;
            }
        }
    }
}
