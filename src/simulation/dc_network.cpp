#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

constexpr int SLOTS_PER_SUPPLY = 100;

// What each network's powered supplies offer; every other entry stays 0.
void countSlots(const Game& game, const NetworkLayout& layout, NetworkBuffers& work)
{
    if (layout.dcFresh || work.dcSlots.size() != TILE_COUNT) work.dcSlots.assign(TILE_COUNT, 0);
    for (int supply : layout.supplies)
        work.dcSlots[static_cast<std::size_t>(layout.dcRoot[static_cast<std::size_t>(supply)])] = 0;
    for (int supply : layout.supplies) {
        if (!game.tiles[static_cast<std::size_t>(supply)].powerSupplied) continue;
        work.dcSlots[static_cast<std::size_t>(layout.dcRoot[static_cast<std::size_t>(supply)])] += SLOTS_PER_SUPPLY;
    }
}

void rewriteDcFields(Tile& tile, int root, const NetworkLayout& layout, const NetworkBuffers& work)
{
    const bool hadDc = tile.dcSupplied;
    const bool signalTile = isDcNetworkType(tile.type);
    tile.dcRoot = signalTile ? root : -1;
    tile.dcSlots = work.dcSlots[static_cast<std::size_t>(root)];
    tile.dcCount = layout.dcConsumers[static_cast<std::size_t>(root)];
    // One consumer too many leaves the whole network dark.
    tile.dcSupplied = signalTile && tile.dcSlots > 0 && tile.dcCount <= tile.dcSlots &&
                      (tile.type != POWER_SUPPLY || tile.powerSupplied);
    tile.dcJustSupplied = !hadDc && tile.dcSupplied;
}

}  // namespace

// Tiles outside every 5V network always get the same fields, so after the
// first rebuild on a layout only the network tiles are rewritten.
void Game::updateDcNetwork()
{
    currentLayout();
    NetworkLayout& layout = tables_.get().layout.network;
    NetworkBuffers& work = tables_.get().network;
    countSlots(*this, layout, work);
    if (layout.dcFresh) {
        for (int i = 0; i < TILE_COUNT; ++i)
            rewriteDcFields(tiles[i], layout.dcRoot[static_cast<std::size_t>(i)], layout, work);
        layout.dcFresh = false;
        return;
    }
    for (int i : layout.dcTiles)
        rewriteDcFields(tiles[i], layout.dcRoot[static_cast<std::size_t>(i)], layout, work);
}
