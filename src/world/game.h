#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "world/cargo_item.h"
#include "world/control_grid.h"
#include "world/geometry.h"
#include "world/tile.h"

class SoundEngine;

// One cable or wire. For wires the first end drives, the second is the target.
struct Link {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    int input = 0;  // input index at the target: 0 = A, 1 = B
    int param = 0;  // stepper output that drives the wire, 0 otherwise

    friend bool operator==(const Link&, const Link&) = default;
};

// One sale, as the floating income texts show it.
struct IncomeEvent {
    int x = 0;
    int y = 0;
    std::int64_t amount = 0;  // what was actually credited

    friend bool operator==(const IncomeEvent&, const IncomeEvent&) = default;
};

constexpr std::int64_t STARTING_MONEY = 1000000;
constexpr double STARTING_GAME_TIME = 28800.0;  // 08:00 of 2000-01-01
constexpr int MAX_INCOME_EVENTS = 64;
constexpr int STARTER_SOURCE_X = 3;
constexpr int STARTER_SOURCE_Y = 9;
constexpr int STARTER_SINK_X = 76;
constexpr int STARTER_SINK_Y = 9;

// The whole world of one running game.
class Game : public ControlGrid {
public:
    SoundEngine* sound = nullptr;  // not owned; shared by copies
    std::vector<Tile> tiles;  // layer 0: tile (x, y) is element y * 80 + x
    std::vector<Tile> deckTiles;  // layer 1: bridge decks, same indexing
    std::vector<CargoItem> items;  // in creation order
    std::vector<Link> powerLinks;
    std::vector<Link> signalControlLinks;  // switch wires
    std::vector<Link> signalMeasureLinks;  // measure wires
    std::vector<Link> dcLinks;  // 5V cables
    std::vector<IncomeEvent> incomeEvents;  // oldest first, at most 64
    std::uint64_t nextMachineId = 1;
    std::int32_t deliveredCount = 0;
    std::int64_t money = STARTING_MONEY;
    std::int64_t moneyAtMonthStart = STARTING_MONEY;
    std::int64_t lastMonthResult = 0;
    bool monthReportPending = false;
    bool sourcesEnabled = true;  // "ALLE QUELLEN AKTIV"
    double gameTime = STARTING_GAME_TIME;
    float sourceClock = 0.0f;
    float stepClock = 0.0f;
    std::uint32_t stepCount = 0;
    bool titleDirty = true;
    bool titleChanged = true;
    std::string titleText;

    Game();
    Game(const Game& other) = default;
    Game(Game&& other) noexcept = default;
    // Loading moves a scratch world in; the target keeps its own sound engine.
    Game& operator=(Game&& other) noexcept;
    Game& operator=(const Game&) = delete;
    ~Game() override = default;

    // Lays the starter map: a stopped source at (3, 9) facing east with the
    // next machine id, a sink at (76, 9). Machine ids keep growing.
    void resetMap();

    bool inBounds(int x, int y) const override { return inGrid(x, y); }
    Tile& tileAt(int x, int y) override { return tiles[tileIndex(x, y)]; }
    const Tile& tileAt(int x, int y) const override { return tiles[tileIndex(x, y)]; }
    bool itemAt(int x, int y) const override;
    void removeItemsAt(int x, int y) override;
    bool hasDcPowerAt(int x, int y) const override;
    bool isPoweredAt(int x, int y) const override;

    // The tile an item stands on, on its own layer; no bounds test.
    const Tile& tileUnder(const CargoItem& item) const;

    // Adds to the delivered count, saturating instead of overflowing.
    void addDelivered(std::int32_t count);

    // Grid queries for items.

    // Power networks and pole coverage.

    // Link ends and control groups.

    // Status texts, warnings and the blank-world test.

    // Simulation.

    // Map text.

    // Writes the world as map text of the current version; the stream's float
    // precision is left at 9. True when the stream is still good.
    bool writeMap(std::ostream& out) const;
    // Reads a whole map text; on any fault the world stays exactly as it was.
    bool readMap(std::istream& in);
};

// The layer-0 tile, or null outside the grid.
Tile* tileAtOrNull(Game& game, int x, int y);
