#include "editing/control_settings.h"

#include "editing/belt_speed_painting.h"
#include "editing/multi_selection.h"
#include "machines/arm_control.h"
#include "machines/distributor_control.h"
#include "machines/mixer_control.h"
#include "machines/sink_control.h"
#include "machines/source_control.h"
#include "world/game.h"

namespace {

// A fresh kiln or smelter accepts every cargo it can work, so its mask holds
// every bit the field may hold.
const CargoMask KILN_INPUTS = Tile{}.ovenAcceptMask;
const CargoMask SMELTER_INPUTS = Tile{}.smelterAcceptMask;

Tile* tileOfType(Game& game, int x, int y, ControlType type)
{
    Tile* tile = tileAtOrNull(game, x, y);
    return tile != nullptr && tile->type == type ? tile : nullptr;
}

Tile* armAt(Game& game, int x, int y)
{
    Tile* tile = tileAtOrNull(game, x, y);
    return tile != nullptr && isArm(tile->type) ? tile : nullptr;
}

// Sets (on) or clears the bits, keeping the mask inside the bits it may hold.
void switchBits(CargoMask& mask, bool on, std::uint32_t bits, CargoMask allowed)
{
    mask = (on ? mask | bits : mask & ~bits) & allowed;
}

// A two-tile machine keeps its settings on its main tile, which need not be
// the entry's anchor.
void settingsTileOf(const SelectedControl& entry, int& x, int& y)
{
    x = entry.anchorX;
    y = entry.anchorY;
    for (const TileCell& cell : entry.group.cells) {
        if (cell.tile.type == DISTRIBUTOR || cell.tile.type == MIXER) {
            x = cell.x;
            y = cell.y;
        }
    }
}

// The grid may have changed since the control was selected: only a tile that
// still holds a control of the kind, on its settings tile, takes the setting.
bool holdsKind(const Tile& tile, SelectionKind kind)
{
    const bool settingsTile = tile.type != EMPTY && tile.type != DISTRIBUTOR_SECOND && tile.type != MIXER_SECOND;
    return settingsTile && selectionKindOf(tile) == kind;
}

template <typename Write>
void forEachOfKind(const MultiSelection& selection, Game& game, SelectionKind kind, Write&& write)
{
    for (const SelectedControl& entry : selection.entries) {
        int x = 0;
        int y = 0;
        settingsTileOf(entry, x, y);
        Tile* tile = tileAtOrNull(game, x, y);
        if (tile != nullptr && holdsKind(*tile, kind)) write(*tile, x, y);
    }
}

}  // namespace

void toggleSourceRunning(Game& game, int x, int y)
{
    if (Tile* source = tileOfType(game, x, y, SOURCE)) SourceControl::toggleRunning(*source);
}

void toggleSinkAccepting(Game& game, int x, int y)
{
    if (Tile* sink = tileOfType(game, x, y, SINK)) SinkControl::toggleAccepting(*sink);
}

void setSourceCargo(Game& game, int x, int y, CargoType cargo)
{
    if (Tile* source = tileOfType(game, x, y, SOURCE)) SourceControl::setCargoType(*source, cargo);
}

void setArmSideMask(Game& game, int x, int y, std::uint32_t mask)
{
    if (Tile* arm = armAt(game, x, y)) ArmControl::setSideMask(*arm, mask);
}

void setArmCargoFilter(Game& game, int x, int y, std::uint32_t mask)
{
    if (Tile* arm = armAt(game, x, y)) ArmControl::setFilterMask(*arm, mask);
}

bool tileHasType(const Game& game, bool open, int x, int y, ControlType type)
{
    return !open || (game.inBounds(x, y) && game.tileAt(x, y).type == type);
}

void setSelectionSourceCargo(const MultiSelection& selection, Game& game, CargoType cargo)
{
    forEachOfKind(selection, game, SOURCES,
                  [cargo](Tile& source, int, int) { SourceControl::setCargoType(source, cargo); });
}

void setSelectionFlagByType(const MultiSelection& selection, Game& game, int which, bool flag)
{
    if (which == 1) {
        forEachOfKind(selection, game, SOURCES, [flag](Tile& source, int, int) { source.sourceRunning = flag; });
    } else {
        forEachOfKind(selection, game, SINKS, [flag](Tile& sink, int, int) { sink.sinkAccepting = flag; });
    }
}

