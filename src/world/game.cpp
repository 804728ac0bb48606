#include "world/game.h"

#include <algorithm>
#include <limits>
#include <utility>

// A load moves in the WorldState alone, so the world's fields must all be
// there: a field added to Game itself would outlive every load.
static_assert(sizeof(Game) ==
                  sizeof(ControlGrid) + sizeof(WorldState) + sizeof(SoundEngine*) + sizeof(StepTablesHolder),
              "Game holds a field outside WorldState");

Game::Game() { resetMap(); }

Game& Game::operator=(Game&& other) noexcept
{
    if (this != &other) WorldState::operator=(std::move(other));
    return *this;
}

void Game::resetMap()
{
    std::fill(tiles.begin(), tiles.end(), Tile{});
    std::fill(deckTiles.begin(), deckTiles.end(), Tile{});

    Tile& source = tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y);
    source.type = SOURCE;
    source.dir = EAST;
    source.machineId = nextMachineId++;
    tileAt(STARTER_SINK_X, STARTER_SINK_Y).type = SINK;

    items.clear();
    powerLinks.clear();
    signalControlLinks.clear();
    signalMeasureLinks.clear();
    dcLinks.clear();
    incomeEvents.clear();

    sourceClock = 0.0f;
    stepClock = 0.0f;
    deliveredCount = 0;
    stepCount = 0;
    money = STARTING_MONEY;
    moneyAtMonthStart = STARTING_MONEY;
    lastMonthResult = 0;
    monthReportPending = false;
    sourcesEnabled = true;
    gameTime = STARTING_GAME_TIME;
    titleDirty = true;
}

void Game::removeItemsAt(int x, int y)
{
    // The ejector that took charge of an item is going away: an item in flight
    // over empty ground falls with the tile, any other is simply let go.
    const int ejectorIndex = tileIndex(x, y);
    for (CargoItem& item : items) {
        if (item.ejectTarget != ejectorIndex) continue;
        if (item.state == ITEM_IN_FLIGHT && tileUnder(item).type == EMPTY) {
            item.x = x;
            item.y = y;
        }
        item.ejectTarget = -1;
        item.state = ITEM_FREE;
        item.ejectSkipTile = -1;
    }
    std::erase_if(items, [x, y](const CargoItem& item) { return item.occupies(x, y); });
}

bool Game::hasDcPowerAt(int x, int y) const { return inBounds(x, y) && tileAt(x, y).dcSupplied; }

void Game::addDelivered(std::int32_t count)
{
    const std::int64_t total = static_cast<std::int64_t>(deliveredCount) + count;
    deliveredCount = static_cast<std::int32_t>(std::clamp<std::int64_t>(total, std::numeric_limits<std::int32_t>::min(),
                                                                        std::numeric_limits<std::int32_t>::max()));
    titleDirty = true;
}

Tile* tileAtOrNull(Game& game, int x, int y) { return game.inBounds(x, y) ? &game.tileAt(x, y) : nullptr; }
