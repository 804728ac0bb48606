#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <vector>

#include "app/frame_update.h"
#include "render/sprite_export.h"
#include "render/sprite_key.h"
#include "render/sprite_key_print.h"
#include "render/tile_canvas.h"

namespace {

struct KeyCase {
    const char* what;
    Tile tile;
    int size;
    float time;
    bool powered;
    SpriteKey key;
};

Tile belt(Direction d, int speed)
{
    return tileOf(BELT, d, [speed](Tile& t) { t.beltSpeed = speed; });
}

Tile arm(ControlType type, CargoMask filter)
{
    return tileOf(type, EAST, [filter](Tile& t) { t.armCargoFilter = filter; });
}

Tile generator(bool on, float burn)
{
    return tileOf(COAL_GENERATOR, NONE, [on, burn](Tile& t) {
        t.generatorOn = on;
        t.generatorBurnTime = burn;
    });
}

Tile molder(float timer, int output)
{
    return tileOf(INJECTION_MOLDER, EAST, [timer, output](Tile& t) {
        t.molderTimer = timer;
        t.molderOutputCount = output;
    });
}

Tile logic(ControlType type, bool out, bool a, bool b)
{
    return tileOf(type, NONE, [out, a, b](Tile& t) {
        t.signalOut = out;
        t.inputA = a;
        t.inputB = b;
    });
}

}  // namespace

