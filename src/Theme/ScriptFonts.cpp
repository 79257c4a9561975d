#include "Theme/ScriptFonts.h"

std::string_view scriptFontFamily(AppLanguage language)
{
    switch (language) {
    case AppLanguage::zhHans:
        return "Noto Sans CJK SC";
    case AppLanguage::zhHant:
        return "Noto Sans CJK TC";
    case AppLanguage::ja:
        return "Noto Sans CJK JP";
    case AppLanguage::ko:
        return "Noto Sans CJK KR";
    default:
        return {};
    }
}
