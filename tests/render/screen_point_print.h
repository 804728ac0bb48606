#pragma once

#include <ostream>

#include "render/wire_routes.h"

// Lets test failures show a screen point as (x, y).
inline void PrintTo(const ScreenPoint& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }
