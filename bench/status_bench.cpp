#include <benchmark/benchmark.h>

#include "world/game.h"
#include "world/tile_item_index.h"

namespace {

constexpr int GROUP_WIDTH = 4;  // a kiln and the three belts after it
constexpr int ITEMS_PER_LOADED_BELT = 4;

// A full map of kilns with coal ready, each facing a free belt, with the
// two belts after that carrying 9,600 items: half waiting with no path, half
// moving on. Every kiln has to look past all items to see its belt is free.
Game busyFactory()
{
    Game game;
    game.items.reserve(TILE_COUNT * 2);
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            Tile& tile = game.tileAt(x, y);
            tile = Tile{};
            tile.dir = EAST;
            const int column = x % GROUP_WIDTH;
            if (column == 0) {
                tile.type = OVEN;
                tile.ovenOutputCount = 1;
                continue;
            }
            tile.type = BELT;
            if (column == 1) continue;
            for (int k = 0; k < ITEMS_PER_LOADED_BELT; ++k) {
                CargoItem& item = game.items.emplace_back(x, y, EAST, COAL);
                if (k % 2 == 1) item.path.push_back(PathPoint{x + 1, y});
            }
        }
    }
    return game;
}

int countWarnedTiles(const Game& game, const TileItemIndex* index)
{
    int warned = 0;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x)
            warned += game.tileWarnings(x, y, index) != 0;
    }
    return warned;
}

std::size_t markBlockedItems(const Game& game, const TileItemIndex* index)
{
    std::size_t marked = 0;
    for (const CargoItem& item : game.items)
        marked += !game.blockedReason(item, index).empty();
    return marked;
}

// What the statistics window asks each frame: the warnings of every tile.
void BM_TileWarningsAllTilesWalkingItems(benchmark::State& state)
{
    const Game game = busyFactory();
    for (auto _ : state)
        benchmark::DoNotOptimize(countWarnedTiles(game, nullptr));
}
BENCHMARK(BM_TileWarningsAllTilesWalkingItems)->Unit(benchmark::kMillisecond);

// What the diagnostics overlay asks each frame: the blocked reason of every item.
void BM_BlockedReasonAllItemsWalkingItems(benchmark::State& state)
{
    const Game game = busyFactory();
    for (auto _ : state)
        benchmark::DoNotOptimize(markBlockedItems(game, nullptr));
}
BENCHMARK(BM_BlockedReasonAllItemsWalkingItems)->Unit(benchmark::kMillisecond);

void BM_BuildItemIndex(benchmark::State& state)
{
    const Game game = busyFactory();
    for (auto _ : state) {
        const TileItemIndex index(game);
        benchmark::DoNotOptimize(index.anyAt(0, 0));
    }
}
BENCHMARK(BM_BuildItemIndex)->Unit(benchmark::kMicrosecond);

void BM_TileWarningsAllTilesIndexed(benchmark::State& state)
{
    const Game game = busyFactory();
    for (auto _ : state) {
        const TileItemIndex index(game);
        benchmark::DoNotOptimize(countWarnedTiles(game, &index));
    }
}
BENCHMARK(BM_TileWarningsAllTilesIndexed)->Unit(benchmark::kMicrosecond);

void BM_BlockedReasonAllItemsIndexed(benchmark::State& state)
{
    const Game game = busyFactory();
    for (auto _ : state) {
        const TileItemIndex index(game);
        benchmark::DoNotOptimize(markBlockedItems(game, &index));
    }
}
BENCHMARK(BM_BlockedReasonAllItemsIndexed)->Unit(benchmark::kMicrosecond);

// Both views open in one frame, sharing one index.
void BM_WarningsAndReasonsOneFrame(benchmark::State& state)
{
    const Game game = busyFactory();
    int warned = 0;
    std::size_t marked = 0;
    for (auto _ : state) {
        const TileItemIndex index(game);
        warned = countWarnedTiles(game, &index);
        marked = markBlockedItems(game, &index);
        benchmark::DoNotOptimize(warned);
        benchmark::DoNotOptimize(marked);
    }
    state.counters["items"] = static_cast<double>(game.items.size());
    state.counters["warned"] = warned;
    state.counters["blocked"] = static_cast<double>(marked);
}
BENCHMARK(BM_WarningsAndReasonsOneFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
