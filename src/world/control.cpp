#include "world/control.h"

bool Control::canAccept(const Tile&, Direction, CargoType) const { return false; }

bool Control::place(ControlGrid&, int, int) const { return false; }

bool Control::remove(ControlGrid&, int, int) const { return false; }

void Control::acceptItem(Tile&, CargoType, ItemRecord&&) const {}

void Control::update(Tile&, float) const {}
