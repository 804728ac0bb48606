#include <algorithm>

#include "logic/logic_controls.h"
#include "logic/logic_rules.h"
#include "simulation/sensor_measurement.h"
#include "simulation/switching_table.h"
#include "world/game.h"

namespace {

// What a kiln and a smelter take when newly built; ON restores it.
constexpr CargoMask KILN_BUILT_MASK = 3;  // logs and planks
constexpr CargoMask SMELTER_BUILT_MASK = 28;  // coal, iron ore and iron ingots

void markSwitchWireEnds(const Game& game, std::vector<std::uint8_t>& ends)
{
    ends.assign(TILE_COUNT, 0);
    for (const Link& wire : game.signalControlLinks) {
        if (inGrid(wire.x1, wire.y1)) ends[tileIndex(wire.x1, wire.y1)] = 1;
    }
}

// A distributor or arm whose wire is gone falls back to its unswitched
// state. The same pass lists the sensors.
void releaseUnwiredMachines(Game& game, const std::vector<std::uint8_t>& wireEnds, std::vector<int>& sensors)
{
    sensors.clear();
    for (int i = 0; i < TILE_COUNT; ++i) {
        Tile& tile = game.tiles[i];
        if (tile.type == SENSOR) sensors.push_back(i);
        if (wireEnds[i] != 0) continue;
        if (tile.type == DISTRIBUTOR) tile.signalSelectsB = false;
        if (isArmType(tile.type)) {
            tile.armPendingJobs = 0;
            tile.armSignalOn = false;
        }
    }
}

bool wireInGrid(const Link& wire) { return inGrid(wire.x0, wire.y0) && inGrid(wire.x1, wire.y1); }

// A source without 5V switches its machines off and cancels what it owed them.
void switchOffFromDarkSources(Game& game, NetworkBuffers& work)
{
    for (const Link& wire : game.signalControlLinks) {
        if (!wireInGrid(wire) || game.hasDcPowerAt(wire.x0, wire.y0)) continue;
        Tile& target = game.tileAt(wire.x1, wire.y1);
        if (isLogicType(target.type)) continue;
        const int source = tileIndex(wire.x0, wire.y0);
        offerSwitchAction(work.switching, tileIndex(wire.x1, wire.y1), game.tiles[source].switchPriority, source,
                          SWITCH_OFF);
        target.armPendingJobs = 0;
        target.ejectorJobs = 0;
    }
}

SwitchAction logicCommand(const Tile& source, const Link& wire)
{
    if (!source.dcSupplied) return SWITCH_OFF;
    return wireSignal(source, wire.param) ? source.thenAction : source.elseAction;
}

void offerLogicCommands(Game& game, NetworkBuffers& work)
{
    for (const Link& wire : game.signalControlLinks) {
        if (!wireInGrid(wire)) continue;
        const int source = tileIndex(wire.x0, wire.y0);
        const int targetIndex = tileIndex(wire.x1, wire.y1);
        const Tile& from = game.tiles[source];
        Tile& target = game.tiles[targetIndex];
        if (!isLogicType(from.type) || isLogicType(target.type)) continue;
        const SwitchAction action = logicCommand(from, wire);
        if (action == NO_CHANGE) continue;
        // ON from a source that has just woken is a level already there, not a new job.
        if (from.dcJustSupplied && action == SWITCH_ON && isArmType(target.type)) target.armSignalOn = true;
        offerSwitchAction(work.switching, targetIndex, from.switchPriority, source, action);
    }
}

// A single-job arm gains one job per rising edge of its command.
void switchArm(Tile& arm, bool on)
{
    if (arm.armContinuous) {
        arm.armSignalOn = on;
        arm.armPendingJobs = 0;
    } else if (!on) {
        arm.armSignalOn = false;
    } else if (!arm.armSignalOn) {
        addPendingCommand(arm.armPendingJobs);
        arm.armSignalOn = true;
    }
}

void applySwitch(Tile& tile, bool on)
{
    switch (tile.type) {
    case SOURCE: tile.sourceRunning = on; break;
    case SINK: tile.sinkAccepting = on; break;
    case ARM:
    case LONG_ARM: switchArm(tile, on); break;
    case DISTRIBUTOR: tile.signalSelectsB = on; break;
    case OVEN: tile.ovenAcceptMask = on ? KILN_BUILT_MASK : 0; break;
    case SMELTER: tile.smelterAcceptMask = on ? SMELTER_BUILT_MASK : 0; break;
    case FILLER: tile.fillerAccepting = on; break;
    case STORAGE: tile.storageOutputOn = on; break;
    case COAL_GENERATOR: tile.generatorOn = on; break;
    case INJECTION_MOLDER: tile.molderOn = on; break;
    case EJECTOR: tile.ejectorActive = on; break;
    default: break;
    }
}

void applySwitching(Game& game, const std::vector<SwitchOffer>& table)
{
    for (int i = 0; i < TILE_COUNT; ++i) {
        if (table[i].action == SWITCH_ON || table[i].action == SWITCH_OFF) applySwitch(game.tiles[i], table[i].action == SWITCH_ON);
    }
}

}  // namespace

void Game::updateNetworks(float dt)
{
    NetworkBuffers& work = networkBuffers_;
    updatePowerNetwork();
    updateDcNetwork();

    markSwitchWireEnds(*this, work.switchWireEnds);
    releaseUnwiredMachines(*this, work.switchWireEnds, work.sensors);
    work.switching.assign(TILE_COUNT, SwitchOffer{});
    groupWiresByTile(signalControlLinks, true, work.switchWiresBySource);
    groupWiresByTile(signalMeasureLinks, true, work.measureWiresBySource);

    switchOffFromDarkSources(*this, work);
    findSightings(*this, work);
    for (std::size_t k = 0; k < work.sensors.size(); ++k) {
        measureSensor(*this, work.sensors[k], sightingOf(*this, work, k), work);
    }
    updateSignals(dt);
    offerLogicCommands(*this, work);
    applySwitching(*this, work.switching);
}
