#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The longest text a number entry takes: "1000000".
constexpr std::size_t NUMBER_ENTRY_MAX_LENGTH = 7;

// The side panel's direct value entry; the shell owns it and feeds it text input.
struct NumberEntry {
    bool active = false;
    bool allSelected = false;  // the next edit replaces the whole text
    bool invalid = false;
    std::string text;
};

// Starts editing with the decimal form of value, all of it selected and no
// error shown.
void beginNumberEntry(NumberEntry& entry, int value);

// Typed text: its digits are added (or replace the whole text while it is all
// selected) up to the longest text; anything else is ignored.
void typeIntoNumberEntry(NumberEntry& entry, std::string_view typed);

// Backspace or Delete: empties an all-selected text, else drops the last digit.
void eraseFromNumberEntry(NumberEntry& entry);

// Closes the entry and forgets its text. The shell stops text input.
void closeNumberEntry(NumberEntry& entry);