TEST(SpriteKey, HoldsWhatThePictureShowsOfEachType)
{
    // Fields: type, size, direction, belt speed, arm filter class, state, frame, second frame.
    const KeyCase cases[] = {
        {"belt without direction", belt(NONE, 4), 64, 1.3f, false, {2, 64, 0, 4, 0, 0, 0, 0}},
        {"stopped belt", belt(EAST, 0), 64, 2.0f, false, {2, 64, 2, 0, 0, 0, 0, 0}},
        {"belt at 64", belt(EAST, 3), 64, 0.1f, false, {2, 64, 2, 3, 0, 0, 10, 0}},
        {"belt at 24", belt(WEST, 3), 24, 0.5f, false, {2, 24, 4, 3, 0, 0, 2, 0}},
        {"arm, all kinds", arm(ARM, ALL_CARGO), 32, 0, false, {5, 32, 2, 0, 8191, 0, 0, 0}},
        {"arm, nothing", arm(ARM, 0), 32, 0, false, {5, 32, 2, 0, 0, 0, 0, 0}},
        {"long arm, logs", arm(LONG_ARM, 1), 32, 0, false, {6, 32, 2, 0, 1, 0, 0, 0}},
        {"long arm, two kinds", arm(LONG_ARM, 3), 32, 0, false, {6, 32, 2, 0, 2, 0, 0, 0}},
        {"distributor", tileOf(DISTRIBUTOR_SECOND, SOUTH), 32, 0.5f, false, {8, 32, 3, 0, 0, 0, 1, 1}},
        {"mixer", tileOf(MIXER, SOUTH), 32, 0.5f, false, {9, 32, 3, 0, 0, 0, 1, 0}},
        {"idle kiln", tileOf(OVEN, EAST), 32, 0.5f, false, {11, 32, 2, 0, 0, 0, 3, 0}},
        {"working smelter",
         tileOf(SMELTER, EAST, [](Tile& t) { t.smelterTimer = 2; }),
         32,
         0.5f,
         false,
         {12, 32, 2, 0, 0, 1, 3, 0}},
        {"idle bottling plant", tileOf(FILLER, EAST), 32, 0.5f, false, {13, 32, 2, 0, 0, 0, 0, 0}},
        {"working bottling plant",
         tileOf(FILLER, EAST, [](Tile& t) { t.fillerTimer = 1; }),
         32,
         0.5f,
         false,
         {13, 32, 2, 0, 0, 1, 2, 0}},
        {"generator on without fuel", generator(true, 0), 32, 0.5f, false, {19, 32, 0, 0, 0, 1, 0, 0}},
        {"generator burning, off", generator(false, 3), 32, 0.5f, false, {19, 32, 0, 0, 0, 2, 0, 0}},
        {"generator burning", generator(true, 3), 32, 0.5f, false, {19, 32, 0, 0, 0, 3, 2, 0}},
        {"pole unpowered", tileOf(POWER_POLE), 32, 1.0f, false, {20, 32, 0, 0, 0, 0, 0, 0}},
        {"pole powered", tileOf(POWER_POLE), 32, 0.2f, true, {20, 32, 0, 0, 0, 1, 1, 0}},
        {"molder at rest with gears", molder(0, 2), 32, 0, false, {21, 32, 2, 0, 0, 2, 8, 0}},
        {"molder working", molder(3.9f, 2), 32, 0, false, {21, 32, 2, 0, 0, 1, 7, 0}},
        {"molder idle", molder(0, 0), 32, 0, true, {21, 32, 2, 0, 0, 0, 0, 0}},
        {"water source", tileOf(WATER_SOURCE, EAST), 32, 0, false, {22, 32, 0, 0, 0, 0, 0, 0}},
        {"water pipe", tileOf(WATER_PIPE, NORTH), 32, 0, false, {23, 32, 0, 0, 0, 0, 0, 0}},
        {"empty", tileOf(EMPTY, SOUTH), 32, 0, false, {0, 32, 0, 0, 0, 0, 0, 0}},
        {"bridge", tileOf(BRIDGE, SOUTH), 32, 0, false, {14, 32, 3, 0, 0, 0, 0, 0}},
        {"sensor", tileOf(SENSOR, EAST, [](Tile& t) { t.signalOut = true; }), 32, 0, false, {24, 32, 2, 0, 0, 0, 0, 0}},
        {"5V supply",
         tileOf(POWER_SUPPLY, NONE, [](Tile& t) { t.signalOut = true; }),
         32,
         0,
         false,
         {37, 32, 0, 0, 0, 0, 0, 0}},
        {"running source",
         tileOf(SOURCE, EAST, [](Tile& t) { t.sourceRunning = true; }),
         32,
         0,
         false,
         {3, 32, 2, 0, 0, 1, 0, 0}},
        {"refusing sink",
         tileOf(SINK, NONE, [](Tile& t) { t.sinkAccepting = false; }),
         32,
         0,
         false,
         {4, 32, 0, 0, 0, 0, 0, 0}},
        {"storage giving out",
         tileOf(STORAGE, EAST, [](Tile& t) { t.storageOutputOn = true; }),
         32,
         0,
         false,
         {15, 32, 2, 0, 0, 1, 0, 0}},
        {"ejector off",
         tileOf(EJECTOR, NORTH, [](Tile& t) { t.ejectorActive = false; }),
         32,
         0,
         false,
         {25, 32, 1, 0, 0, 0, 0, 0}},
        {"AND gate", logic(LOGIC_AND, true, true, false), 32, 0, false, {26, 32, 0, 0, 0, 3, 0, 0}},
        {"RS latch", logic(LOGIC_RS, false, false, true), 32, 0, false, {38, 32, 0, 0, 0, 4, 0, 0}},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(spriteKeyOf(c.tile, c.size, c.time, c.powered), c.key) << c.what;
}

TEST(SpriteKey, BeltFramesStayInsideOneSlatPitch)
{
    for (const int size : {24, 64}) {
        int highest = 0;
        for (int j = 0; j < 1000; ++j)
            highest = std::max(highest, spriteKeyOf(belt(EAST, 5), size, j * 0.013f, false).frame);
        EXPECT_EQ(highest, size / 4 - 1) << size;
    }
}

namespace {

// A tile of any type with every field the painters might read drawn at random:
// the key's fields from small ranges, so that keys meet, and the rest anyhow.
Tile randomTile(std::mt19937& random)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    const auto chance = [&] { return pick(0, 1) == 1; };
    const auto timer = [&] { return chance() ? 0.0f : std::uniform_real_distribution(0.01f, 5.0f)(random); };
    const CargoMask filters[] = {0, 1, 2, 3, ALL_CARGO, static_cast<CargoMask>(pick(0, ALL_CARGO))};
    Tile t;
    t.type = pick(0, CONTROL_TYPE_COUNT);
    t.dir = pick(0, 4);
    t.beltSpeed = pick(0, 5);
    t.armCargoFilter = filters[pick(0, 5)];
    t.sourceRunning = chance();
    t.sinkAccepting = chance();
    t.storageOutputOn = chance();
    t.ejectorActive = chance();
    t.ovenTimer = timer();
    t.smelterTimer = timer();
    t.fillerTimer = timer();
    t.generatorBurnTime = timer();
    t.generatorOn = chance();
    t.molderOutputCount = pick(0, 1) * pick(1, 4);
    t.signalOut = chance();
    t.inputA = chance();
    t.inputB = chance();
    // Fields no key holds.
    t.sourceCargo = pick(0, CARGO_TYPE_COUNT - 1);
    t.sensorCargo = pick(0, CARGO_TYPE_COUNT - 1);
    t.ratioA = pick(1, 5);
    t.ratioB = pick(1, 5);
    t.ratioPos = pick(0, 3);
    t.modeCargoRules = chance();
    t.beltPriority = pick(0, 2);
    t.generatorCoal = pick(0, 10);
    t.ovenHeld = pick(0, 4);
    t.smelterHeld = pick(0, 4);
    t.fillerBottles = pick(0, 4);
    t.molderGranulate = pick(0, 4);
    t.molderWater = pick(0, 4);
    t.ejectorStroke = std::uniform_real_distribution(0.5f, 2.0f)(random);
    t.ejectorTimer = timer();
    t.powerConnected = chance();
    t.powerSupplied = chance();
    t.dcSupplied = chance();
    t.limit = pick(0, 9);
    t.counterCount = pick(0, 99);
    t.periodSeconds = pick(1, 9);
    t.elapsed = timer();
    t.switchOn = chance();
    t.buttonPressed = chance();
    t.rsState = chance();
    t.stepperIndex = pick(-1, 3);
    t.sensorFlash = timer();
    t.label = chance() ? "" : "OFEN 2";
    t.machineId = pick(0, 40);
    for (int i = pick(0, 3); i > 0; --i)
        t.storageCargo.push_back(pick(0, CARGO_TYPE_COUNT - 1));
    return t;
}

// Painted every frame, so free to show what no key holds; a working molder's
// key holds eight frames of its press, as the sheets do.
bool keyNamesThePicture(const Tile& t)
{
    if (t.type >= LOGIC_COUNTER && t.type <= POWER_SUPPLY) return false;
    return !(t.type == INJECTION_MOLDER && t.molderTimer > 0.0f);
}

}  // namespace

