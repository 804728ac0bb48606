#include <benchmark/benchmark.h>

#include <string>

#include "map_text_loops.h"
#include "world/game.h"

namespace {

constexpr int STOCK_PER_STORAGE = 20;

// Every tile built: a storage and a source in each run of ten tiles, belts
// between them, an item with identity and path on every belt. Every identity
// occurs once; the stock comes from the first two sources.
Game busyMap()
{
    Game game;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            Tile& tile = game.tileAt(x, y);
            tile = Tile{};
            tile.dir = EAST;
            if (x % 10 == 5) {
                tile.type = SOURCE;
                tile.machineId = game.nextMachineId++;
                tile.serialCounter = 100000;
                tile.label = "LINE " + std::to_string(y);
                tile.sourceProduced[LOG] = 1000;
            } else if (x % 10 == 0) {
                tile.type = STORAGE;
                for (int i = 0; i < STOCK_PER_STORAGE; ++i) {
                    const auto unit = static_cast<std::uint64_t>(((y * GRID_WIDTH + x) / 10) * STOCK_PER_STORAGE + i);
                    tile.storageCargo.push_back(PLANKS);
                    tile.storageItems.push_back(
                        ItemRecord{ItemId{1, 1000 + unit, "LINE 0"}, {ItemId{2, 20000 + unit, ""}}});
                }
            } else {
                tile.type = BELT;
                tile.beltSpeed = 1 + (x + y) % 5;
            }
        }
    }
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            if (game.tileAt(x, y).type != BELT) continue;
            CargoItem& item = game.items.emplace_back(x, y, EAST, LOG);
            item.id = ItemId{game.tileAt(x - x % 10 + 5, y).machineId, static_cast<std::uint64_t>(x + 1), ""};
            item.posX = static_cast<float>(x) + 0.3333333f;
            item.progress = 0.3333333f;
            item.speedCredit = 2;
            if (x + 1 < GRID_WIDTH) item.path.push_back(PathPoint{x + 1, y, 0.56666666f, EAST, false});
        }
    }
    game.gameTime = 987654.321;
    game.sourceClock = 0.71234f;
    return game;
}

void BM_WriteBusyMap(benchmark::State& state)
{
    const Game game = busyMap();
    const std::size_t bytes = timeMapWrites(state, game);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["items"] = static_cast<double>(game.items.size());
}
BENCHMARK(BM_WriteBusyMap)->Unit(benchmark::kMillisecond);

void BM_ReadBusyMap(benchmark::State& state)
{
    const std::string text = mapText(busyMap());
    timeMapReads(state, text, "the busy map was refused");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadBusyMap)->Unit(benchmark::kMillisecond);

}  // namespace
