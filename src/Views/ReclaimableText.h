#pragma once
// A size as a row or the inspector shows it: where removing the item frees less than it
// occupies (files sharing extents), what it frees and the full size beside it; elsewhere
// the size alone, as it always read.

#include "L10n/WindowTexts.h"
#include "QtText.h"

#include <optional>

inline QString sizeAndFreesText(Int64 sizeBytes, std::optional<Int64> reclaimableBytes, AppLanguage language)
{
    if (!reclaimableBytes || *reclaimableBytes == sizeBytes)
        return bytesText(sizeBytes, language);
    return qt(WindowTexts::freesOfSize(language))
        .arg(bytesText(*reclaimableBytes, language), bytesText(sizeBytes, language));
}
