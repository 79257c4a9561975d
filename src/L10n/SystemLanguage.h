#pragma once
// Which of the twelve languages the system's locale settings ask for, read the way
// gettext reads them: LC_ALL, then LC_MESSAGES, then LANG decide the locale; unless that
// locale is C or POSIX, the LANGUAGE list (colon-separated, most wanted first) goes before it.

#include "L10n/AppLanguage.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The language a locale name speaks ("de_DE.UTF-8" → de, "zh_TW" → zh-Hant, "zh" →
// zh-Hans, "pt_PT" → pt), when it is one of the twelve. C and POSIX speak English.
std::optional<AppLanguage> languageOfLocale(std::string_view locale);

using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// What a C or POSIX locale asks for: English (a terminal's tools speak it there), or none
// (a window keeps its own default).
enum class CLocale { meansEnglish, namesNone };

// nullopt when nothing is set or no locale asked for names one of the twelve.
std::optional<AppLanguage> languageOfEnvironment(const EnvironmentLookup& environment, CLocale c);
// The same for this process's environment.
std::optional<AppLanguage> systemLanguage(CLocale c);
