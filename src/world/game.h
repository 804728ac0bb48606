#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "world/cargo_item.h"
#include "world/control_grid.h"
#include "world/geometry.h"
#include "world/link.h"
#include "world/link_ends.h"
#include "world/power_overview.h"
#include "world/route_bounds.h"
#include "world/tile.h"
#include "world/tile_warning.h"

class SoundEngine;
class RoomIndex;
class TileItemIndex;
struct SignalOrderBuffers;
struct StepTables;
struct WorldLayout;

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
// How high an item rides on a bridge deck, in tiles.
constexpr float DECK_HEIGHT = 0.1875f;

// Everything a world is, and all that loading a map replaces. Game adds the
// rules, the sound engine it reports to and the step's working tables, which
// a load leaves as they are: a field of the world belongs here.
struct WorldState {
    std::vector<Tile> tiles;       // layer 0: tile (x, y) is element y * 80 + x
    std::vector<Tile> deckTiles;   // layer 1: bridge decks, same indexing
    std::vector<CargoItem> items;  // in creation order
    std::vector<Link> powerLinks;
    std::vector<Link> signalControlLinks;   // switch wires
    std::vector<Link> signalMeasureLinks;   // measure wires
    std::vector<Link> dcLinks;              // 5V cables
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

    WorldState() : tiles(TILE_COUNT), deckTiles(TILE_COUNT) {}
};

// Owns the step's working tables (StepTables, in src/simulation), made on
// first use. They are kept between steps only so that a settled world
// allocates nothing, and belong to no world: a copy starts without them and
// an assignment leaves the target's own in place.
class StepTablesHolder {
  public:
    StepTablesHolder() noexcept;
    StepTablesHolder(const StepTablesHolder&) noexcept;
    StepTablesHolder(StepTablesHolder&&) noexcept;
    StepTablesHolder& operator=(const StepTablesHolder&) noexcept { return *this; }
    StepTablesHolder& operator=(StepTablesHolder&&) noexcept { return *this; }
    ~StepTablesHolder();

    StepTables& get() const;
    // The tables when made already, else null.
    StepTables* ifMade() const { return tables_.get(); }

  private:
    mutable std::unique_ptr<StepTables> tables_;
};

// The belt step's passes: the full one, and the follow-ups in which only
// items on belts and bridges move on (fast belts get further that way).
enum class BeltPass { Full, FollowUp };
// Whose finished products Game::spawnMachineOutputs puts out.
enum class OutputMachines { Producers, Storages };

// The whole world of one running game; final, so that the hot paths call its
// grid queries directly.
class Game final : public ControlGrid, public WorldState {
  public:
    SoundEngine* sound = nullptr;  // not owned; shared by copies

    Game();
    Game(const Game& other) = default;
    Game(Game&& other) noexcept = default;
    // Loading moves a scratch world in: only its WorldState, so the target
    // keeps its own sound engine and tables.
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
    // Arms, distributors and mixers run only with power; everything else always.
    bool isPoweredAt(int x, int y) const override
    {
        if (!inBounds(x, y)) return false;
        const Tile& tile = tileAt(x, y);
        return !runsOnlyWithPower(tile.type) || tile.powerSupplied;
    }

    // The tile an item stands on, on its own layer; no bounds test.
    const Tile& tileUnder(const CargoItem& item) const
    {
        return item.layer == 1 ? deckTiles[tileIndex(item.x, item.y)] : tileAt(item.x, item.y);
    }

    // Adds to the delivered count, saturating instead of overflowing; the
    // title shows the count, so it is marked for rebuilding.
    void addDelivered(std::int32_t count);

    // Grid queries for items.

