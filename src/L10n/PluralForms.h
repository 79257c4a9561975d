#pragma once
// Which plural form a count takes in each language (the CLDR cardinal rules for whole numbers).
// The catalogues' count texts give their forms in the order pluralCategories gives, which is
// also the order of Qt's own rules for these languages (a test holds the two together).

#include "L10n/AppLanguage.h"

#include <cstdint>
#include <span>

enum class PluralCategory { zero, one, two, few, many, other };

PluralCategory pluralCategory(AppLanguage language, std::int64_t count);

// The categories a language's count texts give, in the order they are written.
std::span<const PluralCategory> pluralCategories(AppLanguage language);
