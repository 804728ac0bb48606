#include "machines/distributor_control.h"

#include "machines/pair_placement.h"

namespace {

constexpr PairTypes DISTRIBUTOR_TILES{DISTRIBUTOR, DISTRIBUTOR_SECOND};

void carryRouting(const Tile& from, Tile& to)
{
    to.cargoRuleMask = from.cargoRuleMask;
    to.modeCargoRules = from.modeCargoRules;
    to.modeSignal = from.modeSignal;
    to.signalSelectsB = from.signalSelectsB;
}

}  // namespace

// Items come in from behind: they travel in the distributor's own direction.
bool DistributorControl::canAccept(const Tile& tile, Direction travel, CargoType) const
{
    return tile.type == DISTRIBUTOR && travel == tile.dir;
}

bool DistributorControl::place(ControlGrid& grid, int x, int y) const
{
    return placePair(grid, x, y, DISTRIBUTOR_TILES, carryRouting);
}

bool DistributorControl::remove(ControlGrid& grid, int x, int y) const
{
    return removePair(grid, x, y, DISTRIBUTOR_TILES);
}

int DistributorControl::mode(const Tile& tile)
{
    if (tile.modeSignal) return DISTRIBUTOR_SIGNAL;
    return tile.modeCargoRules ? DISTRIBUTOR_CARGO_RULES : DISTRIBUTOR_AUTOMATIC;
}

void DistributorControl::setMode(Tile& tile, int mode)
{
    if (mode < 0 || mode >= DISTRIBUTOR_MODE_COUNT) return;
    tile.modeCargoRules = mode == DISTRIBUTOR_CARGO_RULES;
    tile.modeSignal = mode == DISTRIBUTOR_SIGNAL;
}
