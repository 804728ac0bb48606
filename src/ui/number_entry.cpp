#include "ui/number_entry.h"

#include <charconv>

void NumberEntry::open(int value)
{
    active = true;
    allSelected = true;
    invalid = false;
    char digits[16];
    text.assign(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}
