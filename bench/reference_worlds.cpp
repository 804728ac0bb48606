#include "reference_worlds.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "machines/arm_control.h"
#include "machines/placement.h"
#include "machines/source_control.h"
#include "world/control.h"

namespace {

constexpr int BANDS = 14;
constexpr int SLOTS_PER_BAND = 20;  // a left and a right slot in each of ten cells
constexpr int POLES_PER_BAND = 11;
constexpr int BRIDGE_SLOT = 11;  // the right slot of the sixth cell: x = 45
constexpr int MIXER_X = 6;
constexpr int DISTRIBUTOR_X = 4;
constexpr int SHOP_X = 3;
constexpr int SUPPLY_X = 77;
constexpr int JUNCTIONS_PER_CHAIN = 6;
constexpr int TOP_JUNCTION_ROW = 0;
constexpr int BOTTOM_JUNCTION_ROW = GRID_HEIGHT - 2;
constexpr int STORAGE_STOCK = 20;
constexpr int STOCK_SENSOR_LIMIT = 4;
constexpr int COAL_SENSOR_LIMIT = 5;
constexpr CargoMask PRODUCTS_FOR_SALE = (1u << FULL_BOTTLE) | (1u << STEEL_INGOT) | (1u << PLASTIC_GEAR);
// Items fill belts three times as densely as tunnels, up to this share of the belts.
constexpr double MOST_BELT_SHARE = 0.9;

constexpr CargoType SOURCE_CARGO[7] = {LOG, IRON_ORE, COAL, EMPTY_BOTTLE, PLASTIC_GRANULATE, PLANKS, IRON_INGOT};
constexpr CargoType WATCHED_CARGO[4] = {COAL, IRON_ORE, LOG, EMPTY_BOTTLE};

void require(bool ok, const char* what)
{
    if (!ok) throw std::logic_error(std::string("reference factory: ") + what);
}

// SplitMix64: small and the same on every platform, so golden runs hold everywhere.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    int below(std::size_t n) { return static_cast<int>(next() % n); }

    template <class T> void shuffle(std::vector<T>& values)
    {
        for (std::size_t i = values.size(); i > 1; --i)
            std::swap(values[i - 1], values[static_cast<std::size_t>(below(i))]);
    }

  private:
    std::uint64_t state_;
};

struct Point {
    int x = 0;
    int y = 0;
};

struct BandRows {
    int transport;
    int arms;
    int machines;
    int products;
};

BandRows bandRows(int band)
{
    const int transport = 2 + 4 * band;
    return {transport, transport + 1, transport + 2, transport + 3};
}

int slotX(int slot) { return 7 + 7 * (slot / 2) + 3 * (slot % 2); }
int poleX(int pole) { return 5 + 7 * pole; }

enum class Slot { Empty, Kiln, Smelter, Filler, Molder, Storage, Generator, Source, LongArm, Transfer, Ejector };
using SlotPlan = std::array<std::array<Slot, SLOTS_PER_BAND>, BANDS>;

bool slotFits(Slot kind, int band, int slot)
{
    switch (kind) {
    case Slot::Molder:
        return slot % 2 == 0;  // its pipe and water source stand to its right
    case Slot::LongArm:
        return band < BANDS - 1;  // it reaches the next band's transport row
    case Slot::Ejector:
        return band > 0 && slot != BRIDGE_SLOT;  // it throws onto the product row above
    default:
        return true;
    }
}

// Gives the kind to the first free slot in the shuffled order that fits it,
// within the band when one is named.
void assignSlot(SlotPlan& plan, const std::vector<int>& order, Slot kind, int band)
{
    for (int at : order) {
        const int b = at / SLOTS_PER_BAND;
        const int s = at % SLOTS_PER_BAND;
        if ((band >= 0 && b != band) || plan[b][s] != Slot::Empty || !slotFits(kind, b, s)) continue;
        plan[b][s] = kind;
        return;
    }
    throw std::logic_error("reference factory: no slot left for a machine");
}

