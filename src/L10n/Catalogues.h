#pragma once
// Every translatable text, from Qt's translation catalogues: translations/quillmere_<lang>.ts,
// compiled by lrelease at build time and embedded as resources (:/i18n/quillmere_<lang>.qm).
// Messages are keyed by id ("window.grantButtonTitle", "cache.card.browsers.title"). One
// QTranslator per language, loaded on the first lookup (a few milliseconds for all twelve) and
// kept for the process; safe to call from any thread.
//
// The window does not use qsTr or retranslate: it binds to ready-made per-language maps of
// these texts, so that a language switch only swaps maps.

#include "L10n/AppLanguage.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Catalogues {

// The text of `id` in `language`, kept for the life of the process. Empty when that language's
// catalogue has no such message (the completeness test makes sure none is missing).
std::string_view text(std::string_view id, AppLanguage language);

// The plural form `count` takes in `language`, by the catalogue's own rules, with %n replaced by
// the count. Empty when the catalogue has no such message.
std::string plural(std::string_view id, AppLanguage language, std::int64_t count);

// Whether `language`'s catalogue holds `id` as it is (no fallback to another language).
bool has(std::string_view id, AppLanguage language);

} // namespace Catalogues
