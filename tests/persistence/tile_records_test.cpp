#include <gtest/gtest.h>

#include <sstream>

#include "map_text_support.h"
#include "persistence/tile_line.h"
#include "persistence/tile_state.h"

namespace {

std::string stateLineOf(const Tile& tile)
{
    TextOut out;
    writeTileState(out, tile);
    return out.text;
}

std::string tileLineOf(const Tile& tile)
{
    TextOut out;
    writeTileLine(out, tile);
    return out.text;
}

bool readsState(const std::string& line, Tile& tile, int version)
{
    std::istringstream in(line);
    return readTileState(in, tile, version);
}

bool readsLine(const std::string& line, Tile& tile, int version)
{
    std::istringstream in(line);
    return readTileLine(in, tile, version);
}

std::string repeated(const char* token, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += token;
    return text;
}

// An empty state line of version 15 (ten cargo kinds, no generator and molder
// items) or 16 (thirteen kinds, generator and molder items without their switches).
std::string oldStateLine(int version, const std::string& storageMask)
{
    const int kinds = version < 16 ? 10 : 13;
    const int generatorAndMolder = version < 16 ? 0 : 10;
    return "0 0 1 1 0 0 0" + repeated(" 0", 2 * kinds + 1 + 6 + 8) + " 0 0 \"\" 0 0" + repeated(" 0", 6) +
           repeated(" 0", generatorAndMolder) + " " + storageMask + " 0 0 0 8191";
}

// The tokens of a default version 43 tile line, cut for an older version.
std::vector<std::string> defaultLineTokens() { return splitTokens(tileLineOf(Tile{})); }

}  // namespace

TEST(TileStateRecord, DefaultTileWritesTheDocumentedLine)
{
    const std::string expected =
        "0 0 1 1 0 0 0" + repeated(" 0", 41) + " 0 0 \"\" 0" + repeated(" 0", 20) + " 8191 0 0 0 8191 1\n";
    EXPECT_EQ(stateLineOf(Tile{}), expected);
    EXPECT_EQ(splitTokens(expected).size(), 78u);

    std::ostringstream stream;
    writeTileState(stream, Tile{});
    EXPECT_EQ(stream.str(), expected);
}

TEST(TileStateRecord, EveryStateFieldSurvivesTheRoundTrip)
{
    const Game world = busyWorld();
    for (const Tile& original : world.tiles) {
        Tile copy;
        copy.type = original.type;
        copy.dir = original.dir;
        ASSERT_TRUE(readsState(stateLineOf(original), copy, MAP_VERSION)) << stateLineOf(original);
        EXPECT_EQ(stateLineOf(copy), stateLineOf(original));
    }
}

TEST(TileStateRecord, SameTileStateComparesOnlyTheStateAtSixDigits)
{
    Tile a;
    Tile b;
    EXPECT_TRUE(sameTileState(a, b));
    b.type = SMELTER;
    b.dir = WEST;
    b.beltSpeed = 1;
    b.label = "X";
    b.machineId = 9;
    EXPECT_TRUE(sameTileState(a, b));

    a.ovenTimer = 1.0000001f;
    b.ovenTimer = 1.0f;
    EXPECT_TRUE(sameTileState(a, b));
    a.ovenTimer = 1.001f;
    EXPECT_FALSE(sameTileState(a, b));

    Tile counted;
    counted.sourceProduced[PLANKS] = 1;
    EXPECT_FALSE(sameTileState(counted, Tile{}));
    Tile queued;
    queued.storageItems.push_back(ItemRecord{});
    EXPECT_FALSE(sameTileState(queued, Tile{}));
}

TEST(TileStateRecord, OldCargoMasksMeanEveryKindBeforeVersion16)
{
    Tile storage;
    storage.type = STORAGE;
    storage.dir = EAST;
    Tile narrower = storage;
    Tile newer = storage;
    ASSERT_TRUE(readsState(oldStateLine(15, "1023"), storage, 15));
    EXPECT_EQ(storage.storageAcceptMask, ALL_CARGO);
    ASSERT_TRUE(readsState(oldStateLine(15, "1022"), narrower, 15));
    EXPECT_EQ(narrower.storageAcceptMask, 1022u);
    ASSERT_TRUE(readsState(oldStateLine(16, "1023"), newer, 16));
    EXPECT_EQ(newer.storageAcceptMask, 1023u);
    EXPECT_TRUE(newer.generatorOn);
    EXPECT_TRUE(newer.molderOn);

    Tile arm;
    arm.type = ARM;
    arm.armCargoFilter = 1023;
    std::vector<std::string> tokens = splitTokens(tileLineOf(arm));
    tokens.resize(11);  // a version 1 line: fields 1 to 11
    Tile oldArm;
    ASSERT_TRUE(readsLine(joinTokens(tokens), oldArm, 1));
    EXPECT_EQ(oldArm.armCargoFilter, ALL_CARGO);
}

