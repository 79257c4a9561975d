#include "L10n/Catalogues.h"

#include <QByteArray>
#include <QString>
#include <QTranslator>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <shared_mutex>

namespace {

// Id-based catalogues carry no context.
constexpr const char* kCatalogueContext = "";

struct LanguageCatalogue {
    QTranslator translator;
    // Texts handed out so far: a std::map never moves its values, so views into them stay valid.
    std::map<std::string, std::string, std::less<>> interned;
    mutable std::shared_mutex internedLock;
};

struct CatalogueSet {
    std::array<std::unique_ptr<LanguageCatalogue>, kAppLanguageCount> languages;

    CatalogueSet()
    {
        for (AppLanguage language : allCases<AppLanguage>()) {
            auto catalogue = std::make_unique<LanguageCatalogue>();
            QString name = QString::fromUtf8(code(language).data(), qsizetype(code(language).size()));
            name.replace(QLatin1Char('-'), QLatin1Char('_'));
            // A missing file leaves the translator empty; every lookup then comes back empty and the
            // completeness test names the language.
            (void)catalogue->translator.load(QStringLiteral(":/i18n/quillmere_%1.qm").arg(name));
            languages[languageIndex(language)] = std::move(catalogue);
        }
    }
};

LanguageCatalogue& catalogueFor(AppLanguage language)
{
    // Made once, thread-safely, and never destroyed: texts handed out stay valid while other
    // statics and worker threads wind down at exit.
    static const CatalogueSet& set = *new CatalogueSet;
    return *set.languages[languageIndex(language)];
}

QString lookUp(const LanguageCatalogue& catalogue, std::string_view id, int count)
{
    const QByteArray key(id.data(), qsizetype(id.size())); // translate() wants it NUL-terminated
    return catalogue.translator.translate(kCatalogueContext, key.constData(), nullptr, count);
}

} // namespace

namespace Catalogues {

std::string_view text(std::string_view id, AppLanguage language)
{
    LanguageCatalogue& catalogue = catalogueFor(language);
    {
        std::shared_lock lock(catalogue.internedLock);
        if (auto found = catalogue.interned.find(id); found != catalogue.interned.end())
            return found->second;
    }
    // QTranslator::translate only reads the loaded catalogue, so it needs no lock of its own.
    std::string translated = lookUp(catalogue, id, -1).toStdString();
    std::unique_lock lock(catalogue.internedLock);
    return catalogue.interned.try_emplace(std::string(id), std::move(translated)).first->second;
}

std::string plural(std::string_view id, AppLanguage language, std::int64_t count)
{
    // Qt's plural rules take an int and look at the last two digits beyond 2; counts are never
    // negative here, and the magnitude keeps a stray sign from picking a wrong form.
    const std::uint64_t magnitude = count < 0 ? std::uint64_t(0) - std::uint64_t(count) : std::uint64_t(count);
    const int ruleCount = magnitude > 1000000 ? int(magnitude % 1000000 + 1000000) : int(magnitude);
    std::string form = lookUp(catalogueFor(language), id, ruleCount).toStdString();
    const std::string number = std::to_string(count);
    for (auto at = form.find("%n"); at != std::string::npos; at = form.find("%n", at + number.size()))
        form.replace(at, 2, number);
    return form;
}

bool has(std::string_view id, AppLanguage language) { return !lookUp(catalogueFor(language), id, -1).isNull(); }

} // namespace Catalogues

std::string_view Text12::operator()(AppLanguage language) const { return Catalogues::text(id, language); }
