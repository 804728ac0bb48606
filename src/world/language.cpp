#include "world/language.h"

namespace {
// Switched by the language pop-up and the settings file; read by every drawn text.
Language currentLanguage = ENGLISH;
}  // namespace

Language language() { return currentLanguage; }

void setLanguage(Language value) { currentLanguage = value; }

Language parseLanguageCode(std::string_view code)
{
    for (const LanguageEntry& entry : LANGUAGES) {
        if (code == entry.code) return entry.language;
    }
    return ENGLISH;
}

std::string_view languageCode(Language value) { return value == GERMAN ? LANGUAGES[0].code : LANGUAGES[1].code; }
