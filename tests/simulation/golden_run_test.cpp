// Golden runs: each world below plays 600 steps (a time skip 100), and the
// SHA-256 of its map text afterwards must equal the value written here, so a
// speed-up cannot change the world step for step. After every step the world
// must also save and read back into a scratch world: a world the game made
// always saves.
//
// Refreshing a golden value on purpose: only when a change is meant to alter
// what happens in the world (and other tests show the new behaviour is the
// intended one), run
//   build/release/tests_simulation --gtest_filter='GoldenRun*'
// copy the digest that the failure message prints into the table, and say
// in the commit message which rule changed the run.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "machines/injection_molder_control.h"
#include "machines/placement.h"
#include "reference_worlds.h"
#include "support/sha256.h"
#include "support/world_builders.h"
#include "world/control.h"

namespace {

constexpr int GOLDEN_STEPS = 600;
constexpr float NORMAL_STEP = 1.0f / 60.0f;
constexpr float SKIP_STEP = 1.0f / 1.7f;

// Reading back takes most of a run's time; under the sanitizers the worlds
// are read back every so many steps only.
#ifdef __SANITIZE_ADDRESS__
constexpr int READ_BACK_EVERY = 25;
#else
constexpr int READ_BACK_EVERY = 1;
#endif

// The digests of the map texts at the end of the runs.
constexpr const char* SMALL_FACTORIES_DIGEST = "14c0f64a17e6858b312c5c1f412de6355e707a1c29e1aaf3f278951acdd64bba";
constexpr const char* SMALL_LOAD_DIGEST = "bd6afbfa1884baab8052277142d0081c9c4912ce851f285eec7634b2a18d0757";
constexpr const char* FULL_LOAD_DIGEST = "f9c173bba2134e9c6225b16c0c5ae9268bee8f29e2c4654d37b32bb99251ecb3";
constexpr const char* LARGE_LOAD_DIGEST = "faf2d7d7c4417ac0b7bae3b8fc8f8a8f7b5547edf48355d70f58666fc3cba8b0";
constexpr const char* TIME_SKIP_DIGEST = "0a49a972f3fb3e522d48449e248ee5be5f4448f5d4e48a0897b3f3d2f2244256";
constexpr const char* LARGE_TIME_SKIP_DIGEST = "de31a679cd198a39f20484cd909674513e2c41a7a8c5c93186eccd1db11843b0";
constexpr const char* PLAY_SKIP_PLAY_DIGEST = "7b1374c7db29c0f1c69a182e15e5746d08259efe790ffa08e884b98f8ff97491";

struct GoldenRun {
    int steps = GOLDEN_STEPS;
    float dt = NORMAL_STEP;
    bool skipMode = false;
    int readBackEvery = READ_BACK_EVERY;
};

// Runs the world as the main loop does and returns the digest of its map text at the end.
std::string playAndDigest(Game& game, const GoldenRun& run)
{
    Game scratch;
    for (int step = 1; step <= run.steps; ++step) {
        game.update(run.dt, run.skipMode);
        game.advanceClock(run.dt);
        if (step % run.readBackEvery != 0 && step != run.steps) continue;
        std::ostringstream out;
        EXPECT_TRUE(game.writeMap(out)) << "step " << step;
        std::istringstream in(out.str());
        if (!scratch.readMap(in)) {
            ADD_FAILURE() << "the world of step " << step << " does not read back";
            return {};
        }
    }
    std::ostringstream out;
    game.writeMap(out);
    return sha256Hex(out.str());
}

void expectGolden(Game game, const GoldenRun& run, const std::string& golden)
{
    const std::string digest = playAndDigest(game, run);
    EXPECT_EQ(digest, golden) << "the world no longer plays as it did; new golden value: " << digest;
}

// Small factories. Every item and stored unit carries an identity from a
// producer on the map, as the game gives them.

Tile& runningSource(Game& game, int x, int y, CargoType cargo, int quarterTurns = 0)
{
    Tile& source = build(game, SOURCE, x, y);
    for (int i = 0; i < quarterTurns; ++i)
        controlForType(SOURCE).place(game, x, y);
    source.sourceCargo = cargo;
    source.sourceRunning = true;
    return source;
}

void stock(Tile& machine, CargoType cargo, Tile& producer, int count)
{
    for (int i = 0; i < count; ++i)
        controlForType(machine.type).acceptItem(machine, cargo, {stampProductId(producer), {}});
}

// A running generator with a full coal store, each coal with its record.
Tile& fuelledGenerator(Game& game, int x, int y, Tile& coalProducer)
{
    Tile& generator = build(game, COAL_GENERATOR, x, y);
    generator.generatorOn = true;
    stock(generator, COAL, coalProducer, 10);
    return generator;
}

void power(Game& game, int generatorX, int generatorY, int poleX, int poleY, Tile& coalProducer)
{
    fuelledGenerator(game, generatorX, generatorY, coalProducer);
    build(game, POWER_POLE, poleX, poleY);
    game.powerLinks.push_back(Link{generatorX, generatorY, poleX, poleY});
}

Tile& verticalArm(Game& game, ControlType type, int x, int y)
{
    build(game, type, x, y);
    controlForType(type).place(game, x, y);
    return game.tileAt(x, y);
}

// Logs burn to coal in a kiln; ore and coal smelt to iron, sold at a shop.
void buildSmeltingLine(Game& game)
{
    Tile& logs = runningSource(game, 2, 10, LOG);
    layBeltRun(game, 3, 10, EAST, 4);
    stock(build(game, OVEN, 7, 10), LOG, logs, 3);
    layBeltRun(game, 8, 10, EAST, 3);
    Tile& ore = runningSource(game, 9, 8, IRON_ORE, 1);
    layBelt(game, 9, 9, SOUTH);
    Tile& smelter = build(game, SMELTER, 11, 10);
    stock(smelter, IRON_ORE, ore, 2);
    stock(smelter, COAL, ore, 2);
    layBeltRun(game, 12, 10, EAST, 3);
    setTile(game, 15, 10, SHOP, WEST);
}

// An arm and a long arm on a pole take coal off a line that a distributor
// splits between two sinks; one feeds a storage, the other the generator.
void buildPoweredArms(Game& game)
{
    build(game, DISTRIBUTOR, 12, 16);
    Tile& coal = runningSource(game, 2, 16, COAL);
    layBeltRun(game, 3, 16, EAST, 9);
    build(game, SINK, 13, 16);
    layBeltRun(game, 13, 17, EAST, 2);
    build(game, SINK, 15, 17);
    power(game, 3, 12, 7, 14, coal);
    build(game, POWER_POLE, 13, 14);
    game.powerLinks.push_back(Link{7, 14, 13, 14});
    verticalArm(game, ARM, 6, 17);
    layBeltRun(game, 6, 18, EAST, 5);
    build(game, STORAGE, 11, 18);
    verticalArm(game, LONG_ARM, 10, 14);
    layBeltRun(game, 10, 12, WEST, 7);
}

// Two sources merge in a mixer; the line crosses a bridge over another line
// and runs through a tunnel to a shop.
void buildCrossingsAndMerges(Game& game)
{
    build(game, MIXER, 6, 30);
    Tile& logs = runningSource(game, 2, 30, LOG);
    runningSource(game, 2, 31, IRON_ORE);
    layBeltRun(game, 3, 30, EAST, 3);
    layBeltRun(game, 3, 31, EAST, 3);
    layBeltRun(game, 7, 30, EAST, 2);
    buildBridgeEast(game, 10, 30);
    game.tileAt(10, 30).type = BELT;  // the crossing line runs under the deck
    game.tileAt(10, 30).dir = SOUTH;
    runningSource(game, 10, 28, COAL, 1);
    layBelt(game, 10, 29, SOUTH);
    layBeltRun(game, 10, 31, SOUTH, 2);
    build(game, SINK, 10, 33);
    layBeltRun(game, 12, 30, EAST, 2);
    layTunnel(game, 14, 30, 20, 30, EAST);
    layBeltRun(game, 21, 30, EAST, 3);
    setTile(game, 24, 30, SHOP, WEST);
    power(game, 2, 34, 6, 33, logs);
}

// A camera pays an ejector for every coal it sees; the ejector throws coal
// onto a storage whose stock sensor opens its output. A clock and a switch
// through an AND run an arm; everything on one 5V supply.
void buildSignalsAndEjector(Game& game)
{
    Tile& coal = runningSource(game, 30, 10, COAL);
    runningSource(game, 31, 9, LOG, 1);
    layBeltRun(game, 31, 10, EAST, 10);
    build(game, SINK, 41, 10);
    build(game, STORAGE, 36, 9);
    layBeltRun(game, 37, 9, EAST, 3);
    build(game, SINK, 40, 9);
    build(game, EJECTOR, 36, 11);
    Tile& camera = setTile(game, 35, 11, SENSOR, EAST);
    camera.sensorWatchItems = true;
    camera.sensorPerItem = true;
    camera.sensorTargetIndex = 0;  // north
    game.signalControlLinks.push_back(Link{35, 11, 36, 11});
    Tile& stockSensor = setTile(game, 37, 8, SENSOR, EAST);
    stockSensor.compareAbove = 1;
    stockSensor.limit = 1;
    game.signalMeasureLinks.push_back(Link{37, 8, 36, 9});
    game.signalControlLinks.push_back(Link{37, 8, 36, 9});
    build(game, LOGIC_CLOCK, 30, 12).periodSeconds = 1;
    build(game, LOGIC_SWITCH, 31, 12).switchOn = true;
    build(game, LOGIC_AND, 32, 12);
    game.signalControlLinks.push_back(Link{30, 12, 32, 12, 0, 0});
    game.signalControlLinks.push_back(Link{31, 12, 32, 12, 1, 0});
    verticalArm(game, ARM, 39, 11).armContinuous = true;
    game.signalControlLinks.push_back(Link{32, 12, 39, 11});
    layBelt(game, 39, 12, EAST);
    build(game, SINK, 40, 12);
    build(game, POWER_SUPPLY, 33, 12);
    power(game, 33, 13, 38, 13, coal);
    game.powerLinks.push_back(Link{33, 13, 33, 12});
    for (const auto& [x, y] : {std::pair{35, 11}, {37, 8}, {30, 12}, {31, 12}, {32, 12}}) {
        game.dcLinks.push_back(Link{33, 12, x, y});
    }
}

// Granulate and piped water make gears in a powered molder, sold at a shop.
void buildMoldingWithWater(Game& game)
{
    Tile& granulate = runningSource(game, 50, 20, PLASTIC_GRANULATE);
    layBeltRun(game, 51, 20, EAST, 3);
    Tile& molder = build(game, INJECTION_MOLDER, 54, 20);
    molder.molderOn = true;
    stock(molder, PLASTIC_GRANULATE, granulate, 2);
    setTile(game, 54, 21, WATER_PIPE);
    Tile& water = setTile(game, 54, 22, WATER_SOURCE);
    water.machineId = game.nextMachineId++;
    InjectionMolderControl::acceptWater(molder, {stampProductId(water), {}});
    layBeltRun(game, 55, 20, EAST, 3);
    setTile(game, 58, 20, SHOP, WEST);
    power(game, 50, 23, 52, 22, granulate);
}

// The five side by side on one map, each in a corner of its own.
Game smallFactories()
{
    Game game = emptyGame();
    buildSmeltingLine(game);
    buildPoweredArms(game);
    buildCrossingsAndMerges(game);
    buildSignalsAndEjector(game);
    buildMoldingWithWater(game);
    return game;
}

}  // namespace

