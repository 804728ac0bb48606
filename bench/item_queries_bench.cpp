#include <benchmark/benchmark.h>

#include "world/game.h"

namespace {

constexpr int FREE_X = 40;
constexpr int FREE_Y = 30;

// A full map: two items on every tile but one, each with a planned step on
// its own tile, so a question about the free tile has to look at all 9,600.
Game crowdedGame()
{
    Game game;
    game.items.reserve(9600);
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            if (x == FREE_X && y == FREE_Y) continue;
            for (int layer = 0; layer < 2; ++layer) {
                CargoItem& item = game.items.emplace_back(x, y, EAST, LOG);
                item.layer = layer;
                item.path.push_back(PathPoint{x, y});
            }
        }
    }
    game.items.emplace_back(0, 0, EAST, COAL);
    game.items.emplace_back(0, 0, EAST, COAL);
    return game;
}

void BM_HasRoomOnFreeTile(benchmark::State& state)
{
    const Game game = crowdedGame();
    for (auto _ : state)
        benchmark::DoNotOptimize(game.hasRoomOnTile(FREE_X, FREE_Y, nullptr));
    state.counters["items"] = static_cast<double>(game.items.size());
}
BENCHMARK(BM_HasRoomOnFreeTile)->Unit(benchmark::kMicrosecond);

void BM_HasRoomOnEveryTile(benchmark::State& state)
{
    const Game game = crowdedGame();
    int tile = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.hasRoomOnTile(tile % GRID_WIDTH, tile / GRID_WIDTH, nullptr));
        tile = (tile + 1) % TILE_COUNT;
    }
}
BENCHMARK(BM_HasRoomOnEveryTile)->Unit(benchmark::kMicrosecond);

void BM_ItemAtFreeTile(benchmark::State& state)
{
    const Game game = crowdedGame();
    for (auto _ : state)
        benchmark::DoNotOptimize(game.itemAt(FREE_X, FREE_Y));
}
BENCHMARK(BM_ItemAtFreeTile)->Unit(benchmark::kMicrosecond);

void BM_ItemAtEveryTile(benchmark::State& state)
{
    const Game game = crowdedGame();
    int tile = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.itemAt(tile % GRID_WIDTH, tile / GRID_WIDTH));
        tile = (tile + 1) % TILE_COUNT;
    }
}
BENCHMARK(BM_ItemAtEveryTile)->Unit(benchmark::kMicrosecond);

}  // namespace
