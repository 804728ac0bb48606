#include <algorithm>

#include "logic/logic_controls.h"
#include "logic/logic_rules.h"
#include "world/game.h"

namespace {

// Per logic tile, the wire feeding each input; a valid wire set has one at most.
void findInputWires(const Game& game, NetworkBuffers& work)
{
    work.inputWireA.assign(TILE_COUNT, -1);
    work.inputWireB.assign(TILE_COUNT, -1);
    const std::vector<Link>& wires = game.signalControlLinks;
    for (int w = 0; w < static_cast<int>(wires.size()); ++w) {
        const int target = tileIndex(wires[w].x1, wires[w].y1);
        if (!isLogicType(game.tiles[target].type)) continue;
        (wires[w].input == 0 ? work.inputWireA : work.inputWireB)[target] = w;
    }
}

struct GatheredInput {
    bool value = false;
    bool sourceJustSupplied = false;
};

GatheredInput gatherInput(const Game& game, int wireIndex)
{
    if (wireIndex < 0) return {};
    const Link& wire = game.signalControlLinks[wireIndex];
    const Tile& source = game.tileAt(wire.x0, wire.y0);
    return {wireSignal(source, wire.param), source.dcJustSupplied};
}

}  // namespace

void Game::updateSignals(float dt)
{
    if (std::none_of(tiles.begin(), tiles.end(), [](const Tile& tile) { return isLogicType(tile.type); })) return;
    NetworkBuffers& work = networkBuffers_;
    // An invalid wire set freezes every logic output until it is mended.
    if (!validateSignalLinks(tiles, signalControlLinks, work.evaluationOrder, work.signalOrder)) return;
    findInputWires(*this, work);
    for (int index : work.evaluationOrder) {
        Tile& tile = tiles[index];
        if (!isLogicType(tile.type)) continue;
        const GatheredInput a = gatherInput(*this, work.inputWireA[index]);
        const GatheredInput b = gatherInput(*this, work.inputWireB[index]);
        tile.inputA = a.value;
        tile.inputB = b.value;
        const bool wired = work.inputWireA[index] >= 0 || work.inputWireB[index] >= 0;
        refreshLogicTile(tile, dt, wired, a.sourceJustSupplied || b.sourceJustSupplied);
    }
}