TEST(SpriteKey, EqualKeysPaintIdenticalPixels)
{
    std::mt19937 random(24);
    std::map<SpriteKey, std::vector<Rgba>> pictures;
    int met = 0, failures = 0;
    for (const int size : {24, 40}) {
        TileCanvas canvas(size);
        for (int i = 0; i < 12000 && failures < 5; ++i) {
            const Tile tile = randomTile(random);
            if (!keyNamesThePicture(tile)) continue;
            const float time = std::uniform_real_distribution(0.0f, 4.0f)(random);
            const bool powered = random() % 2 == 1;
            const SpriteKey key = spriteKeyOf(tile, size, time, powered);
            std::vector<Rgba> picture = canvas.paint(tile, time, powered).pixels();
            const auto [first, inserted] = pictures.emplace(key, std::move(picture));
            if (inserted) continue;
            ++met;
            if (first->second == canvas.pixels()) continue;
            ++failures;
            ADD_FAILURE() << "key " << key << " paints two pictures (type " << tile.type << ", time " << time << ")";
        }
    }
    // The draw is dense enough that most keys are met again.
    EXPECT_GT(met, 10000);
}

namespace {

// Each animation rate steps on multiples of 1/210 s (210 = 14 · 3 · 5, and a
// multiple of 6): in the middle of such a span no frame is near its edge.
constexpr int SPANS_PER_SECOND = 210;
constexpr float ANIMATION_RATES[] = {14.0f, 6.0f, 5.0f, 3.0f};

// Only where a rate times the time rounds up onto a whole step in single
// precision, short of it exactly, can two ways of working out a frame part.
bool onAFramesEdge(float time)
{
    for (const float rate : ANIMATION_RATES) {
        if (std::floor(rate * time) != std::floor(static_cast<double>(time) * rate)) return true;
    }
    return false;
}

// The picture of each key, painted in the middle of a span in which the tile shows it.
struct KeyPictures {
    TileCanvas canvas{64};
    std::map<SpriteKey, std::vector<Rgba>> pictures;

    const std::vector<Rgba>& of(const Tile& tile, const SpriteKey& key, bool powered)
    {
        auto found = pictures.find(key);
        for (int span = 0; found == pictures.end() && span < 10 * SPANS_PER_SECOND; ++span) {
            const float middle = (static_cast<float>(span) + 0.5f) / SPANS_PER_SECOND;
            if (spriteKeyOf(tile, 64, middle, powered) == key)
                found = pictures.emplace(key, canvas.paint(tile, middle, powered).pixels()).first;
        }
        static const std::vector<Rgba> NOWHERE;
        return found != pictures.end() ? found->second : NOWHERE;
    }
    bool paintsKey(const Tile& tile, float time, bool powered)
    {
        const SpriteKey key = spriteKeyOf(tile, 64, time, powered);
        return of(tile, key, powered) == canvas.paint(tile, time, powered).pixels();
    }
};

}  // namespace

TEST(SpriteKey, AnimatedPaintersDrawTheFrameTheirKeyNamesAtEveryTimeOfTheClock)
{
    // The loop's clock over ten hours at 60 frames a second, at the times where frames may part.
    std::vector<float> edges;
    float clock = 0.0f;
    for (int frame = 0; frame < 10 * 3600 * 60; ++frame) {
        clock += 1.0f / 60.0f;
        if (clock >= ANIMATION_TIME_WRAP) clock = std::fmod(clock, ANIMATION_TIME_WRAP);
        if (onAFramesEdge(clock)) edges.push_back(clock);
    }
    KeyPictures pictures;
    for (const ControlType type :
         {DISTRIBUTOR, DISTRIBUTOR_SECOND, MIXER, MIXER_SECOND, OVEN, SMELTER, FILLER, COAL_GENERATOR, POWER_POLE}) {
        // The sheet's cells, painted at the export's sample times; the last one works, burns or is powered.
        const std::map<SpriteKey, ExportSample> samples = controlExportSamples(type);
        for (const auto& [key, sample] : samples)
            EXPECT_TRUE(pictures.paintsKey(sample.tile, sample.time, sample.powered)) << key;
        const ExportSample& busy = samples.rbegin()->second;
        int wrong = 0;
        for (const float time : edges)
            wrong += pictures.paintsKey(busy.tile, time, busy.powered) ? 0 : 1;
        EXPECT_EQ(wrong, 0) << "type " << type << ", of " << edges.size() << " times";
    }
}
