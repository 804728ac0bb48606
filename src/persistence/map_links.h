#pragma once

#include <vector>

#include "world/game.h"

// Checks of the cables and wires a map brings, against the tiles they join.
// Every link must lie inside the grid, join two different tiles and appear once.

// Power cables: generators, poles and 5V supplies (and, up to version 21,
// injection molders) at most 10 tiles apart; a pole takes 3 cables, a supply
// and an old molder 1, a generator any number.
bool powerCablesFit(const std::vector<Tile>& tiles, const std::vector<Link>& cables, int version);

// Up to version 21 a cable could feed a molder; those cables are dropped.
void dropLegacyMolderLinks(const std::vector<Tile>& tiles, std::vector<Link>& cables, int version);

// 5V cables join a 5V supply or a signal component to another.
bool dcCablesFit(const std::vector<Tile>& tiles, const std::vector<Link>& cables);

// Measure wires run from a sensor to a machine it can measure.
bool validateMapLinks(const std::vector<Tile>& tiles, const std::vector<Link>& wires);

// Version 20 water lines: from a water source to an injection molder at most
// 10 tiles away, each molder fed by one line.
bool waterLinesFit(const std::vector<Tile>& tiles, const std::vector<Link>& lines);
