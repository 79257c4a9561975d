#pragma once
// Points in time as ISO 8601 text in UTC ("2026-12-06T10:11:12Z"), the form the CLI
// prints and the restore history keeps.

#include "Models/Basics.h"

#include <optional>
#include <string>
#include <string_view>

std::string isoDate(Date date);
// With milliseconds: "2026-12-06T10:11:12.345Z".
std::string isoDateMilliseconds(Date date);
// Either form back; nullopt for anything else.
std::optional<Date> parseIsoDate(std::string_view text);
