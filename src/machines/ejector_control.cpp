#include "machines/ejector_control.h"

#include "machines/placement.h"

bool EjectorControl::place(ControlGrid& grid, int x, int y) const { return placeBuildOnly(grid, x, y, EJECTOR, NORTH); }

bool EjectorControl::remove(ControlGrid& grid, int x, int y) const { return removeOfType(grid, x, y, EJECTOR); }