    // May an item travelling in the given direction be handed to the tile now.
    bool canEnterTile(int x, int y, Direction travel, CargoType cargo) const;
    // No item but self stands on or plans to move through the tile; self may be null.
    bool hasRoomOnTile(int x, int y, const CargoItem* self) const;
    // The item stands on or plans to move through (x, y), as hasRoomOnTile
    // counts it; underDeck: a bridge deck spans (x, y).
    bool takesRoomOnTile(const CargoItem& item, int x, int y, bool underDeck) const;
    // How far along its route the item passes (x, y); -1 when not within 3.001 tiles.
    float pathDistanceTo(const CargoItem& item, float x, float y) const;
    // The box around every corner pathDistanceTo may walk for the item.
    RouteBounds routeBounds(const CargoItem& item) const;
    // Tile index of the ejector serving the belt tile, or -1.
    int ejectorForBelt(int x, int y) const;
    // Tile index of an ejector, switched on or off, behind the belt tile (x, y)
    // that pushes along d with room beyond the belt, or -1.
    int ejectorBehindBelt(int x, int y, Direction d) const;
    // The ejector can push the item one tile on; a negative index means the item's ejectTarget.
    bool canEjectItem(const CargoItem& item, int ejectorIndex) const;
    // A power loss holds the item still.
    bool isItemPowerStopped(const CargoItem& item) const;
    // The item the sensor standing at (x, y) sees on the belt it watches, or null.
    const CargoItem* itemSeenBySensor(int x, int y, const Tile& sensor) const;
    // The index of the belt tile that the camera of the sensor at (x, y) watches, or -1.
    int sensorWatchedTile(int x, int y, const Tile& sensor) const;
    // A camera watching the tile (tx, ty) sees the item there.
    static bool isSightedOn(const CargoItem& item, int tx, int ty);
    // The part of the item's square not hidden by machines or decks drawn over it.
    bool visibleItemRect(const CargoItem& item, float& x0, float& y0, float& x1, float& y1) const;
    // Some switch wire ends at (x, y).
    bool hasSwitchWireTo(int x, int y) const;
    // The item's height above the ground on a bridge, 0 .. DECK_HEIGHT.
    float itemDeckProgress(const CargoItem& item) const;
    // The item stands on a bridge tile whose deck runs in its heading.
    bool isItemOnDeck(const CargoItem& item) const;

    // Power networks and pole coverage.

    // Tile indices of the poles whose 7 x 7 square reaches the control at (x, y), in scan order.
    std::vector<int> polesCovering(int x, int y) const;
    // The same, written into poles (cleared first) so a caller can reuse its buffer.
    void polesCovering(int x, int y, std::vector<int>& poles) const;
    // Every cable network with its capacity, load and consumers, as the last power update left them.
    PowerOverview powerNetworks() const;
    // A running generator with fuel can be reached from the tile over power cables.
    bool powerPoleStatus(int x, int y) const;

    // Link ends and control groups.
    // Puts a wire's ends in stored order (signal source first, an end on a
    // distributor's second tile moved to its main tile); false when no wire
    // of the kind may join the two tiles.
    bool normaliseLinkEnds(int& x0, int& y0, int& x1, int& y1, bool measure) const;
    // The list holds the wire once normalised; measure wires exactly when the
    // list is signalMeasureLinks itself.
    bool hasLink(const std::vector<Link>& links, Link link) const;
    // A power cable joins the two tiles, in either orientation.
    bool hasPowerLink(int x0, int y0, int x1, int y1) const;
    // Copies of all ground tiles that form one control with (x, y).
    MachineGroup machineGroupAt(int x, int y) const;

    // Status texts and warnings.
    // Each takes an optional index of the present items, which views that ask
    // about every tile or item in a frame build once and share; without one
    // the item list is walked.

    // The TileWarning bits of the control at (x, y); 0 outside the grid.
    unsigned tileWarnings(int x, int y, const TileItemIndex* itemIndex = nullptr) const;
    // The warnings of every tile, row by row: what a frame's minimap and badges share.
    std::vector<unsigned> mapWarnings(const TileItemIndex& itemIndex) const;
    // The German status line of the control at (x, y); empty when there is nothing to report.
    std::string statusText(int x, int y, const TileItemIndex* itemIndex = nullptr) const;
    // Why an item with no planned path waits, in German; empty when no reason can be named.
    std::string blockedReason(const CargoItem& item, const TileItemIndex* itemIndex = nullptr) const;

