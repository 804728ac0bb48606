#pragma once

#include <iosfwd>

#include "persistence/map_tokens.h"
#include "world/cargo_item.h"

// One record of the ITEMS section: where the item is, how it moves, its
// identity, its planned path and its ejector state.

// Reads the record of the version into a freshly constructed item.
bool readCargoItem(std::istream& in, CargoItem& item, int version);
void writeCargoItem(TextOut& out, const CargoItem& item);
