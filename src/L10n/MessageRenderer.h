#pragma once
// Says a text the engine names by message id (TextRef) in any of the twelve languages, for
// the window and the command line alike. A message holds %1, %2, … where its arguments go;
// arguments it does not place follow it in parentheses, joined by " · " (the varying parts
// of a place, such as a profile or an app id). In Simplified Chinese a message reads exactly
// as the engine's own text beside it.

#include "L10n/AppLanguage.h"
#include "Models/TextRef.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct MessageEntry {
    std::string_view id;
    Text12 text;
};

// nullopt when the id is none of the table's.
std::optional<std::string> renderMessage(const TextRef& ref, AppLanguage language);

// The message, or `ownText` (the record's own wording) when the record carries none.
std::string renderMessageOr(const TextRef& ref, std::string_view ownText, AppLanguage language);

// A text made of several messages (a banner and its optional parts), said one after another.
std::string renderMessages(std::span<const TextRef> parts, AppLanguage language);

// A card's scenario.
std::string renderCardCategory(CleanCategoryFilter category, AppLanguage language);

// Why a folder is an app's leftover: the field of the package database or the launcher that
// names it, as the engine quotes it ("Package: vlc", "Exec: vlc", "vlc.desktop"), with the field
// named in `language` and its value kept as it is.
std::string renderLeftoverRule(std::string_view rule, AppLanguage language);

// Every message, for completeness checks.
std::span<const MessageEntry> allMessages();
