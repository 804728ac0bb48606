#pragma once

#include <string>

// The side panel's direct value entry; the shell owns it and feeds it text input.
struct NumberEntry {
    bool active = false;
    bool allSelected = false;  // the next edit replaces the whole text
    bool invalid = false;
    std::string text;

    // Starts editing with the decimal form of value, all of it selected.
    void open(int value);
};
