#include "L10n/LocalizedAppName.h"

#include <array>

namespace {

// The launcher locales that speak each language, most specific first. Chinese is never
// the bare "zh" first: its script decides which of the two it is.
std::vector<std::string_view> localesOf(AppLanguage language)
{
    switch (language) {
    case AppLanguage::zhHans:
        return {"zh_CN", "zh_SG", "zh"};
    case AppLanguage::zhHant:
        return {"zh_TW", "zh_HK"};
    case AppLanguage::pt:
        return {"pt_BR", "pt"};
    case AppLanguage::en:
        return {"en_US", "en"};
    default:
        return {code(language)};
    }
}

} // namespace

std::string localizedAppName(const InstalledAppItem& app, AppLanguage language)
{
    for (std::string_view locale : localesOf(language)) {
        if (const auto found = app.localizedNames.find(std::string(locale)); found != app.localizedNames.end())
            return found->second;
        // "de" also finds "de_DE" when that is the only German a launcher has.
        if (locale.find('_') == std::string_view::npos)
            for (const auto& [each, name] : app.localizedNames)
                if (each.starts_with(std::string(locale) + "_"))
                    return name;
    }
    return app.name;
}
