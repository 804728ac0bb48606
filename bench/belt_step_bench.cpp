#include <benchmark/benchmark.h>

#include <algorithm>

#include "world/game.h"

namespace {

// A snake of belts over the whole map; every `spacing`-th tile holds an item.
Game snakeGame(int spacing)
{
    Game game;
    game.items.reserve(TILE_COUNT);
    int along = 0;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        const Direction row = y % 2 == 0 ? EAST : WEST;
        for (int i = 0; i < GRID_WIDTH; ++i, ++along) {
            const int x = row == EAST ? i : GRID_WIDTH - 1 - i;
            const bool turn = i == GRID_WIDTH - 1 && y < GRID_HEIGHT - 1;
            Tile& tile = game.tileAt(x, y);
            tile = Tile{};
            tile.type = BELT;
            tile.dir = turn ? SOUTH : row;
            if (along % spacing == 0 && along < TILE_COUNT - 1) game.items.emplace_back(x, y, tile.dir, COAL);
        }
    }
    return game;
}

// One belt step of the time skip: three passes, then every item back on its tile centre.
void BM_BeltStep(benchmark::State& state)
{
    Game game = snakeGame(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        game.stepItems(BeltPass::Full);
        game.stepItems(BeltPass::FollowUp);
        game.stepItems(BeltPass::FollowUp);
        game.replanItems();
    }
    state.counters["items"] = static_cast<double>(game.items.size());
}
BENCHMARK(BM_BeltStep)->Arg(1)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);

// One frame of normal play: the whole step with its smooth motion.
void BM_SmoothFrame(benchmark::State& state)
{
    Game game = snakeGame(static_cast<int>(state.range(0)));
    for (int warmUp = 0; warmUp < 120; ++warmUp)
        game.update(1.0f / 60.0f, false);
    for (auto _ : state)
        game.update(1.0f / 60.0f, false);
    state.counters["items"] = static_cast<double>(game.items.size());
}
BENCHMARK(BM_SmoothFrame)->Arg(1)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);

// A full snake draining into a sink, every item gliding right behind the
// next one. Argument 1 lists the items leader first, as they are bought;
// 0 lists every other row follower first, which costs the smooth motion one
// extra pass per item in the row.
void BM_SmoothFrameDrainingSnake(benchmark::State& state)
{
    Game game = snakeGame(1);
    game.tileAt(0, GRID_HEIGHT - 1).type = SINK;
    if (state.range(0) == 1) std::reverse(game.items.begin(), game.items.end());
    for (int warmUp = 0; warmUp < 120; ++warmUp)
        game.update(1.0f / 60.0f, false);
    for (auto _ : state)
        game.update(1.0f / 60.0f, false);
    state.counters["items"] = static_cast<double>(game.items.size());
}
BENCHMARK(BM_SmoothFrameDrainingSnake)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
