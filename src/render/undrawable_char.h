#pragma once

// The first character of [begin, end) that a machine label may not hold
// (isLabelChar of the world); end when every character is allowed.
const char* findUndrawableChar(const char* begin, const char* end);
