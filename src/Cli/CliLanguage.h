#pragma once
// The language the command line writes its names, titles and final lines in: --lang
// when given, else the one the locale settings ask for (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG), English for C and POSIX and for languages the program does not speak. JSON
// output stays as the engine writes it, for scripts.

#include "L10n/AppLanguage.h"

#include <optional>
#include <string_view>

namespace cli {

// "de", "zh-Hans", "pt_BR", "zh_TW.UTF-8": one of the twelve, or nullopt.
std::optional<AppLanguage> languageNamed(std::string_view name);
void setLanguage(AppLanguage language);
AppLanguage language();

} // namespace cli
