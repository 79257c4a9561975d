#pragma once
// Which letters belong in a language's texts. A text in the wrong script is one the catalogues
// do not say in that language: Han or kana in a German window, an English word in an Arabic
// one. Brand and program names, units, paths and file names are written as they are in every
// language and are let through.

#include "L10n/AppLanguage.h"

#include <QString>
#include <QStringList>

#include <optional>

// The first part of `text` that is not `language`'s own: a character of another script, or a
// word of Latin letters in a language that does not write with them. `names` are shown as
// they are wherever they stand (the names of the person's own files and apps, a language
// named in its own script) and are taken out of `text` before it is read.
std::optional<QString> wrongScriptPart(const QString& text, AppLanguage language, const QStringList& names = {});