SlotPlan planSlots(Random& random)
{
    SlotPlan plan{};
    for (int band = 0; band < BANDS - 1; ++band)
        plan[band][BRIDGE_SLOT] = Slot::Transfer;
    std::vector<int> order(BANDS * SLOTS_PER_BAND);
    std::iota(order.begin(), order.end(), 0);
    random.shuffle(order);
    for (int band = 0; band < BANDS; ++band) {
        assignSlot(plan, order, Slot::Generator, band);
        assignSlot(plan, order, Slot::Source, band);
    }
    const std::pair<Slot, int> spread[] = {{Slot::Molder, 8},   {Slot::Kiln, 10},    {Slot::Smelter, 10},
                                           {Slot::Filler, 8},   {Slot::Storage, 10}, {Slot::LongArm, 40},
                                           {Slot::Ejector, 12}, {Slot::Transfer, 37}};
    for (const auto& [kind, count] : spread) {
        for (int i = 0; i < count; ++i)
            assignSlot(plan, order, kind, -1);
    }
    return plan;
}

// Builds through the control's own place, asked again for every quarter
// turn; a producer gets the next machine id, as the build tool gives it.
Tile& build(Game& game, ControlType type, int x, int y, int turns = 0)
{
    for (int i = 0; i <= turns; ++i)
        require(controlForType(type).place(game, x, y), "a control could not be built");
    Tile& tile = game.tileAt(x, y);
    if (isProducerType(type) && tile.machineId == 0) tile.machineId = game.nextMachineId++;
    return tile;
}

// Writes a fresh tile as the map reader would: no placement rules asked.
Tile& setTile(Game& game, int x, int y, ControlType type, Direction dir = NONE)
{
    Tile& tile = game.tileAt(x, y);
    tile = Tile{};
    tile.type = type;
    tile.dir = dir;
    return tile;
}

void layBelt(Game& game, int x, int y, Direction dir, int speed) { setTile(game, x, y, BELT, dir).beltSpeed = speed; }

// An arm that lifts items from the north side down to the south side.
Tile& buildVerticalArm(Game& game, ControlType type, int x, int y)
{
    Tile& arm = build(game, type, x, y, 1);  // built across the rows, switched to run along the column
    ArmControl::setSideMask(arm, 1u << NORTH);
    return arm;
}

// What the layout steps hand on to the wiring and the items.
struct Factory {
    std::vector<Point> sources;
    std::vector<Point> storages;
    std::vector<Point> generators;
    std::vector<Point> ejectors;
    std::vector<Point> transfers;    // transfer arms
    std::vector<Point> signalTiles;  // sensors and logic components, for the 5V cables
    std::vector<Point> distributors;
    struct Tunnel {
        Point entrance;
        int slots;
        Direction feed;  // the travel of the items that enter it
    };
    std::vector<Tunnel> tunnels;
};

// Distributor and mixer face west on the transport row with their second
// tiles in the product row above; built before the belts that would block
// their turns.
void buildTransportPairs(Game& game, Factory& factory)
{
    for (int band = 1; band < BANDS; ++band) {
        const int y = bandRows(band).transport;
        Tile& distributor = build(game, DISTRIBUTOR, DISTRIBUTOR_X, y, 2);
        distributor.modeCargoRules = true;
        distributor.cargoRuleMask = PRODUCTS_FOR_SALE;
        build(game, MIXER, MIXER_X, y, 2);
        factory.distributors.push_back({DISTRIBUTOR_X, y});
        build(game, SHOP, SHOP_X, y - 1);  // takes what the distributor sends out of its side
    }
}

void layTransportRow(Game& game, int band)
{
    const int y = bandRows(band).transport;
    const int speed = band % 2 == 0 ? 3 : 4;
    for (int x = 1; x < GRID_WIDTH - 1; ++x) {
        if (game.tileAt(x, y).type == EMPTY) layBelt(game, x, y, WEST, speed);
    }
}

// A bridge carries the product row over the belt that takes the output of
// the machine slot below it down to the next transport row.
void layBridge(Game& game, int y)
{
    const int deckX = slotX(BRIDGE_SLOT);
    for (int part = BRIDGE_ENTRY_RAMP; part <= BRIDGE_EXIT_RAMP; ++part) {
        const int x = deckX + 1 - part;
        Tile& tile = part == BRIDGE_DECK ? setTile(game, x, y, BELT, SOUTH) : setTile(game, x, y, BRIDGE, WEST);
        tile.beltSpeed = part == BRIDGE_DECK ? 3 : 2;
        tile.bridgeDir = WEST;
        tile.bridgePart = part;
        if (part != BRIDGE_DECK) continue;
        Tile& deck = game.deckTiles[tileIndex(x, y)];
        deck.type = BELT;
        deck.dir = WEST;
    }
}

