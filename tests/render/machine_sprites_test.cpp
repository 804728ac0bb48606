#include <gtest/gtest.h>

#include <functional>

#include "render/control_sprite.h"
#include "render/oven_smelter_sprite.h"
#include "render/power_supply_sprite.h"
#include "render/sensor_sprite.h"
#include "render/storage_shop_filler_sprites.h"
#include "support/software_canvas.h"

namespace {

constexpr Rgba OUTPUT_MARKER{241, 222, 145};
constexpr Rgba SHOP_MARKER{255, 224, 104};

Tile machine(ControlType type, Direction dir, const std::function<void(Tile&)>& set = {})
{
    Tile t;
    t.type = type;
    t.dir = dir;
    if (set) set(t);
    return t;
}

// The machine's own painter alone, at the canvas origin.
std::vector<Rgba> painted(SoftwareCanvas& canvas, const Tile& tile, int size, float time = 0.0f)
{
    canvas.clear({0, 0, 0, 255});
    SDL_Renderer* r = canvas.renderer();
    switch (tile.type) {
    case OVEN:
    case SMELTER:
        drawOvenSmelterSprite(r, 0, 0, size, size, tile, time);
        break;
    case FILLER:
        drawFillerSprite(r, 0, 0, size, size, tile, time);
        break;
    case STORAGE:
        drawStorageSprite(r, 0, 0, size, size, tile);
        break;
    case SHOP:
        drawShopSprite(r, 0, 0, size, size, tile);
        break;
    case POWER_SUPPLY:
        drawPowerSupplySprite(r, 0, 0, size, size, tile);
        break;
    default:
        drawSensorSprite(r, 0, 0, size, size);
        break;
    }
    return canvas.pixels();
}

// Where two pictures of the canvas's size differ, as the bounds of those pixels.
SDL_Rect differences(const SoftwareCanvas& canvas, const std::vector<Rgba>& a, const std::vector<Rgba>& b)
{
    const int w = canvas.width();
    return SoftwareCanvas::markedBounds(w, canvas.height(), [&](int x, int y) { return a[y * w + x] != b[y * w + x]; });
}

}  // namespace

TEST(MachineSprites, TurningAMachineMovesOnlyItsFaceMarker)
{
    // Marker squares at 32 px, one design unit a pixel: facing east (or without
    // a facing) and turned.
    struct Row {
        ControlType type;
        Direction dir;
        SDL_Rect east;
        SDL_Rect turned;
        Rgba colour;
    };
    const Row rows[] = {
        {OVEN, WEST, {27, 15, 3, 3}, {2, 15, 3, 3}, OUTPUT_MARKER},
        {OVEN, NORTH, {27, 15, 3, 3}, {15, 2, 3, 3}, OUTPUT_MARKER},
        {OVEN, SOUTH, {27, 15, 3, 3}, {15, 27, 3, 3}, OUTPUT_MARKER},
        {SMELTER, WEST, {27, 15, 3, 3}, {2, 15, 3, 3}, OUTPUT_MARKER},
        {FILLER, NORTH, {27, 15, 3, 3}, {15, 2, 3, 3}, OUTPUT_MARKER},
        {STORAGE, WEST, {28, 15, 3, 3}, {1, 15, 3, 3}, OUTPUT_MARKER},
        {STORAGE, SOUTH, {28, 15, 3, 3}, {15, 28, 3, 3}, OUTPUT_MARKER},
        {SHOP, WEST, {27, 14, 4, 4}, {2, 14, 4, 4}, SHOP_MARKER},
        {SHOP, NORTH, {27, 14, 4, 4}, {14, 2, 4, 4}, SHOP_MARKER},
    };
    SoftwareCanvas canvas(32, 32);
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "type " << row.type << " facing " << row.dir);
        const std::vector<Rgba> east = painted(canvas, machine(row.type, EAST), 32);
        const std::vector<Rgba> turned = painted(canvas, machine(row.type, row.dir), 32);
        const SDL_Rect& m = row.turned;
        EXPECT_EQ(canvas.pixel(m.x, m.y), row.colour);
        EXPECT_EQ(canvas.pixel(m.x + m.w - 1, m.y + m.h - 1), row.colour);
        SDL_Rect both{};
        SDL_UnionRect(&row.east, &row.turned, &both);
        const SDL_Rect changed = differences(canvas, east, turned);
        SDL_Rect outside{};
        SDL_UnionRect(&both, &changed, &outside);
        EXPECT_EQ(outside, both) << "changed " << changed;
        if (row.type != SHOP) {
            EXPECT_EQ(painted(canvas, machine(row.type, NONE), 32), east);
        }
    }
    // A shop without a facing shows its marker at the bottom.
    painted(canvas, machine(SHOP, NONE), 32);
    EXPECT_EQ(canvas.pixel(15, 28), SHOP_MARKER);
}

