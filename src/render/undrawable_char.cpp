#include "render/undrawable_char.h"

#include <algorithm>

namespace {

bool isLabelChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '.';
}

}  // namespace

const char* findUndrawableChar(const char* begin, const char* end) { return std::find_if_not(begin, end, isLabelChar); }