TEST(GoldenRunDigest, MatchesKnownSha256Values)
{
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(sha256Hex(std::string(1000, 'a')), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3");
}

TEST(GoldenRun, SmallFactories) { expectGolden(smallFactories(), GoldenRun{}, SMALL_FACTORIES_DIGEST); }

TEST(GoldenRun, ReferenceFactorySmallLoad)
{
    expectGolden(referenceFactory(SMALL_FACTORY_ITEMS), GoldenRun{}, SMALL_LOAD_DIGEST);
}

TEST(GoldenRun, ReferenceFactoryFullLoad)
{
    expectGolden(referenceFactory(FULL_FACTORY_ITEMS), GoldenRun{}, FULL_LOAD_DIGEST);
}

TEST(GoldenRun, ReferenceFactoryLargeLoad)
{
    expectGolden(referenceFactory(LARGE_FACTORY_ITEMS), GoldenRun{}, LARGE_LOAD_DIGEST);
}

// A time skip: a hundred steps of 1/1.7 s each, as one frame of a skip runs them.
TEST(GoldenRun, ReferenceFactoryTimeSkip)
{
    const GoldenRun skip{100, SKIP_STEP, true};
    expectGolden(referenceFactory(FULL_FACTORY_ITEMS), skip, TIME_SKIP_DIGEST);
}

// Most of the large load rests in tunnels through a skip.
TEST(GoldenRun, ReferenceFactoryLargeLoadTimeSkip)
{
    const GoldenRun skip{100, SKIP_STEP, true};
    expectGolden(referenceFactory(LARGE_FACTORY_ITEMS), skip, LARGE_TIME_SKIP_DIGEST);
}

// A skip started in the middle of play, and play going on after it.
TEST(GoldenRun, ReferenceFactoryPlaySkipPlay)
{
    Game game = referenceFactory(SMALL_FACTORY_ITEMS);
    playAndDigest(game, GoldenRun{120});
    playAndDigest(game, GoldenRun{100, SKIP_STEP, true});
    EXPECT_EQ(playAndDigest(game, GoldenRun{60}), PLAY_SKIP_PLAY_DIGEST);
}
