#pragma once
// English left in another language's window: a text that is, or holds, an English catalogue
// text that the language's own catalogue says differently. The script alone cannot tell an
// English label in a German window, nor "Music" in a Chinese one when a file is called so.
//
// Short texts (one or two words: "Music", "Select All", "%n items") are also what people call
// their files and what languages borrow, so they count only as a whole text or as one label of
// it (between line breaks and " · "). Longer ones count wherever they stand whole, inside a
// sentence too. An English text the language shows as a text or label of its own ("Cache" in
// German, a brand) is kept on purpose; inside a longer text of its own it is English left over.

#include "L10n/AppLanguage.h"

#include <QString>

#include <optional>

// The English catalogue text that `text` is or holds although `language` says it otherwise;
// nothing for English.
std::optional<QString> untranslatedPart(const QString& text, AppLanguage language);

// The English window text, shown on its own as a short label, that `name` equals
// case-insensitively where some language says it otherwise: a file of that name in a test home
// could not be told from the label left in English.
std::optional<QString> englishLabelCalled(const QString& name);
