#pragma once
// The window's texts for the names of the Linux places' cache items. Those names are
// built from fixed Simplified Chinese phrases, brand names and the parts that vary (a
// profile, an app id, a version folder); each phrase is replaced by its translation and
// everything else is kept.

#include "L10n/AppLanguage.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// nullopt when the name holds none of the phrases (it is not one of these items).
std::optional<std::string> localizeLinuxItemName(std::string_view name, AppLanguage language);

// The phrases, longest first where one contains another (tests check every rule's name).
std::span<const Text12> linuxItemPhrases();
