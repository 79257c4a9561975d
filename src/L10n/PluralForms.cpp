#include "L10n/PluralForms.h"

#include <array>

namespace {

using enum PluralCategory;

constexpr std::array kOtherOnly{other};
constexpr std::array kOneOther{one, other};
constexpr std::array kOneFewMany{one, few, many};
constexpr std::array kAllSix{zero, one, two, few, many, other};

// Counts are never negative here; the magnitude keeps a stray sign from picking a wrong form.
std::uint64_t magnitude(std::int64_t count)
{
    return count < 0 ? std::uint64_t(0) - std::uint64_t(count) : std::uint64_t(count);
}

} // namespace

PluralCategory pluralCategory(AppLanguage language, std::int64_t count)
{
    const std::uint64_t n = magnitude(count);
    const std::uint64_t n10 = n % 10, n100 = n % 100;
    switch (language) {
    case AppLanguage::zhHans:
    case AppLanguage::zhHant:
    case AppLanguage::ja:
    case AppLanguage::ko:
        return other;
    case AppLanguage::fr:
    case AppLanguage::pt: // Brazilian Portuguese, like French, says "0 item"
        return n <= 1 ? one : other;
    case AppLanguage::ru:
        if (n10 == 1 && n100 != 11)
            return one;
        if (n10 >= 2 && n10 <= 4 && (n100 < 12 || n100 > 14))
            return few;
        return many;
    case AppLanguage::ar:
        if (n <= 2)
            return n == 0 ? zero : n == 1 ? one : two;
        if (n100 >= 3 && n100 <= 10)
            return few;
        if (n100 >= 11)
            return many;
        return other;
    default: // en, de, es, it
        return n == 1 ? one : other;
    }
}

std::span<const PluralCategory> pluralCategories(AppLanguage language)
{
    switch (language) {
    case AppLanguage::zhHans:
    case AppLanguage::zhHant:
    case AppLanguage::ja:
    case AppLanguage::ko:
        return kOtherOnly;
    case AppLanguage::ru:
        return kOneFewMany;
    case AppLanguage::ar:
        return kAllSix;
    default:
        return kOneOther;
    }
}