TEST(TileStateRecord, GeneratorBurnTimeWasThreeTimesLongerBeforeVersion40)
{
    Tile generator;
    generator.type = COAL_GENERATOR;
    generator.generatorBurnTime = 30.0f;
    const std::string line = stateLineOf(generator);

    Tile old = generator;
    ASSERT_TRUE(readsState(line, old, 39));
    EXPECT_FLOAT_EQ(old.generatorBurnTime, 10.0f);

    Tile current = generator;
    EXPECT_FALSE(readsState(line, current, 40));
    generator.generatorBurnTime = 10.0f;
    EXPECT_TRUE(readsState(stateLineOf(generator), current, 40));
}

TEST(TileStateRecord, MachineRulesRefuseInconsistentStock)
{
    struct Case {
        const char* name;
        void (*spoil)(Tile&);
    };
    const Case cases[] = {
        {"kiln input records without their cargo", [](Tile& t) { t.ovenInputItems.push_back(ItemRecord{}); }},
        {"smelter coal count without records", [](Tile& t) { t.smelterCoal = 1, t.smelterHeld = 1; }},
        {"smelter holding eleven ingots",
         [](Tile& t) {
             for (int i = 0; i < 11; ++i)
                 t.smelterInputCargo.push_back(IRON_INGOT), t.smelterInputItems.emplace_back();
             t.smelterHeld = 11;
         }},
        {"smelter output of ore",
         [](Tile& t) {
             t.smelterOutputCargo = {IRON_ORE}, t.smelterOutputItems = Fifo<ItemRecord>{ItemRecord{}},
             t.smelterHeld = 1;
         }},
        {"bottles that do not add up", [](Tile& t) { t.fillerBottles = 1; }},
        {"kiln timer at five seconds", [](Tile& t) { t.ovenTimer = 5.0f; }},
        {"mixer position past its cycle", [](Tile& t) { t.ratioPos = 2; }},
        {"water gathered off a water source", [](Tile& t) { t.waterAccumulator = 0.5f; }},
        {"stock on a belt", [](Tile& t) { t.storageCargo = {LOG}, t.storageItems = Fifo<ItemRecord>{ItemRecord{}}; }},
        {"shop mask on a belt", [](Tile& t) { t.shopAcceptMask = 1; }},
        {"belt switched off like an ejector", [](Tile& t) { t.ejectorActive = false; }},
    };
    for (const Case& c : cases) {
        Tile tile;
        tile.type = BELT;
        tile.dir = EAST;
        c.spoil(tile);
        Tile read;
        read.type = BELT;
        read.dir = EAST;
        EXPECT_FALSE(readsState(stateLineOf(tile), read, MAP_VERSION)) << c.name;
    }
}

TEST(TileLineRecord, FieldsOnlyTheirOwnControlMayCarry)
{
    struct Case {
        const char* name;
        ControlType type;
        void (*set)(Tile&);
        bool accepted;
    };
    const Case cases[] = {
        {"switch on", LOGIC_SWITCH, [](Tile& t) { t.switchOn = true; }, true},
        {"switch on a lamp", SIGNAL_LAMP, [](Tile& t) { t.switchOn = true; }, false},
        {"stepper index", LOGIC_STEPPER, [](Tile& t) { t.stepperIndex = 3; }, true},
        {"stepper index on a clock", LOGIC_CLOCK, [](Tile& t) { t.stepperIndex = 0; }, false},
        {"continuous arm", ARM, [](Tile& t) { t.armContinuous = true; }, true},
        {"continuous arm with jobs", ARM, [](Tile& t) { t.armContinuous = true, t.armPendingJobs = 1; }, false},
        {"signal routing distributor", DISTRIBUTOR, [](Tile& t) { t.modeSignal = true; }, true},
        {"signal routing mixer", MIXER, [](Tile& t) { t.modeSignal = true; }, false},
        {"turning arm without a rest position", ARM, [](Tile& t) { t.armHomePending = true; }, false},
        {"timer elapsed up to its period", LOGIC_TIMER, [](Tile& t) { t.elapsed = 3.0f; }, false},
        {"bridge part without direction", EMPTY, [](Tile& t) { t.bridgePart = BRIDGE_DECK; }, false},
        {"half a tunnel partner", TUNNEL, [](Tile& t) { t.tunnelPartnerX = 4; }, false},
        {"counter pulse at its full length", LOGIC_COUNTER, [](Tile& t) { t.counterPulse = 0.18f; }, true},
        {"sensor looking from another tile", BELT, [](Tile& t) { t.sensorTargetIndex = 2; }, false},
    };
    for (const Case& c : cases) {
        Tile tile;
        tile.type = c.type;
        tile.dir = EAST;
        c.set(tile);
        Tile read;
        EXPECT_EQ(readsLine(tileLineOf(tile), read, MAP_VERSION), c.accepted) << c.name;
    }
}

