#pragma once

#include <ostream>

#include "persistence/save_menu_layout.h"

// Lets test failures show a rectangle as {left, top, width, height}.
inline void PrintTo(const MenuRect& rect, std::ostream* out)
{
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.width << ", " << rect.height << "}";
}
