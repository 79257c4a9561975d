#pragma once
// The twelve languages of the window, and Text12: a translatable text named by its message id.
// Nothing here consults the system locale.

#include "Models/StorageModels.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

enum class AppLanguage { zhHans, en, ja, zhHant, ko, de, fr, es, pt, ru, it, ar };

inline constexpr std::size_t kAppLanguageCount = 12;
inline constexpr std::string_view kLanguageDefaultsKey = "QuillmereLanguage";
inline constexpr std::string_view kDefaultLanguageCode = "zh-Hans";

// The language code: "zh-Hans", "en", "ja", "zh-Hant", "ko", ... (also the id).
std::string_view rawValue(AppLanguage language);
inline std::string_view code(AppLanguage language) { return rawValue(language); }

// Exactly the twelve codes, case-sensitive; anything else (other case, region suffix) is nullopt.
template <> std::optional<AppLanguage> fromRaw<AppLanguage>(std::string_view raw);
template <> const std::vector<AppLanguage>& allCases<AppLanguage>();

std::string_view nativeName(AppLanguage language);
std::string_view flag(AppLanguage language); // regional-indicator pair
std::string_view marketRegion(AppLanguage language);

// The language the window shows for a stored code: Simplified Chinese unless it is one of the twelve.
AppLanguage currentLanguage(std::string_view storedCode);

// Arabic reads from right to left; the window mirrors its layout for it.
constexpr bool isRightToLeft(AppLanguage language) { return language == AppLanguage::ar; }

constexpr std::size_t languageIndex(AppLanguage language) { return static_cast<std::size_t>(language); }

// A text by its message id in the translation catalogues (Catalogues.h). The call returns the
// text in a language, UTF-8, valid for the life of the process.
struct Text12 {
    std::string_view id;

    std::string_view operator()(AppLanguage language) const;
};

// The former name of a table with four languages; every table now has all twelve.
using Text4 = Text12;