void layProductRow(Game& game, int band)
{
    const int y = bandRows(band).products;
    for (int x = MIXER_X + 1; x < GRID_WIDTH - 1; ++x)
        layBelt(game, x, y, WEST, 2);
    if (band < BANDS - 1) {
        layBridge(game, y);
    } else {
        build(game, SINK, MIXER_X, y);  // the last product row has no transport row to join
    }
}

void layTunnel(Game& game, Point entrance, Point exit, Direction exitDir, Direction feed, Factory& factory)
{
    Tile& in = setTile(game, entrance.x, entrance.y, TUNNEL);
    in.tunnelPartnerX = exit.x;
    in.tunnelPartnerY = exit.y;
    Tile& out = setTile(game, exit.x, exit.y, TUNNEL_EXIT, exitDir);
    out.tunnelPartnerX = entrance.x;
    out.tunnelPartnerY = entrance.y;
    const int slots = std::abs(exit.x - entrance.x) + std::abs(exit.y - entrance.y) + 1;
    factory.tunnels.push_back({entrance, slots, feed});
}

// Junctions: an exit facing east with the entrance of the next tunnel beside
// it. Four pools: the left and right halves of the top and bottom rows.
struct JunctionPools {
    std::array<std::vector<Point>, 4> pools;  // top left, top right, bottom left, bottom right

    static int poolOf(bool top, bool right) { return (top ? 0 : 2) + (right ? 1 : 0); }

    Point take(bool top, bool right)
    {
        std::vector<Point>& pool = pools[static_cast<std::size_t>(poolOf(top, right))];
        require(!pool.empty(), "the junction rows are full");
        const Point junction = pool.back();
        pool.pop_back();
        return junction;
    }
};

JunctionPools makeJunctionPools(Random& random)
{
    JunctionPools junctions;
    for (int row = 0; row < 2; ++row) {
        for (int x = 0; x < GRID_WIDTH; x += 2) {
            const bool right = x >= GRID_WIDTH / 2;
            junctions.pools[static_cast<std::size_t>(JunctionPools::poolOf(true, right))].push_back(
                {x, TOP_JUNCTION_ROW + row});
            junctions.pools[static_cast<std::size_t>(JunctionPools::poolOf(false, right))].push_back(
                {x, BOTTOM_JUNCTION_ROW + row});
        }
    }
    for (std::vector<Point>& pool : junctions.pools)
        random.shuffle(pool);
    return junctions;
}

// The transport rows form one loop: from the west end of each row a chain of
// long tunnels zigzags between the far and the near junction rows and comes
// out at the east end of another row.
void layTunnelChains(Game& game, Random& random, Factory& factory)
{
    JunctionPools junctions = makeJunctionPools(random);
    for (int band = 0; band < BANDS; ++band) {
        const int y = bandRows(band).transport;
        const bool farIsBottom = y < GRID_HEIGHT / 2;
        Point from{0, y};
        Direction feed = WEST;
        for (int hop = 0; hop < JUNCTIONS_PER_CHAIN; ++hop) {
            const bool far = hop % 2 == 0;
            const Point junction = junctions.take(far != farIsBottom, far);
            layTunnel(game, from, junction, EAST, feed, factory);
            from = {junction.x + 1, junction.y};
            feed = EAST;
        }
        const int next = (band + 5) % BANDS;  // 5 and 14 share no factor: a single loop
        layTunnel(game, from, {GRID_WIDTH - 1, bandRows(next).transport}, WEST, feed, factory);
    }
}

Tile& buildFacingSouth(Game& game, ControlType type, int x, int y) { return build(game, type, x, y, 1); }

