#include "Cli/CliLanguage.h"

#include "L10n/SystemLanguage.h"

namespace cli {

namespace {
std::optional<AppLanguage> chosen;
} // namespace

std::optional<AppLanguage> languageNamed(std::string_view name)
{
    if (const auto exact = fromRaw<AppLanguage>(name))
        return exact;
    return name.empty() ? std::nullopt : languageOfLocale(name);
}

void setLanguage(AppLanguage language) { chosen = language; }

AppLanguage language()
{
    if (!chosen)
        chosen = systemLanguage(CLocale::meansEnglish).value_or(AppLanguage::en);
    return *chosen;
}

} // namespace cli
