#pragma once

#include <cstdint>

#include "world/cargo.h"
#include "world/control_type.h"

class Game;
class MultiSelection;

// The settings a player changes in the inspector panels. None records an undo
// step (the press's guard does) or rebuilds the networks. A position off the
// map or a tile of another type is left alone; masks are cut to the bits
// their field may hold.

// Single-tile setters of the inspector of one selected control.

// The source's on/off button.
void toggleSourceRunning(Game& game, int x, int y);
// The sink's accept button.
void toggleSinkAccepting(Game& game, int x, int y);
// A cargo button of the source: the cargo it buys.
void setSourceCargo(Game& game, int x, int y, CargoType cargo);
// The arm's grab sides: bits 1..4 stand for the directions.
void setArmSideMask(Game& game, int x, int y, std::uint32_t mask);
// The arm's cargo filter: one bit per cargo kind.
void setArmCargoFilter(Game& game, int x, int y, std::uint32_t mask);

// A panel that is open still shows its control: (x, y) holds the type. True
// for a closed panel.
bool tileHasType(const Game& game, bool open, int x, int y, ControlType type);

// Selection setters of the settings view of a multi-selection. Each writes
// the tile of every entry whose control on the grid is still of the
// setter's kind and skips the others. The on/off setters take the new value,
// the mask setters set (on) or clear the given bits.

// Sources: the cargo they buy.
void setSelectionSourceCargo(const MultiSelection& selection, Game& game, CargoType cargo);
// which 1: the sources' running flag; otherwise the sinks' accepting flag.
void setSelectionFlagByType(const MultiSelection& selection, Game& game, int which, bool flag);
// Belts and bridges: the speed level, as the belt panel's button gives it, so
// the items on them start again from no credit even where the level stays.
void setSelectionBeltSpeed(const MultiSelection& selection, Game& game, int speed);
// Belts and bridges: the side that has right of way, 0 automatic.
void setSelectionBeltPriority(const MultiSelection& selection, Game& game, int priority);
// Arms: the cargo filter bits.
void toggleSelectionArmFilter(const MultiSelection& selection, Game& game, bool on, std::uint32_t bits);
// Arms: continuous release (true) or single jobs; a change drops the pending jobs.
void setSelectionArmRelease(const MultiSelection& selection, Game& game, bool continuous);
// Arms: the return position 0..2; other values change nothing.
void setSelectionArmMode(const MultiSelection& selection, Game& game, int position);
// Arms: the grab side in front (back 0) or behind (back not 0).
void setSelectionArmSides(const MultiSelection& selection, Game& game, int back, bool on);
// Kilns (kind KILNS) or smelters (any other kind): the accepted cargo bits.
void toggleSelectionOvenSmelterFilter(const MultiSelection& selection, Game& game, int kind, bool on,
                                      std::uint32_t bits);
// Bottling plants: the accept switch.
void setSelectionFillerAccepting(const MultiSelection& selection, Game& game, bool flag);
// Storages: the output switch.
void setSelectionStorageOutput(const MultiSelection& selection, Game& game, bool flag);
// Storages: the accepted cargo bits.
void toggleSelectionStorageFilter(const MultiSelection& selection, Game& game, bool on, std::uint32_t bits);
// Mixers: ratio B (which not 0) or A, 1..5; the cycle position stays inside the new cycle.
void setSelectionMixerRatio(const MultiSelection& selection, Game& game, int which, int value);
// Distributors: 0 automatic, 1 cargo rules, 2 signal.
void setSelectionDistributorMode(const MultiSelection& selection, Game& game, int mode);
// Distributors: the cargo bits sent to the side lane; switches to cargo rules first.
void toggleSelectionDistributorRuleBit(const MultiSelection& selection, Game& game, bool on, std::uint32_t bits);