// A coal source beside each generator keeps it stoked: its coal waits on the
// source tile while the generator is full, and the source buys no more.
void buildGenerator(Game& game, int x, int y, Factory& factory)
{
    Tile& generator = build(game, COAL_GENERATOR, x, y);
    generator.generatorOn = true;
    factory.generators.push_back({x, y});
    Tile& feed = build(game, SOURCE, x + 1, y, 2);  // turned to face west, into the generator
    SourceControl::setCargoType(feed, COAL);
    SourceControl::toggleRunning(feed);
}

void buildMolder(Game& game, int x, int y)
{
    buildFacingSouth(game, INJECTION_MOLDER, x, y).molderOn = true;
    setTile(game, x + 1, y, WATER_PIPE);
    Tile& water = setTile(game, x + 2, y, WATER_SOURCE);
    water.machineId = game.nextMachineId++;
}

void buildSource(Game& game, int band, int x, int y, Factory& factory)
{
    Tile& source = buildFacingSouth(game, SOURCE, x, y);
    SourceControl::setCargoType(source, SOURCE_CARGO[band % 7]);
    SourceControl::toggleRunning(source);
    source.label = "QUELLE " + std::to_string(band + 1);
    factory.sources.push_back({x, y});
}

// The machine an arm from the transport row feeds, in the machine row.
void buildFedMachine(Game& game, Slot kind, int x, int y, Factory& factory)
{
    switch (kind) {
    case Slot::Kiln:
        buildFacingSouth(game, OVEN, x, y);
        break;
    case Slot::Smelter:
        buildFacingSouth(game, SMELTER, x, y);
        break;
    case Slot::Filler:
        buildFacingSouth(game, FILLER, x, y);
        break;
    case Slot::Molder:
        buildMolder(game, x, y);
        break;
    case Slot::Storage:
        buildFacingSouth(game, STORAGE, x, y).storageOutputOn = factory.storages.size() % 2 == 0;
        factory.storages.push_back({x, y});
        break;
    case Slot::Generator:
        buildGenerator(game, x, y, factory);
        break;
    default:
        break;
    }
}

void buildSlot(Game& game, int band, int slot, Slot kind, Factory& factory)
{
    const BandRows rows = bandRows(band);
    const int x = slotX(slot);
    switch (kind) {
    case Slot::Empty:
        return;
    case Slot::Source:
        buildSource(game, band, x, rows.machines, factory);
        return;
    case Slot::LongArm:
        buildVerticalArm(game, LONG_ARM, x, rows.machines);
        return;
    case Slot::Transfer:
        layBelt(game, x, rows.machines, SOUTH, 5);
        buildVerticalArm(game, ARM, x, rows.arms);
        factory.transfers.push_back({x, rows.arms});
        return;
    case Slot::Ejector:
        build(game, EJECTOR, x, rows.arms);  // faces north, over the transport row
        factory.ejectors.push_back({x, rows.arms});
        return;
    default:
        buildVerticalArm(game, ARM, x, rows.arms);
        buildFedMachine(game, kind, x, rows.machines, factory);
        return;
    }
}

void cable(std::vector<Link>& links, Point a, Point b) { links.push_back(Link{a.x, a.y, b.x, b.y}); }

// A pole chain along every arm row, the chains joined at their west ends;
// each generator and 5V supply cabled to a pole near it, within the three
// cables a pole takes.
void layPower(Game& game, Factory& factory)
{
    for (int band = 0; band < BANDS; ++band) {
        const int y = bandRows(band).arms;
        for (int pole = 0; pole < POLES_PER_BAND; ++pole) {
            build(game, POWER_POLE, poleX(pole), y);
            if (pole > 0) cable(game.powerLinks, {poleX(pole - 1), y}, {poleX(pole), y});
        }
        if (band > 0) cable(game.powerLinks, {poleX(0), bandRows(band - 1).arms}, {poleX(0), y});
    }
    for (const Point& generator : factory.generators) {
        const int pole = std::max(1, (generator.x - 5 + 3) / 7);  // the west-end pole has its three cables
        cable(game.powerLinks, generator, {poleX(pole), generator.y - 1});
    }
}

Tile& buildSensor(Game& game, Point at, CargoType cargo, Factory& factory)
{
    Tile& sensor = setTile(game, at.x, at.y, SENSOR, EAST);  // the reader turns a sensor without direction east
    sensor.sensorCargo = cargo;
    factory.signalTiles.push_back(at);
    return sensor;
}

