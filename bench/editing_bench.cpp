// Undoable edits on the full reference factory: one click must leave the
// frame its time. Report medians:
//   gearhaven-bench --benchmark_filter=Edit --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "editing/belt_speed_painting.h"
#include "editing/blueprint.h"
#include "editing/bridges_and_tunnels.h"
#include "editing/control_move.h"
#include "editing/direction_painting.h"
#include "editing/map_stroke.h"
#include "editing/multi_selection.h"
#include "editing/placing.h"
#include "editing/tool_press.h"
#include "editing/undo_history.h"
#include "reference_worlds.h"

namespace {

// A free tile of the factory that a smelter can be built on.
std::pair<int, int> buildableTile(const Game& game)
{
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            if (game.tileAt(x, y).isFree() && !game.itemAt(x, y)) return {x, y};
        }
    }
    throw std::logic_error("the factory has no free tile");
}

// Snapshot, edit, snapshot, record: every pass turns the smelter once more.
void BM_EditRecorded(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    const auto [x, y] = buildableTile(game);
    UndoHistory history;
    for (auto _ : state) {
        if (!history.record(game, [&, x = x, y = y] { placeControl(game, SMELTER, x, y); }))
            state.SkipWithError("the edit changed nothing");
    }
}
BENCHMARK(BM_EditRecorded)->Unit(benchmark::kMillisecond);

// A click with the smelter tool as the shell makes it: the guard around the press.
void BM_EditClick(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    const auto [x, y] = buildableTile(game);
    UndoHistory history;
    MapStroke stroke;
    for (auto _ : state) {
        UndoGuard press(history, game);
        pressTool(TOOL_SMELTER, game, press, stroke, x, y);
    }
}
BENCHMARK(BM_EditClick)->Unit(benchmark::kMillisecond);

// A click that changes nothing (a build refused on an occupied tile) writes no text.
void BM_EditClickUnchanged(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    const auto [x, y] = buildableTile(game);
    placeControl(game, OVEN, x, y);
    UndoHistory history;
    MapStroke stroke;
    for (auto _ : state) {
        UndoGuard press(history, game);
        pressTool(TOOL_SMELTER, game, press, stroke, x, y);
    }
    if (!history.empty()) state.SkipWithError("a refused build was recorded");
}
BENCHMARK(BM_EditClickUnchanged)->Unit(benchmark::kMillisecond);

// The centre of a free 3 x 3 square of the factory, where a bridge turns every way.
std::pair<int, int> openSquare(const Game& game)
{
    const auto buildable = [&game](int x, int y) { return game.tileAt(x, y).isFree() && !game.itemAt(x, y); };
    for (int y = 1; y + 1 < GRID_HEIGHT; ++y) {
        for (int x = 1; x + 1 < GRID_WIDTH; ++x) {
            bool open = true;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx)
                    open = open && buildable(x + dx, y + dy);
            }
            if (open) return {x, y};
        }
    }
    throw std::logic_error("the factory has no open square");
}

// A click with the BRIDGE tool on a bridge of the factory: each pass turns it
// a quarter, which looks for items on the old bridge and the new.
void BM_EditBridgeTurn(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    const auto [x, y] = openSquare(game);
    if (!placeBridge(game, x, y)) state.SkipWithError("the bridge was refused");
    UndoHistory history;
    MapStroke stroke;
    for (auto _ : state) {
        UndoGuard press(history, game);
        pressTool(TOOL_BRIDGE, game, press, stroke, x, y);
    }
    if (game.tileAt(x, y).bridgePart != BRIDGE_DECK || history.empty()) state.SkipWithError("the turns were refused");
}
BENCHMARK(BM_EditBridgeTurn)->Unit(benchmark::kMillisecond);

// The row of the factory with the most machines that painting a direction turns.
int busiestMachineRow(const Game& game)
{
    int bestRow = 0;
    int bestCount = -1;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        int count = 0;
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const ControlType type = game.tileAt(x, y).type;
            count += type == OVEN || type == SMELTER || type == FILLER || type == STORAGE || type == INJECTION_MOLDER;
        }
        if (count > bestCount) {
            bestCount = count;
            bestRow = y;
        }
    }
    return bestRow;
}

// A DIRECTION stroke across the busiest machine row as the shell makes it:
// the press, one motion to the far edge, the release. Passes paint north and
// south by turns, so every machine that can turn turns two or three times,
// each on its own copy of the world.
void BM_EditDirectionStroke(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    const int row = busiestMachineRow(game);
    UndoHistory history;
    MapStroke stroke;
    Direction dir = NORTH;
    for (auto _ : state) {
        {
            UndoGuard press(history, game);
            beginDirectionStroke(stroke, press, game, 0, row, dir);
        }
        continueStroke(stroke, game, GRID_WIDTH - 1, row);
        endStroke(stroke, history, game);
        dir = dir == NORTH ? SOUTH : NORTH;
    }
    if (history.empty()) state.SkipWithError("nothing turned");
}
BENCHMARK(BM_EditDirectionStroke)->Unit(benchmark::kMillisecond);

