#include <algorithm>

#include "logic/logic_rules.h"
#include "simulation/world_layout.h"
#include "world/game.h"

namespace {

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
    // Without logic tiles nothing happens; an invalid wire set freezes every
    // logic output until it is mended.
    const NetworkLayout& layout = currentLayout().network;
    if (!layout.signalsValid) return;
    for (int index : layout.evaluationOrder) {
        Tile& tile = tiles[index];
        if (!isLogicType(tile.type)) continue;
        const int wireA = layout.inputWireA[static_cast<std::size_t>(index)];
        const int wireB = layout.inputWireB[static_cast<std::size_t>(index)];
        const GatheredInput a = gatherInput(*this, wireA);
        const GatheredInput b = gatherInput(*this, wireB);
        tile.inputA = a.value;
        tile.inputB = b.value;
        refreshLogicTile(tile, dt, wireA >= 0 || wireB >= 0, a.sourceJustSupplied || b.sourceJustSupplied);
    }
}
