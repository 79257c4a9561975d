#include "L10n/AppLanguage.h"

namespace {

struct LanguageRow {
    AppLanguage language;
    std::string_view code;
    std::string_view nativeName;
    std::string_view flag;
    std::string_view marketRegion;
};

constexpr std::array<LanguageRow, kAppLanguageCount> kLanguages{{
    {AppLanguage::zhHans, "zh-Hans", "简体中文", "🇨🇳", "中国大陆 / 新加坡"},
    {AppLanguage::en, "en", "English", "🇺🇸", "US / UK / CA / AU / Global"},
    {AppLanguage::ja, "ja", "日本語", "🇯🇵", "日本"},
    {AppLanguage::zhHant, "zh-Hant", "繁體中文", "🇹🇼", "香港 / 澳門 / 台灣"},
    {AppLanguage::ko, "ko", "한국어", "🇰🇷", "대한민국"},
    {AppLanguage::de, "de", "Deutsch", "🇩🇪", "Deutschland / AT / CH"},
    {AppLanguage::fr, "fr", "Français", "🇫🇷", "France / Canada / EU"},
    {AppLanguage::es, "es", "Español", "🇪🇸", "España / LATAM / US"},
    {AppLanguage::pt, "pt", "Português", "🇧🇷", "Brasil / Portugal"},
    {AppLanguage::ru, "ru", "Русский", "🇷🇺", "CIS / Восточная Европа"},
    {AppLanguage::it, "it", "Italiano", "🇮🇹", "Italia / Svizzera"},
    {AppLanguage::ar, "ar", "العربية", "🇸🇦", "UAE / Saudi / MENA"},
}};

// The table is in enumeration order, so a language's row is at its index.
const LanguageRow& row(AppLanguage language) { return kLanguages[languageIndex(language)]; }

} // namespace

std::string_view rawValue(AppLanguage language) { return row(language).code; }
std::string_view nativeName(AppLanguage language) { return row(language).nativeName; }
std::string_view flag(AppLanguage language) { return row(language).flag; }
std::string_view marketRegion(AppLanguage language) { return row(language).marketRegion; }

template <> std::optional<AppLanguage> fromRaw<AppLanguage>(std::string_view raw)
{
    for (const auto& entry : kLanguages)
        if (entry.code == raw)
            return entry.language;
    return std::nullopt;
}

template <> const std::vector<AppLanguage>& allCases<AppLanguage>()
{
    static const std::vector<AppLanguage> cases = [] {
        std::vector<AppLanguage> all;
        for (const auto& entry : kLanguages)
            all.push_back(entry.language);
        return all;
    }();
    return cases;
}

AppLanguage currentLanguage(std::string_view storedCode)
{
    return fromRaw<AppLanguage>(storedCode).value_or(AppLanguage::zhHans);
}