TEST(TileLineRecord, VersionsCarryTheirOwnFields)
{
    // Version 40: no RS latch and no fields 48 to 50, but the legacy triple after field 35.
    std::vector<std::string> tokens = defaultLineTokens();
    std::vector<std::string> v40(tokens.begin(), tokens.begin() + 35);
    v40.insert(v40.end(), {"0", "-1", "-1"});
    v40.insert(v40.end(), tokens.begin() + 35, tokens.begin() + 46);
    Tile tile;
    EXPECT_TRUE(readsLine(joinTokens(v40), tile, 40));

    std::vector<std::string> markedBelt = v40;
    markedBelt[0] = "2";
    markedBelt[36] = "1";
    EXPECT_FALSE(readsLine(joinTokens(markedBelt), tile, 40));
    markedBelt[35] = "1";
    EXPECT_FALSE(readsLine(joinTokens(markedBelt), tile, 40));
    markedBelt[37] = "1";
    Tile belt;
    EXPECT_TRUE(readsLine(joinTokens(markedBelt), belt, 40));
    std::vector<std::string> markedPlain = markedBelt;
    markedPlain[0] = "1";
    EXPECT_FALSE(readsLine(joinTokens(markedPlain), tile, 40));

    std::vector<std::string> rsLatch = tokens;
    rsLatch[0] = std::to_string(LOGIC_RS);
    EXPECT_TRUE(readsLine(joinTokens(rsLatch), tile, 42));
    EXPECT_FALSE(readsLine(joinTokens(rsLatch), tile, 41));
}

TEST(TileLineRecord, TheSecondLimitIsTheOneThatStays)
{
    Tile counter;
    counter.type = LOGIC_COUNTER;
    std::vector<std::string> tokens = splitTokens(tileLineOf(counter));
    tokens[21] = "10";
    tokens[35] = "250";
    Tile read;
    ASSERT_TRUE(readsLine(joinTokens(tokens), read, MAP_VERSION));
    EXPECT_EQ(read.limit, 250);
}

TEST(TileLineRecord, SensorsWithoutDirectionFaceEast)
{
    Tile sensor;
    sensor.type = SENSOR;
    sensor.armFreeAngle = 0.75f;
    Tile read;
    ASSERT_TRUE(readsLine(tileLineOf(sensor), read, MAP_VERSION));
    EXPECT_EQ(read.dir, EAST);
    EXPECT_FLOAT_EQ(read.armAngle, 0.75f);
}

TEST(TileLineRecord, EachVersionKnowsOnlyTheControlsOfItsTime)
{
    EXPECT_EQ(largestControlTypeForVersion(2), FILLER);
    EXPECT_EQ(largestControlTypeForVersion(3), BRIDGE);
    EXPECT_EQ(largestControlTypeForVersion(20), WATER_SOURCE);
    EXPECT_EQ(largestControlTypeForVersion(22), WATER_PIPE);
    EXPECT_EQ(largestControlTypeForVersion(34), LOGIC_COUNTER);
    EXPECT_EQ(largestControlTypeForVersion(35), LOGIC_CLOCK);
    EXPECT_EQ(largestControlTypeForVersion(41), POWER_SUPPLY);
    EXPECT_EQ(largestControlTypeForVersion(MAP_VERSION), LOGIC_RS);

    Tile pipe;
    pipe.type = WATER_PIPE;
    std::vector<std::string> tokens = splitTokens(tileLineOf(pipe));
    tokens.resize(20);  // a version 20 line: fields 1 to 20
    Tile read;
    EXPECT_FALSE(readsLine(joinTokens(tokens), read, 20));
    EXPECT_TRUE(readsLine(joinTokens(tokens), read, 21));
}
