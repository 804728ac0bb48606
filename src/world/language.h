#pragma once

#include <array>
#include <string_view>

// The interface language: 0 German, anything else English.
using Language = int;

constexpr Language GERMAN = 0;
constexpr Language ENGLISH = 1;

struct LanguageEntry {
    Language language;
    std::string_view code;
    std::string_view displayName;  // drawn as it stands, never translated
};

constexpr std::array<LanguageEntry, 2> LANGUAGES = {{
    {GERMAN, "de", "DEUTSCH"},
    {ENGLISH, "en", "ENGLISH"},
}};

// The one process-wide language; English until something sets it.
Language language();
void setLanguage(Language value);

// Settings value to language: exactly "de" is German, everything else English.
Language parseLanguageCode(std::string_view code);
std::string_view languageCode(Language value);
