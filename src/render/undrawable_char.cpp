#include "render/undrawable_char.h"

#include <algorithm>

#include "world/tile.h"

const char* findUndrawableChar(const char* begin, const char* end) { return std::find_if_not(begin, end, isLabelChar); }