Tile& buildLogic(Game& game, ControlType type, Point at, Factory& factory)
{
    factory.signalTiles.push_back(at);
    return build(game, type, at.x, at.y);
}

void switchWire(Game& game, Point from, Point to, int input = 0, int param = 0)
{
    game.signalControlLinks.push_back(Link{from.x, from.y, to.x, to.y, input, param});
}

void measureWire(Game& game, Point from, Point to)
{
    game.signalMeasureLinks.push_back(Link{from.x, from.y, to.x, to.y});
}

Point eastOf(Point p) { return {p.x + 1, p.y}; }

// Each ejector is paid by a camera that watches the belt tile just before it.
void wireEjectors(Game& game, Factory& factory)
{
    for (std::size_t i = 0; i < factory.ejectors.size(); ++i) {
        const Point ejector = factory.ejectors[i];
        Tile& camera = buildSensor(game, eastOf(ejector), WATCHED_CARGO[i % 4], factory);
        camera.sensorWatchItems = true;
        camera.sensorPerItem = true;
        camera.sensorTargetIndex = 0;  // north
        switchWire(game, eastOf(ejector), ejector);
    }
}

// A storage gives out while it holds more than a few of the sensor's kind.
void wireStorages(Game& game, Factory& factory)
{
    for (std::size_t i = 0; i < factory.storages.size(); ++i) {
        const Point storage = factory.storages[i];
        const Point at{storage.x + 1, storage.y - 1};
        Tile& sensor = buildSensor(game, at, SOURCE_CARGO[i % 7], factory);
        sensor.compareAbove = 1;
        sensor.limit = STOCK_SENSOR_LIMIT;
        sensor.elseAction = SWITCH_OFF;
        measureWire(game, at, storage);
        switchWire(game, at, storage);
    }
}

Point utility(int band, int x) { return {x, bandRows(band).machines}; }

// Clock and switch through an AND drive a stepper that hands four transfer
// arms their turns; the AND also lights a lamp through a NOT.
void buildStepperCluster(Game& game, Factory& factory)
{
    const int band = 2;
    buildLogic(game, LOGIC_CLOCK, utility(band, 0), factory).periodSeconds = 2;
    buildLogic(game, LOGIC_SWITCH, utility(band, 1), factory).switchOn = true;
    buildLogic(game, LOGIC_AND, utility(band, 2), factory);
    buildLogic(game, LOGIC_STEPPER, utility(band, 3), factory);
    buildLogic(game, LOGIC_NOT, utility(band, 4), factory);
    buildLogic(game, SIGNAL_LAMP, utility(band, 5), factory);
    switchWire(game, utility(band, 0), utility(band, 2), 0);
    switchWire(game, utility(band, 1), utility(band, 2), 1);
    switchWire(game, utility(band, 2), utility(band, 3));
    switchWire(game, utility(band, 2), utility(band, 4));
    switchWire(game, utility(band, 4), utility(band, 5));
    for (int output = 0; output < 4; ++output) {
        const Point arm = factory.transfers[static_cast<std::size_t>(output)];
        game.tileAt(arm.x, arm.y).armContinuous = true;
        switchWire(game, utility(band, 3), arm, 0, output);
    }
}

// A camera's sightings are counted; every third sets a latch that a timer
// clears again, and the latch runs a source.
void buildLatchCluster(Game& game, Factory& factory)
{
    const int band = 5;
    buildLogic(game, LOGIC_COUNTER, utility(band, 0), factory).limit = 3;
    buildLogic(game, LOGIC_TIMER, utility(band, 1), factory).periodSeconds = 3;
    buildLogic(game, LOGIC_RS, utility(band, 2), factory);
    buildLogic(game, LOGIC_CLOCK, utility(band, 3), factory).periodSeconds = 5;
    buildLogic(game, LOGIC_XOR, utility(band, 4), factory);
    buildLogic(game, SIGNAL_LAMP, utility(band, 5), factory);
    switchWire(game, eastOf(factory.ejectors.front()), utility(band, 0));
    switchWire(game, utility(band, 0), utility(band, 1));
    switchWire(game, utility(band, 0), utility(band, 2), 0);
    switchWire(game, utility(band, 1), utility(band, 2), 1);
    switchWire(game, utility(band, 2), utility(band, 4), 0);
    switchWire(game, utility(band, 3), utility(band, 4), 1);
    switchWire(game, utility(band, 4), utility(band, 5));
    switchWire(game, utility(band, 2), factory.sources[1]);
}

