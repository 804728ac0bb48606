#include <algorithm>

#include "logic/logic_controls.h"
#include "simulation/network_buffers.h"
#include "world/game.h"

namespace {

constexpr int STEPPER_OUTPUTS = 4;

int targetInputCount(ControlType type)
{
    if (hasTwoInputs(type)) return 2;
    switch (type) {
    case LOGIC_NOT:
    case SIGNAL_LAMP:
    case LOGIC_COUNTER:
    case LOGIC_TIMER:
    case LOGIC_CLOCK:
    case LOGIC_STEPPER:
        return 1;
    default:
        return isSwitchWireTarget(type) ? 1 : 0;
    }
}

int sourceOutputCount(ControlType type) { return type == LOGIC_STEPPER ? STEPPER_OUTPUTS : 1; }

// Ends, types, input and output of one wire on their own.
bool wireFitsItsEnds(const std::vector<Tile>& layer, const Link& wire)
{
    if (!inGrid(wire.x0, wire.y0) || !inGrid(wire.x1, wire.y1)) return false;
    const int source = tileIndex(wire.x0, wire.y0);
    const int target = tileIndex(wire.x1, wire.y1);
    if (source == target) return false;
    const ControlType sourceType = layer[source].type;
    if (!isSignalSourceType(sourceType)) return false;
    if (wire.input < 0 || wire.input >= targetInputCount(layer[target].type)) return false;
    return wire.param >= 0 && wire.param < sourceOutputCount(sourceType);
}

// One driver per logic input, and no wire twice between a source and a
// machine (a stepper may not reach one machine through two of its outputs).
bool wiresAreUnique(const std::vector<Tile>& layer, const std::vector<Link>& wires, SignalOrderBuffers& work)
{
    work.drivenInputs.assign(TILE_COUNT, 0);
    work.machineWireKeys.clear();
    for (const Link& wire : wires) {
        const int source = tileIndex(wire.x0, wire.y0);
        const int target = tileIndex(wire.x1, wire.y1);
        if (isLogicType(layer[target].type)) {
            const auto inputBit = static_cast<std::uint8_t>(1u << wire.input);
            if ((work.drivenInputs[target] & inputBit) != 0) return false;
            work.drivenInputs[target] |= inputBit;
        } else {
            work.machineWireKeys.push_back(static_cast<std::int64_t>(source) * TILE_COUNT + target);
        }
    }
    std::sort(work.machineWireKeys.begin(), work.machineWireKeys.end());
    return std::adjacent_find(work.machineWireKeys.begin(), work.machineWireKeys.end()) == work.machineWireKeys.end();
}

bool isLogicEdge(const std::vector<Tile>& layer, const Link& wire)
{
    return isLogicType(layer[tileIndex(wire.x1, wire.y1)].type);
}

// Kahn's algorithm: tiles without incoming edges in tile order, then each
// tile's targets as their last feeding edge is walked, in wire-list order.
bool orderSignalTiles(const std::vector<Tile>& layer, const std::vector<Link>& wires, std::vector<int>& order,
                      SignalOrderBuffers& work)
{
    groupWiresByTile(wires, work.edgesBySource);
    work.waitingInputs.assign(TILE_COUNT, 0);
    for (const Link& wire : wires) {
        if (isLogicEdge(layer, wire)) ++work.waitingInputs[tileIndex(wire.x1, wire.y1)];
    }
    std::size_t nodeCount = 0;
    for (int i = 0; i < TILE_COUNT; ++i) {
        if (!isSignalType(layer[i].type)) continue;
        ++nodeCount;
        if (work.waitingInputs[i] == 0) order.push_back(i);
    }
    for (std::size_t position = 0; position < order.size(); ++position) {
        const int source = order[position];
        for (int slot = work.edgesBySource.start[source]; slot < work.edgesBySource.start[source + 1]; ++slot) {
            const Link& wire = wires[work.edgesBySource.wires[slot]];
            if (!isLogicEdge(layer, wire)) continue;
            const int target = tileIndex(wire.x1, wire.y1);
            if (--work.waitingInputs[target] == 0) order.push_back(target);
        }
    }
    // A feedback loop never releases its tiles.
    return order.size() == nodeCount;
}

}  // namespace

bool Game::validateSignalLinks(const std::vector<Tile>& layer, const std::vector<Link>& wires, std::vector<int>& order)
{
    SignalOrderBuffers work;
    return validateSignalLinks(layer, wires, order, work);
}

bool Game::validateSignalLinks(const std::vector<Tile>& layer, const std::vector<Link>& wires, std::vector<int>& order,
                               SignalOrderBuffers& work)
{
    order.clear();
    if (layer.size() != static_cast<std::size_t>(TILE_COUNT)) return false;
    for (const Link& wire : wires) {
        if (!wireFitsItsEnds(layer, wire)) return false;
    }
    if (!wiresAreUnique(layer, wires, work)) return false;
    return orderSignalTiles(layer, wires, order, work);
}