TEST(MachineSprites, KilnsAndSmeltersFlickerAlwaysAndSmokeOnlyWhileWorking)
{
    struct Probe {
        const char* what;
        Tile tile;
        float time;
        SDL_Point at;
        Rgba colour;
    };
    const Rgba smoke{159, 150, 143}, hoodRim{37, 44, 52}, spark{255, 183, 60};
    const Rgba flicker{255, 210, 78}, melt{175, 58, 34};
    const Tile kiln = machine(OVEN, EAST), smelter = machine(SMELTER, EAST);
    const Tile workingKiln = machine(OVEN, EAST, [](Tile& t) { t.ovenTimer = 0.1f; });
    const Tile workingSmelter = machine(SMELTER, EAST, [](Tile& t) { t.smelterTimer = 2.0f; });
    const Probe probes[] = {
        {"idle kiln, no smoke", kiln, 0.0f, {13, 0}, {0, 0, 0}},
        {"working kiln smokes", workingKiln, 0.0f, {13, 0}, smoke},
        // Four frames a cycle, six a second: at frame 2 the second puff has risen to row 2.
        {"smoke rises", workingKiln, 0.4f, {13, 2}, smoke},
        {"idle smelter, no sparks", smelter, 0.0f, {13, 7}, hoodRim},
        {"working smelter sparks", workingSmelter, 0.0f, {13, 7}, spark},
        {"idle fire flickers, frame 0", smelter, 0.0f, {13, 17}, flicker},
        {"idle fire flickers, frame 1", smelter, 0.2f, {13, 17}, melt},
        {"frame 2", smelter, 0.35f, {13, 17}, flicker},
    };
    SoftwareCanvas canvas(32, 32);
    for (const Probe& p : probes) {
        painted(canvas, p.tile, 32, p.time);
        EXPECT_EQ(canvas.pixel(p.at.x, p.at.y), p.colour) << p.what;
    }
}

TEST(MachineSprites, StatesChangeOnlyTheirLightsAndFills)
{
    SoftwareCanvas canvas(32, 32);
    // The storage's output light, red when off and green when on: nothing else changes.
    const std::vector<Rgba> off = painted(canvas, machine(STORAGE, EAST), 32);
    EXPECT_EQ(canvas.pixel(24, 4), (Rgba{220, 85, 85}));
    const std::vector<Rgba> on = painted(canvas, machine(STORAGE, EAST, [](Tile& t) { t.storageOutputOn = true; }), 32);
    EXPECT_EQ(canvas.pixel(24, 4), (Rgba{111, 215, 115}));
    EXPECT_EQ(differences(canvas, off, on), (SDL_Rect{23, 3, 3, 2}));

    // The 5V supply's light: red without 5V, green with it.
    const std::vector<Rgba> dark = painted(canvas, machine(POWER_SUPPLY, NONE), 32);
    EXPECT_EQ(canvas.pixel(24, 14), (Rgba{243, 74, 79}));
    const std::vector<Rgba> lit =
        painted(canvas, machine(POWER_SUPPLY, NONE, [](Tile& t) { t.dcSupplied = true; }), 32);
    EXPECT_EQ(canvas.pixel(25, 15), (Rgba{74, 255, 133}));
    EXPECT_EQ(differences(canvas, dark, lit), (SDL_Rect{24, 14, 2, 2}));

    // The bottling plant's contents: one colour while idle, three steps while filling.
    const Tile idle = machine(FILLER, EAST);
    const Tile filling = machine(FILLER, EAST, [](Tile& t) { t.fillerTimer = 0.5f; });
    const struct {
        const Tile& tile;
        float time;
        Rgba contents;
    } fills[] = {
        {idle, 0.0f, {51, 151, 205}},    {idle, 0.3f, {51, 151, 205}},    {filling, 0.1f, {51, 151, 205}},
        {filling, 0.3f, {51, 169, 217}}, {filling, 0.5f, {51, 187, 229}}, {filling, 0.7f, {51, 151, 205}},
    };
    for (const auto& f : fills) {
        painted(canvas, f.tile, 32, f.time);
        EXPECT_EQ(canvas.pixel(18, 24), f.contents) << f.time;
    }

    // Every sensor looks alike, whatever it watches or outputs.
    const std::vector<Rgba> sensor = painted(canvas, machine(SENSOR, EAST), 32);
    EXPECT_EQ(painted(canvas, machine(SENSOR, WEST, [](Tile& t) { t.signalOut = t.sensorWatchItems = true; }), 32),
              sensor);
}

TEST(MachineSprites, OneUnitDetailsKeepAPixelAt24)
{
    struct Probe {
        ControlType type;
        SDL_Point at;
        Rgba colour;
    };
    const Probe probes[] = {
        {SENSOR, {15, 18}, {111, 246, 177}},       // status light (20, 24, 2, 1)
        {SENSOR, {6, 0}, {235, 237, 211}},         // pin highlight (9, 1, 1, 3)
        {SENSOR, {22, 9}, {10, 25, 32}},           // right connector out to column 31
        {STORAGE, {5, 6}, {225, 177, 104}},        // crate lid (7, 9, 8, 1)
        {FILLER, {9, 17}, {174, 224, 242}},        // glint (13, 23, 1, 2)
        {POWER_SUPPLY, {7, 12}, {225, 233, 241}},  // "5V" starts 5 px left of the centre
    };
    SoftwareCanvas canvas(24, 24);
    for (const Probe& p : probes) {
        painted(canvas, machine(p.type, EAST), 24);
        EXPECT_EQ(canvas.pixel(p.at.x, p.at.y), p.colour) << "type " << p.type;
    }
}

TEST(MachineSprites, TheSupplyHasNoFrameAndTheOthersDo)
{
    constexpr Rgba FRAME{18, 19, 23};
    SoftwareCanvas canvas(32, 32);
    for (const ControlType type : {OVEN, SMELTER, FILLER, STORAGE, SHOP, SENSOR, LOGIC_AND}) {
        canvas.clear({0, 0, 0, 255});
        drawControlSprite(canvas.renderer(), machine(type, EAST), 0, 0, 0, 0, 32, 0.0f, false);
        EXPECT_EQ(canvas.pixel(0, 0), FRAME) << type;
    }
    drawControlSprite(canvas.renderer(), machine(POWER_SUPPLY, NONE), 0, 0, 0, 0, 32, 0.0f, false);
    EXPECT_EQ(canvas.pixel(0, 0), (Rgba{37, 53, 65}));
}
