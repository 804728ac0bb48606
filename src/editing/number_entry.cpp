#include "editing/number_entry.h"

#include <charconv>

void beginNumberEntry(NumberEntry& entry, int value)
{
    entry.active = true;
    entry.allSelected = true;
    entry.invalid = false;
    char digits[16];
    entry.text.assign(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void typeIntoNumberEntry(NumberEntry& entry, std::string_view typed)
{
    for (const char c : typed) {
        if (c < '0' || c > '9') continue;
        if (entry.allSelected) {
            entry.text.clear();
            entry.allSelected = false;
        }
        if (entry.text.size() < NUMBER_ENTRY_MAX_LENGTH) entry.text.push_back(c);
    }
}

void eraseFromNumberEntry(NumberEntry& entry)
{
    if (entry.allSelected) {
        entry.text.clear();
        entry.allSelected = false;
    } else if (!entry.text.empty()) {
        entry.text.pop_back();
    }
}

void closeNumberEntry(NumberEntry& entry) { entry = NumberEntry{}; }