// Two generators report low coal; either runs a coal source.
void buildCoalCluster(Game& game, Factory& factory)
{
    const int band = 8;
    buildLogic(game, LOGIC_OR, utility(band, 0), factory);
    buildLogic(game, SIGNAL_LAMP, utility(band, 1), factory);
    buildLogic(game, LOGIC_BUTTON, utility(band, 2), factory);
    buildLogic(game, LOGIC_NOT, utility(band, 3), factory);
    buildLogic(game, SIGNAL_LAMP, utility(band, 4), factory);
    for (int input = 0; input < 2; ++input) {
        const Point generator = factory.generators[static_cast<std::size_t>(input)];
        const Point at{generator.x + 1, generator.y - 1};
        Tile& sensor = buildSensor(game, at, COAL, factory);
        sensor.limit = COAL_SENSOR_LIMIT;
        measureWire(game, at, generator);
        switchWire(game, at, utility(band, 0), input);
    }
    switchWire(game, utility(band, 0), utility(band, 1));
    switchWire(game, utility(band, 2), utility(band, 3));
    switchWire(game, utility(band, 3), utility(band, 4));
    switchWire(game, utility(band, 0), factory.sources[2]);  // the first coal source
}

// A fast clock flips a distributor between its outputs; a counter lights a lamp.
void buildClockCluster(Game& game, Factory& factory)
{
    const int band = 11;
    buildLogic(game, LOGIC_CLOCK, utility(band, 0), factory).periodSeconds = 1;
    buildLogic(game, LOGIC_COUNTER, utility(band, 1), factory).limit = 4;
    buildLogic(game, SIGNAL_LAMP, utility(band, 2), factory);
    switchWire(game, utility(band, 0), utility(band, 1));
    switchWire(game, utility(band, 1), utility(band, 2));
    const Point distributor = factory.distributors[static_cast<std::size_t>(band - 1)];
    game.tileAt(distributor.x, distributor.y).modeSignal = true;
    switchWire(game, utility(band, 0), distributor);
}

// Two 5V supplies at the east ends of arm rows, each cabled to the pole
// beside it, feed the signal tiles of their half of the map.
void lay5V(Game& game, Factory& factory)
{
    const Point supplies[2] = {{SUPPLY_X, bandRows(2).arms}, {SUPPLY_X, bandRows(9).arms}};
    for (const Point& supply : supplies) {
        build(game, POWER_SUPPLY, supply.x, supply.y);
        cable(game.powerLinks, supply, {poleX(POLES_PER_BAND - 1), supply.y});
    }
    for (const Point& tile : factory.signalTiles) {
        const Point& supply = supplies[tile.y < GRID_HEIGHT / 2 ? 0 : 1];
        cable(game.dcLinks, supply, tile);
    }
}

void wireSignals(Game& game, Factory& factory)
{
    wireEjectors(game, factory);
    wireStorages(game, factory);
    buildStepperCluster(game, factory);
    buildLatchCluster(game, factory);
    buildCoalCluster(game, factory);
    buildClockCluster(game, factory);
    lay5V(game, factory);
}

Tile& tileOf(Game& game, Point p) { return game.tileAt(p.x, p.y); }

// Storages start with some stock and generators with a full coal store, each
// unit stamped by a source as if it had been bought.
void stockMachines(Game& game, Random& random, const Factory& factory)
{
    for (const Point& storage : factory.storages) {
        for (int i = 0; i < STORAGE_STOCK; ++i) {
            Tile& source =
                tileOf(game, factory.sources[static_cast<std::size_t>(random.below(factory.sources.size()))]);
            controlForType(STORAGE).acceptItem(tileOf(game, storage), source.sourceCargo,
                                               ItemRecord{stampProductId(source), {}});
        }
    }
    Tile& coalSource = tileOf(game, factory.sources[2]);
    require(coalSource.sourceCargo == COAL, "the third source sells coal");
    for (const Point& generator : factory.generators) {
        for (int i = 0; i < 10; ++i) {
            controlForType(COAL_GENERATOR)
                .acceptItem(tileOf(game, generator), COAL, ItemRecord{stampProductId(coalSource), {}});
        }
    }
}

