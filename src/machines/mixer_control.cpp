#include "machines/mixer_control.h"

#include "machines/pair_placement.h"

namespace {

constexpr PairTypes MIXER_TILES{MIXER, MIXER_SECOND};

// The cycle position stays inside the cycle; a cycle without length starts over.
int positionInCycle(int position, int cycleLength)
{
    if (cycleLength <= 0) return 0;
    return (position % cycleLength + cycleLength) % cycleLength;
}

void carryRatio(const Tile& from, Tile& to)
{
    to.ratioA = from.ratioA;
    to.ratioB = from.ratioB;
    to.ratioPos = positionInCycle(from.ratioPos, from.ratioA + from.ratioB);
}

}  // namespace

bool MixerControl::canAccept(const Tile& tile, Direction travel, CargoType) const
{
    return (tile.type == MIXER || tile.type == MIXER_SECOND) && travel == tile.dir;
}

bool MixerControl::place(ControlGrid& grid, int x, int y) const
{
    return placePair(grid, x, y, MIXER_TILES, carryRatio);
}

bool MixerControl::remove(ControlGrid& grid, int x, int y) const { return removePair(grid, x, y, MIXER_TILES); }

void MixerControl::setRatio(Tile& tile, int which, int value)
{
    if (value < 1 || value > MAX_MIXER_RATIO) return;
    (which != 0 ? tile.ratioB : tile.ratioA) = value;
    tile.ratioPos = positionInCycle(tile.ratioPos, tile.ratioA + tile.ratioB);
}
