#include "support/UntranslatedTexts.h"

#include "L10n/Catalogues.h"
#include "L10n/WindowTexts.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

namespace {

// Every message id of the catalogues, and whether it is a count text.
struct CatalogueMessage {
    std::string id;
    bool counted = false;
};

std::vector<CatalogueMessage> everyMessage()
{
    std::vector<CatalogueMessage> messages;
#define QM_MESSAGE(id) messages.push_back({id});
#include "L10n/CatalogueTextTable.inc"
#undef QM_MESSAGE
    for (const auto& [name, text] : WindowTexts::allText12())
        messages.push_back({std::string(text->id)});
    for (const auto& [name, id] : WindowTexts::allPluralTexts())
        messages.push_back({std::string(id), true});
    return messages;
}

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A count far from any the window shows, so it is found again in its English form.
constexpr std::int64_t kPluralSample = 7777;

// One text as each language says it: its forms at 1 and at many for a count text, with %n
// where the count goes.
std::vector<QString> formsOf(const CatalogueMessage& message, AppLanguage language)
{
    if (!message.counted)
        return {utf8(Catalogues::text(message.id, language))};
    std::vector<QString> forms;
    for (std::int64_t count : {std::int64_t(1), kPluralSample}) {
        QString form = QString::fromStdString(Catalogues::plural(message.id, language, count));
        static const QRegularExpression one(QStringLiteral("(?<![0-9])1(?![0-9])"));
        if (const qsizetype at = form.indexOf(one); count == 1 && at >= 0)
            form.replace(at, 1, QStringLiteral("%n"));
        else if (count != 1)
            form.replace(QString::number(count), QStringLiteral("%n"));
        forms.push_back(form);
    }
    return forms;
}

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Where `part` stands in `text` whole: not as the beginning or end of a longer word.
bool holdsWhole(const QString& text, const QString& part)
{
    for (qsizetype at = text.indexOf(part); at >= 0; at = text.indexOf(part, at + 1)) {
        const bool startsWord = at == 0 || !isWordCharacter(text[at - 1]) || !isWordCharacter(part.front());
        const qsizetype end = at + part.size();
        const bool endsWord = end == text.size() || !isWordCharacter(text[end]) || !isWordCharacter(part.back());
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

// A label without the marks around it: "↺ Undo Restore (4)" reads as "Undo Restore (4",
// "Measuring…" as "Measuring".
QString trimmedLabel(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && !text[begin].isLetterOrNumber() && text[begin] != u'%')
        ++begin;
    while (end > begin && !text[end - 1].isLetterOrNumber())
        --end;
    return text.mid(begin, end - begin);
}

bool hasLatinWord(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
    return text.contains(word);
}

int wordCount(const QString& text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return int(text.split(space, Qt::SkipEmptyParts).size());
}

// Where one label of a text ends and the next begins: "Downloads · inbox".
const QRegularExpression& labelBreak()
{
    static const QRegularExpression separator(QStringLiteral("\\n| · "));
    return separator;
}

const QRegularExpression& placeholder()
{
    static const QRegularExpression argument(QStringLiteral("%(?:[0-9]+|n)"));
    return argument;
}

// The English texts one language says otherwise.
struct EnglishLeft {
    QSet<QString> labels;                                       // short, without arguments
    QSet<QString> windowLabels;                                 // those the window can show
    std::vector<std::pair<QRegularExpression, QString>> shaped; // short, with arguments
    std::vector<QString> phrases;                               // three words or more
};

EnglishLeft englishSaidOtherwise(AppLanguage language)
{
    EnglishLeft left;
    const std::vector<CatalogueMessage> messages = everyMessage();
    QSet<QString> own; // every text and label of the language, as it says them
    for (const CatalogueMessage& message : messages)
        for (const QString& form : formsOf(message, language)) {
            own.insert(trimmedLabel(form));
            for (const QString& part : form.split(labelBreak()))
                own.insert(trimmedLabel(part));
        }
    // Kept on purpose where the language shows it as a text or a label of its own; within a
    // longer text of its own it would be English left in a translation.
    const auto saysItself = [&](const QString& english) { return own.contains(english); };
    for (const CatalogueMessage& message : messages) {
        const std::vector<QString> english = formsOf(message, AppLanguage::en);
        const std::vector<QString> theirs = formsOf(message, language);
        for (std::size_t form = 0; form < english.size(); ++form) {
            if (english[form] == theirs[form])
                continue;
            const QString label = trimmedLabel(english[form]);
            const QStringList pieces = english[form].split(placeholder());
            if (wordCount(label) < 3) {
                if (!hasLatinWord(label) || saysItself(label))
                    continue;
                if (pieces.size() == 1) {
                    left.labels.insert(label);
                    // The command line's words never show in the window.
                    if (!message.id.starts_with("cli."))
                        left.windowLabels.insert(label);
                    continue;
                }
                // A count is digits; any other argument anything ("vlc leftovers").
                QString pattern = QStringLiteral("^");
                qsizetype from = 0;
                for (auto found = placeholder().globalMatch(label); found.hasNext();) {
                    const auto match = found.next();
                    pattern += QRegularExpression::escape(label.mid(from, match.capturedStart() - from));
                    pattern += match.captured() == u"%n" ? QStringLiteral("[0-9][0-9.,\\s]*") : QStringLiteral(".+");
                    from = match.capturedEnd();
                }
                pattern += QRegularExpression::escape(label.mid(from)) + QStringLiteral("$");
                QRegularExpression shape(pattern);
                shape.optimize();
                left.shaped.emplace_back(shape, english[form]);
                continue;
            }
            // The text between its arguments, and each of its sentences: a sentence left in
            // English among translated ones is as wrong as the whole text.
            static const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.!?])\\s+"));
            for (const QString& piece : pieces) {
                QStringList phrases{piece};
                if (const QStringList sentences = piece.split(sentenceEnd); sentences.size() > 1)
                    phrases.append(sentences);
                for (const QString& candidate : phrases) {
                    const QString phrase = trimmedLabel(candidate);
                    if (wordCount(phrase) >= 3 && hasLatinWord(phrase) && !saysItself(phrase))
                        left.phrases.push_back(phrase);
                }
            }
        }
    }
    return left;
}

const EnglishLeft& englishLeftIn(AppLanguage language)
{
    static std::array<std::optional<EnglishLeft>, kAppLanguageCount> cache;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    auto& entry = cache[languageIndex(language)];
    if (!entry)
        entry = englishSaidOtherwise(language);
    return *entry;
}

} // namespace

std::optional<QString> untranslatedPart(const QString& text, AppLanguage language)
{
    if (language == AppLanguage::en)
        return std::nullopt;
    const EnglishLeft& left = englishLeftIn(language);
    for (const QString& part : text.split(labelBreak(), Qt::SkipEmptyParts)) {
        const QString label = trimmedLabel(part);
        if (left.labels.contains(label))
            return label;
        for (const auto& [shape, english] : left.shaped)
            if (shape.match(label).hasMatch())
                return english;
    }
    for (const QString& phrase : left.phrases)
        if (holdsWhole(text, phrase))
            return phrase;
    return std::nullopt;
}

std::optional<QString> englishLabelCalled(const QString& name)
{
    for (auto language : allCases<AppLanguage>()) {
        if (language == AppLanguage::en)
            continue;
        for (const QString& label : englishLeftIn(language).windowLabels)
            if (label.compare(name, Qt::CaseInsensitive) == 0)
                return label;
    }
    return std::nullopt;
}
