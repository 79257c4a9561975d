#pragma once
// A figure spliced into right-to-left text ("1.5 GB", "3/10") keeps its own left-to-right
// order. Without isolation the bidirectional algorithm sets the number after its unit
// ("GB 1.5") once the sentence around it is Arabic.

#include "L10n/AppLanguage.h"

#include <string>
#include <string_view>

// The figure between LEFT-TO-RIGHT ISOLATE and POP DIRECTIONAL ISOLATE in a right-to-left
// language; unchanged in the others, so their texts stay byte for byte as they were.
std::string isolatedFigure(std::string_view figure, AppLanguage language);