// A place an item can be put: a belt, ramp or deck tile, or a tunnel slot.
struct Place {
    int layer = 0;
    Point at;
    Direction dir = NONE;
    int tunnelSlot = 0;
};

std::vector<Place> beltPlaces(const Game& game)
{
    std::vector<Place> places;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const Tile& tile = game.tileAt(x, y);
            if (tile.type == BELT || tile.type == BRIDGE) places.push_back({0, {x, y}, tile.dir, 0});
            if (tile.bridgePart == BRIDGE_DECK) places.push_back({1, {x, y}, tile.bridgeDir, 0});
        }
    }
    return places;
}

std::vector<Place> tunnelPlaces(const Factory& factory)
{
    std::vector<Place> places;
    for (const Factory::Tunnel& tunnel : factory.tunnels) {
        for (int slot = 1; slot <= tunnel.slots; ++slot)
            places.push_back({0, tunnel.entrance, tunnel.feed, slot});
    }
    return places;
}

// Belts take three times the share of tunnels, up to most of them; the rest goes into tunnels.
std::vector<Place> choosePlaces(const Game& game, const Factory& factory, int itemCount, Random& random)
{
    std::vector<Place> belts = beltPlaces(game);
    std::vector<Place> tunnels = tunnelPlaces(factory);
    const double b = static_cast<double>(belts.size());
    const double t = static_cast<double>(tunnels.size());
    auto onBelts = static_cast<std::size_t>(std::min(MOST_BELT_SHARE * b, itemCount * 3.0 * b / (3.0 * b + t)));
    std::size_t inTunnels = static_cast<std::size_t>(itemCount) - std::min<std::size_t>(onBelts, itemCount);
    if (inTunnels > tunnels.size()) {
        onBelts += inTunnels - tunnels.size();
        inTunnels = tunnels.size();
    }
    require(onBelts <= belts.size(), "more items than places");
    random.shuffle(belts);
    random.shuffle(tunnels);
    std::vector<Place> chosen(belts.begin(), belts.begin() + static_cast<std::ptrdiff_t>(onBelts));
    chosen.insert(chosen.end(), tunnels.begin(), tunnels.begin() + static_cast<std::ptrdiff_t>(inTunnels));
    random.shuffle(chosen);  // the item list in no particular order, as a played world has it
    return chosen;
}

void loadItems(Game& game, const Factory& factory, int itemCount, Random& random)
{
    for (const Place& place : choosePlaces(game, factory, itemCount, random)) {
        Tile& source = tileOf(game, factory.sources[static_cast<std::size_t>(random.below(factory.sources.size()))]);
        CargoItem& item = game.items.emplace_back(place.at.x, place.at.y, place.dir, source.sourceCargo);
        item.layer = place.layer;
        item.tunnelProgress = place.tunnelSlot;
        item.id = stampProductId(source);
    }
}

void clearMap(Game& game)
{
    std::fill(game.tiles.begin(), game.tiles.end(), Tile{});
    game.nextMachineId = 1;
}

}  // namespace

Game referenceFactory(int itemCount, std::uint64_t seed)
{
    require(itemCount >= 0, "a negative item count");
    Random random(seed);
    Game game;
    clearMap(game);
    Factory factory;
    const SlotPlan plan = planSlots(random);

    buildTransportPairs(game, factory);
    for (int band = 0; band < BANDS; ++band) {
        layTransportRow(game, band);
        layProductRow(game, band);
    }
    layTunnelChains(game, random, factory);
    for (int band = 0; band < BANDS; ++band) {
        for (int slot = 0; slot < SLOTS_PER_BAND; ++slot)
            buildSlot(game, band, slot, plan[band][slot], factory);
    }
    layPower(game, factory);
    wireSignals(game, factory);
    stockMachines(game, random, factory);
    loadItems(game, factory, itemCount, random);
    game.updateNetworks(0.0f);
    return game;
}