void setSelectionBeltSpeed(const MultiSelection& selection, Game& game, int speed)
{
    forEachOfKind(selection, game, BELTS, [&game, speed](Tile&, int x, int y) { pressBeltSpeed(game, x, y, speed); });
}

void setSelectionBeltPriority(const MultiSelection& selection, Game& game, int priority)
{
    if (priority != NONE && !isCompassDirection(priority)) return;
    forEachOfKind(selection, game, BELTS, [priority](Tile& belt, int, int) { belt.beltPriority = priority; });
}

void toggleSelectionArmFilter(const MultiSelection& selection, Game& game, bool on, std::uint32_t bits)
{
    forEachOfKind(selection, game, ARMS,
                  [on, bits](Tile& arm, int, int) { switchBits(arm.armCargoFilter, on, bits, ALL_CARGO); });
}

void setSelectionArmRelease(const MultiSelection& selection, Game& game, bool continuous)
{
    forEachOfKind(selection, game, ARMS, [continuous](Tile& arm, int, int) {
        if (arm.armContinuous == continuous) return;
        arm.armContinuous = continuous;
        arm.armPendingJobs = 0;
    });
}

void setSelectionArmMode(const MultiSelection& selection, Game& game, int position)
{
    forEachOfKind(selection, game, ARMS, [position](Tile& arm, int, int) { ArmControl::setArmState(arm, position); });
}

void setSelectionArmSides(const MultiSelection& selection, Game& game, int back, bool on)
{
    forEachOfKind(selection, game, ARMS, [back, on](Tile& arm, int, int) {
        const Direction side = back == 0 ? arm.dir : oppositeDirection(arm.dir);
        if (!isCompassDirection(side)) return;
        const std::uint32_t bit = std::uint32_t{1} << side;
        ArmControl::setSideMask(arm, on ? arm.armSideMask | bit : arm.armSideMask & ~bit);
    });
}

void toggleSelectionOvenSmelterFilter(const MultiSelection& selection, Game& game, int kind, bool on,
                                      std::uint32_t bits)
{
    if (kind == KILNS) {
        forEachOfKind(selection, game, KILNS,
                      [on, bits](Tile& kiln, int, int) { switchBits(kiln.ovenAcceptMask, on, bits, KILN_INPUTS); });
    } else {
        forEachOfKind(selection, game, SMELTERS, [on, bits](Tile& smelter, int, int) {
            switchBits(smelter.smelterAcceptMask, on, bits, SMELTER_INPUTS);
        });
    }
}

void setSelectionFillerAccepting(const MultiSelection& selection, Game& game, bool flag)
{
    forEachOfKind(selection, game, BOTTLING_PLANTS, [flag](Tile& filler, int, int) { filler.fillerAccepting = flag; });
}

void setSelectionStorageOutput(const MultiSelection& selection, Game& game, bool flag)
{
    forEachOfKind(selection, game, STORAGES, [flag](Tile& storage, int, int) { storage.storageOutputOn = flag; });
}

void toggleSelectionStorageFilter(const MultiSelection& selection, Game& game, bool on, std::uint32_t bits)
{
    forEachOfKind(selection, game, STORAGES,
                  [on, bits](Tile& storage, int, int) { switchBits(storage.storageAcceptMask, on, bits, ALL_CARGO); });
}

void setSelectionMixerRatio(const MultiSelection& selection, Game& game, int which, int value)
{
    forEachOfKind(selection, game, MIXERS,
                  [which, value](Tile& mixer, int, int) { MixerControl::setRatio(mixer, which, value); });
}

void setSelectionDistributorMode(const MultiSelection& selection, Game& game, int mode)
{
    forEachOfKind(selection, game, DISTRIBUTORS,
                  [mode](Tile& distributor, int, int) { DistributorControl::setMode(distributor, mode); });
}

void toggleSelectionDistributorRuleBit(const MultiSelection& selection, Game& game, bool on, std::uint32_t bits)
{
    forEachOfKind(selection, game, DISTRIBUTORS, [on, bits](Tile& distributor, int, int) {
        DistributorControl::setMode(distributor, DISTRIBUTOR_CARGO_RULES);
        switchBits(distributor.cargoRuleMask, on, bits, ALL_CARGO);
    });
}
