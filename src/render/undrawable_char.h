#pragma once

// The first character of [begin, end) that a machine label may not hold:
// anything but 'A'..'Z', '0'..'9', the blank, '-' and '.'. Lower-case letters
// and other punctuation count as undrawable even where the font has a glyph.
// Returns end when every character is allowed.
const char* findUndrawableChar(const char* begin, const char* end);
