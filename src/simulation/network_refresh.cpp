#include <algorithm>

#include "logic/logic_rules.h"
#include "simulation/sensor_measurement.h"
#include "simulation/step_tables.h"
#include "simulation/switching_table.h"
#include "world/game.h"

namespace {

// A distributor or arm whose wire is gone falls back to its unswitched state.
void releaseUnwiredMachines(Game& game, const NetworkLayout& layout)
{
    for (int index : layout.releasedTiles) {
        Tile& tile = game.tiles[static_cast<std::size_t>(index)];
        if (tile.type == DISTRIBUTOR) tile.signalSelectsB = false;
        if (isArm(tile.type)) {
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
        work.switching.offer(tileIndex(wire.x1, wire.y1), game.tiles[source].switchPriority, source, SWITCH_OFF);
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
        if (from.dcJustSupplied && action == SWITCH_ON && isArm(target.type)) target.armSignalOn = true;
        work.switching.offer(targetIndex, from.switchPriority, source, action);
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
    case SOURCE:
        tile.sourceRunning = on;
        break;
    case SINK:
        tile.sinkAccepting = on;
        break;
    case ARM:
    case LONG_ARM:
        switchArm(tile, on);
        break;
    case DISTRIBUTOR:
        tile.signalSelectsB = on;
        break;
    case OVEN:
        tile.ovenAcceptMask = on ? OVEN_INTAKE : 0;
        break;
    case SMELTER:
        tile.smelterAcceptMask = on ? SMELTER_INTAKE : 0;
        break;
    case FILLER:
        tile.fillerAccepting = on;
        break;
    case STORAGE:
        tile.storageOutputOn = on;
        break;
    case COAL_GENERATOR:
        tile.generatorOn = on;
        break;
    case INJECTION_MOLDER:
        tile.molderOn = on;
        break;
    case EJECTOR:
        tile.ejectorActive = on;
        break;
    default:
        break;
    }
}

void applySwitching(Game& game, SwitchingTable& table)
{
    for (int target : table.targets()) {
        const SwitchAction action = table.at(target).action;
        if (action == SWITCH_ON || action == SWITCH_OFF) applySwitch(game.tiles[target], action == SWITCH_ON);
    }
    table.clear();
}

}  // namespace

void Game::updateNetworks(float dt)
{
    currentLayout();
    const LayoutTrust trust(tables_.get().layout);
    const NetworkLayout& layout = tables_.get().layout.network;
    NetworkBuffers& work = tables_.get().network;
    updatePowerNetwork();
    updateDcNetwork();

    releaseUnwiredMachines(*this, layout);
    switchOffFromDarkSources(*this, work);
    findSightings(*this, layout.sensors, tables_.get().tunnels, work);
    for (std::size_t k = 0; k < layout.sensors.size(); ++k) {
        measureSensor(*this, layout.sensors[k], sightingOf(*this, work, k), layout, work);
    }
    updateSignals(dt);
    offerLogicCommands(*this, work);
    applySwitching(*this, work.switching);
}