// One motion of a BELT_SPEED stroke over the whole map's diagonal, levels 2
// and 4 by turns, without the undo record.
void BM_EditBeltSpeedLine(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    int level = 2;
    for (auto _ : state) {
        if (!paintBeltSpeed(game, 0, 0, GRID_WIDTH - 1, GRID_HEIGHT - 1, level)) state.SkipWithError("no belt met");
        level = 6 - level;
    }
}
BENCHMARK(BM_EditBeltSpeedLine)->Unit(benchmark::kMicrosecond);

// Ctrl+Z of a map-text record: the whole world read back.
void BM_EditUndo(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    std::string text;
    if (!UndoHistory::snapshot(game, text)) state.SkipWithError("no snapshot");
    UndoHistory history;
    for (auto _ : state) {
        state.PauseTiming();
        history.push(std::string(text));
        state.ResumeTiming();
        if (!history.undo(game)) state.SkipWithError("the record was refused");
    }
}
BENCHMARK(BM_EditUndo)->Unit(benchmark::kMillisecond);

// "ALLE DREHEN" over every belt of the factory, as the side panel's press
// makes it: the world copied for a rollback, every belt turned, the entries
// read anew and the step recorded.
void BM_EditRotateAllBelts(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    MultiSelection selection;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            if (game.tileAt(x, y).type == BELT && game.tileAt(x, y).bridgePart < 0) selection.toggle(game, x, y);
        }
    }
    UndoHistory history;
    for (auto _ : state) {
        UndoGuard press(history, game);
        if (!selection.rotate(game)) state.SkipWithError("a belt did not turn");
    }
    state.counters["belts"] = static_cast<double>(selection.entries.size());
}
BENCHMARK(BM_EditRotateAllBelts)->Unit(benchmark::kMillisecond);

// A right drag of a smelter between two free tiles of the factory and back:
// the control read anew, moved, the networks rebuilt and the step recorded.
void BM_EditMoveControl(benchmark::State& state)
{
    Game game = referenceFactory(FULL_FACTORY_ITEMS);
    const auto [x, y] = buildableTile(game);
    placeControl(game, SMELTER, x, y);
    const auto [otherX, otherY] = buildableTile(game);
    UndoHistory history;
    MultiSelection selection;
    int fromX = x;
    int fromY = y;
    int toX = otherX;
    int toY = otherY;
    for (auto _ : state) {
        const MachineGroup smelter = pickUpControl(game, selection, fromX, fromY);
        if (!dropControl(history, game, smelter, toX, toY)) state.SkipWithError("the move was refused");
        std::swap(fromX, toX);
        std::swap(fromY, toY);
    }
}
BENCHMARK(BM_EditMoveControl)->Unit(benchmark::kMillisecond);

// Ctrl+C over the whole factory: every tile and wire read into a blueprint.
void BM_EditCopyWholeFactory(benchmark::State& state)
{
    const Game game = referenceFactory(FULL_FACTORY_ITEMS);
    for (auto _ : state) {
        const Blueprint blueprint = copyArea(game, 0, 0, GRID_WIDTH - 1, GRID_HEIGHT - 1);
        if (blueprint.empty()) state.SkipWithError("the factory did not copy");
        benchmark::DoNotOptimize(blueprint.tiles.data());
    }
}
BENCHMARK(BM_EditCopyWholeFactory)->Unit(benchmark::kMillisecond);

// The whole factory pasted onto a cleared map as one recorded step, then
// taken back by undo.
void BM_EditPasteWholeFactoryAndUndo(benchmark::State& state)
{
    const Blueprint blueprint = copyArea(referenceFactory(FULL_FACTORY_ITEMS), 0, 0, GRID_WIDTH - 1, GRID_HEIGHT - 1);
    Game game;
    game.tiles.assign(TILE_COUNT, Tile{});
    game.deckTiles.assign(TILE_COUNT, Tile{});
    UndoHistory history;
    for (auto _ : state) {
        if (!pasteArea(history, game, blueprint, 0, 0)) state.SkipWithError("the paste was refused");
        if (!history.undo(game)) state.SkipWithError("the paste was not undone");
    }
}
BENCHMARK(BM_EditPasteWholeFactoryAndUndo)->Unit(benchmark::kMillisecond);

// The paste footprint's colour, asked every frame while pasting: a blueprint
// of the whole factory over a cleared map, where every tile is tested.
void BM_EditPastePreview(benchmark::State& state)
{
    const Blueprint blueprint = copyArea(referenceFactory(FULL_FACTORY_ITEMS), 0, 0, GRID_WIDTH - 1, GRID_HEIGHT - 1);
    Game game;
    game.tiles.assign(TILE_COUNT, Tile{});
    for (auto _ : state) {
        if (!canPlaceArea(game, blueprint, 0, 0)) state.SkipWithError("the blueprint does not fit");
    }
}
BENCHMARK(BM_EditPastePreview)->Unit(benchmark::kMicrosecond);

}  // namespace
