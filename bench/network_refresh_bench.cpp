#include <benchmark/benchmark.h>

#include "world/control.h"
#include "world/game.h"

namespace {

constexpr int POLE_COLUMNS = 20;
constexpr int POLE_ROWS = 10;
constexpr int CONSUMERS = 300;
constexpr int SUPPLIES = 10;

int poleX(int pole) { return 2 + 4 * (pole % POLE_COLUMNS); }
int poleY(int pole) { return 2 + 6 * (pole / POLE_COLUMNS); }

void place(Game& game, ControlType type, int x, int y) { controlForType(type).place(game, x, y); }

void cable(std::vector<Link>& links, int x0, int y0, int x1, int y1) { links.push_back(Link{x0, y0, x1, y1}); }

// Ten rows of twenty cabled poles, each row fed by a running generator.
void layPowerRows(Game& game)
{
    for (int pole = 0; pole < POLE_COLUMNS * POLE_ROWS; ++pole) {
        place(game, POWER_POLE, poleX(pole), poleY(pole));
        if (pole % POLE_COLUMNS == 0) {
            place(game, COAL_GENERATOR, 0, poleY(pole));
            Tile& generator = game.tileAt(0, poleY(pole));
            generator.generatorOn = true;
            generator.generatorCoal = 10;
            cable(game.powerLinks, 0, poleY(pole), poleX(pole), poleY(pole));
        } else {
            cable(game.powerLinks, poleX(pole - 1), poleY(pole - 1), poleX(pole), poleY(pole));
        }
    }
}

ControlType consumerType(int k)
{
    if (k < 260) return ARM;
    if (k < 280) return LONG_ARM;
    return k < 290 ? DISTRIBUTOR : POWER_SUPPLY;
}

// 300 consumers beside the poles, more than the generators can carry.
void placeConsumers(Game& game)
{
    for (int k = 0; k < CONSUMERS; ++k) {
        const int pole = k % (POLE_COLUMNS * POLE_ROWS);
        const int x = poleX(pole) + 1;
        const int y = poleY(pole) + (k < POLE_COLUMNS * POLE_ROWS ? 1 : 2);
        place(game, consumerType(k), x, y);
        if (consumerType(k) == POWER_SUPPLY) cable(game.powerLinks, poleX(pole), poleY(pole), x, y);
        if (k % 15 == 0) game.items.emplace_back(x, y, EAST, COAL).carried = true;
    }
}

// Six logic components on each 5V supply: switch and clock into an AND, then
// NOT, counter and timer, and the timer switches an arm.
void placeLogic(Game& game)
{
    for (int s = 0; s < SUPPLIES; ++s) {
        const int pole = (CONSUMERS - SUPPLIES + s) % (POLE_COLUMNS * POLE_ROWS);
        const int sx = poleX(pole) + 1;
        const int sy = poleY(pole) + 2;
        const int x = poleX(pole) - 2;  // between the pole and the arms of the pole before
        const int y = poleY(pole) + 1;
        const ControlType types[6] = {LOGIC_SWITCH, LOGIC_CLOCK, LOGIC_AND, LOGIC_NOT, LOGIC_COUNTER, LOGIC_TIMER};
        const int at[6][2] = {{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}, {x, y + 2}, {x + 1, y + 2}};
        for (int i = 0; i < 6; ++i) {
            place(game, types[i], at[i][0], at[i][1]);
            cable(game.dcLinks, sx, sy, at[i][0], at[i][1]);
        }
        game.tileAt(x, y).switchOn = true;
        game.tileAt(x + 1, y).periodSeconds = 1;
        std::vector<Link>& wires = game.signalControlLinks;
        wires.push_back(Link{x, y, x, y + 1, 0, 0});
        wires.push_back(Link{x + 1, y, x, y + 1, 1, 0});
        wires.push_back(Link{x, y + 1, x + 1, y + 1, 0, 0});
        wires.push_back(Link{x + 1, y + 1, x, y + 2, 0, 0});
        wires.push_back(Link{x, y + 2, x + 1, y + 2, 0, 0});
        wires.push_back(Link{x + 1, y + 2, poleX(pole) + 1, poleY(pole) + 1, 0, 0});
    }
}

Game wiredFactory()
{
    Game game;
    game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y) = Tile{};
    game.tileAt(STARTER_SINK_X, STARTER_SINK_Y) = Tile{};
    layPowerRows(game);
    placeConsumers(game);
    placeLogic(game);
    game.updateNetworks(0.0f);
    return game;
}

void BM_UpdateNetworksAtRest(benchmark::State& state)
{
    Game game = wiredFactory();
    for (auto _ : state) {
        game.updateNetworks(0.0f);
        benchmark::ClobberMemory();
    }
    // What was actually built, so a placement that failed shows.
    int poles = 0;
    int consumers = 0;
    int logic = 0;
    int supplied = 0;
    for (const Tile& tile : game.tiles) {
        poles += tile.type == POWER_POLE ? 1 : 0;
        consumers += isPowerConsumerType(tile.type) ? 1 : 0;
        logic += isSignalType(tile.type) && tile.type != SENSOR ? 1 : 0;
        supplied += isPowerConsumerType(tile.type) && tile.powerSupplied ? 1 : 0;
    }
    std::vector<int> order;
    state.counters["poles"] = poles;
    state.counters["consumers"] = consumers;
    state.counters["supplied"] = supplied;
    state.counters["logic"] = logic;
    state.counters["wiresValid"] = Game::validateSignalLinks(game.tiles, game.signalControlLinks, order) ? 1 : 0;
}
BENCHMARK(BM_UpdateNetworksAtRest)->Unit(benchmark::kMicrosecond);

void BM_UpdateNetworksStepping(benchmark::State& state)
{
    Game game = wiredFactory();
    for (auto _ : state) {
        game.updateNetworks(1.0f / 60.0f);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UpdateNetworksStepping)->Unit(benchmark::kMicrosecond);

}  // namespace
