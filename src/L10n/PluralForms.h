#pragma once
// Which plural form a count takes in each language (the CLDR cardinal rules for whole numbers).
// A count text holds its language's forms separated by '|', in the order pluralCategories
// gives, with %n where the count goes: en "%n cache|%n caches", ru one|few|many, ar all six.

#include "L10n/AppLanguage.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class PluralCategory { zero, one, two, few, many, other };

PluralCategory pluralCategory(AppLanguage language, std::int64_t count);

// The categories a language's count texts give, in the order they are written.
std::span<const PluralCategory> pluralCategories(AppLanguage language);

// The form of `forms` that `count` takes, with %n replaced by the count. A text with fewer
// forms than its language has shows its last one rather than nothing.
std::string pluralText(std::string_view forms, AppLanguage language, std::int64_t count);
