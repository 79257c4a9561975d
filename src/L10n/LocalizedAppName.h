#pragma once
// An application's name in the window's language, from the translations its launcher
// carries (Name[de], Name[zh_CN], ...), by the desktop's own fallbacks.

#include "L10n/AppLanguage.h"

#include <string>

std::string localizedAppName(const InstalledAppItem& app, AppLanguage language);
