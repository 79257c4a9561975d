#include "L10n/SystemLanguage.h"

#include <cstdlib>

namespace {

bool isPlainC(std::string_view locale)
{
    locale = locale.substr(0, locale.find_first_of(".@"));
    return locale == "C" || locale == "POSIX";
}

} // namespace

std::optional<AppLanguage> languageOfLocale(std::string_view locale)
{
    if (isPlainC(locale))
        return AppLanguage::en;
    locale = locale.substr(0, locale.find_first_of(".@"));
    const std::string_view base = locale.substr(0, locale.find_first_of("_-"));
    const std::string_view region = locale.size() > base.size() ? locale.substr(base.size() + 1) : std::string_view();
    if (base == "zh")
        return region == "TW" || region == "HK" || region == "MO" || region == "Hant" ? AppLanguage::zhHant
                                                                                      : AppLanguage::zhHans;
    for (AppLanguage language : allCases<AppLanguage>())
        if (code(language) == base)
            return language;
    return std::nullopt;
}

std::optional<AppLanguage> languageOfEnvironment(const EnvironmentLookup& environment, CLocale c)
{
    const auto english = c == CLocale::meansEnglish ? std::optional(AppLanguage::en) : std::nullopt;
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (auto value = environment(name); value && !value->empty()) {
            locale = *std::move(value);
            break;
        }
    if (!locale.empty() && isPlainC(locale))
        return english;
    if (const auto wanted = environment("LANGUAGE"); wanted && !wanted->empty()) {
        std::string_view list = *wanted;
        while (!list.empty()) {
            const auto colon = list.find(':');
            const std::string_view entry = list.substr(0, colon);
            if (const auto language = languageOfLocale(entry); language && !isPlainC(entry))
                return language;
            if (colon == std::string_view::npos)
                break;
            list.remove_prefix(colon + 1);
        }
    }
    return locale.empty() ? std::nullopt : languageOfLocale(locale);
}

std::optional<AppLanguage> systemLanguage(CLocale c)
{
    return languageOfEnvironment(
        [](const char* name) -> std::optional<std::string> {
            const char* value = std::getenv(name);
            return value ? std::optional<std::string>(value) : std::nullopt;
        },
        c);
}