    // Simulation.

    // Advances the whole world by dt seconds; skipMode moves items tile by
    // tile without smooth motion.
    void update(float dt, bool skipMode);
    // Puts every item that is free to move back onto its tile centre.
    void replanItems();
    // Game calendar: 1440 game seconds per simulated second, month books.
    void advanceClock(float dt);
    // A shop at (x, y) sells one unit; money saturates at its largest value.
    void sellCargo(int x, int y, CargoType cargo);
    // Every running source with room and money buys one item.
    void stepSources();
    // One water source hands water to the molders its pipes reach.
    void deliverWater(int sourceIndex, float dt);
    // Gives a producer without a machine id the next one.
    void assignMachineId(Tile& producer);

    // Network refresh: power, 5V, sensors, signal logic and switch wires.
    void updateNetworks(float dt);
    void updatePowerNetwork();
    void updateDcNetwork();
    // Evaluates every logic component once, sources before the components they feed.
    void updateSignals(float dt);
    // True when the switch wires form a valid circuit on the layer; order then
    // lists every sensor and logic tile, each after the tiles that feed it.
    static bool validateSignalLinks(const std::vector<Tile>& layer, const std::vector<Link>& wires,
                                    std::vector<int>& order);
    // Belt step and machine outputs. A step may be kept to the items from
    // firstItem on (those just put out); -1 steps every item.
    void stepItems(BeltPass pass, int firstItem = -1);
    void spawnMachineOutputs(OutputMachines machines);
    // Moves every tunnel's items on by one slot; one may come out on the exit.
    void indexTunnelItems();
    // No other item is in the way of the item's step from (fromX, fromY) to
    // (toX, toY). near, when given, files the present items by position and
    // spares the walk over them all.
    bool canMoveItemTo(const CargoItem& item, int fromX, int fromY, int toX, int toY, RoomIndex* near = nullptr);
    // May the machine at (x, y) put a new item onto the belt in front of it now,
    // and where does it start; phase is the new item's step phase (0..2).
    bool outputEntryAt(int x, int y, float& entryX, float& entryY, int& phase) const;
    // Smooth motion, ejectors and arms.
    void moveItems(float dt);
    void landThrownItems();
    void stepEjectors(float dt);
    void rotateArms(float dt);
    void pickUpItems();

    // Map text.

    // Writes the world as map text of the current version; the stream's float
    // precision is left at 9. True when the stream is still good.
    bool writeMap(std::ostream& out) const;
    // Reads a whole map text; on any fault the world stays exactly as it was.
    bool readMap(std::istream& in);
    // Reads a map file; false, with the world unchanged, when it cannot be
    // opened or is refused.
    bool loadFromFile(const std::filesystem::path& file);
    // An untouched new map (its starting source and sink have not worked yet)
    // or a world without any control or item: the save slots load over it
    // without asking.
    bool isBlank() const;
    // Puts the map on disk under target so that the file is at every moment
    // either the old or the new complete map; only a map that reads back is
    // put in place. True once the new map is there for good.
    bool saveFileAtomically(const std::filesystem::path& target) const;

  private:
    static bool validateSignalLinks(const std::vector<Tile>& layer, const std::vector<Link>& wires,
                                    std::vector<int>& order, SignalOrderBuffers& buffers);

    StepTablesHolder tables_;  // never saved or copied

    // Sizes the step's tables and the items' paths on the first step, so
    // that a world keeping its size allocates nothing in later steps.
    void reserveStepStorage();
    // The layout of the present tiles and links, rebuilt when they changed;
    // within a step, which changes neither, it is checked once at the start.
    const WorldLayout& currentLayout();
};

// The layer-0 tile, or null outside the grid.
Tile* tileAtOrNull(Game& game, int x, int y);
