#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "render/bitmap_font.h"
#include "render/logic_sprites.h"
#include "support/software_canvas.h"

namespace {

constexpr Rgba LIT{76, 231, 115};
constexpr Rgba UNLIT{219, 69, 71};
constexpr Rgba GATE_TEXT{235, 244, 224};

Tile logicTile(ControlType type, const std::function<void(Tile&)>& set = {})
{
    Tile t;
    t.type = type;
    if (set) set(t);
    return t;
}

SDL_Rect drawnAlone(SoftwareCanvas& canvas, const Tile& tile, int size, Rgba colour)
{
    canvas.clear({0, 0, 0, 255});
    drawLogicSprite(canvas.renderer(), 0, 0, size, size, tile);
    return canvas.boundsOf(colour);
}

// The digits a counter at 64 px shows in the 5 × 7 font: at that size a cell is
// two whole pixels, and the five digits start at (3, 17).
std::string counterDigits(SoftwareCanvas& canvas, Rgba digitColour)
{
    std::string shown;
    for (int i = 0; i < 5; ++i) {
        char match = '?';
        for (char digit = '0'; digit <= '9'; ++digit) {
            bool same = true;
            for (int row = 0; row < GLYPH_HEIGHT && same; ++row) {
                for (int col = 0; col < GLYPH_WIDTH && same; ++col) {
                    const bool lit = canvas.pixel(3 + (col + 6 * i) * 2, 17 + row * 2) == digitColour;
                    same = lit == glyphPixelLit(static_cast<unsigned char>(digit), col, row);
                }
            }
            if (same) match = digit;
        }
        shown += match;
    }
    return shown;
}

}  // namespace

TEST(LogicSprites, AnAndGateShowsItsPortsAndItsName)
{
    SoftwareCanvas canvas(64, 64);
    Tile gate = logicTile(LOGIC_AND);
    gate.inputA = true;
    drawLogicSprite(canvas.renderer(), 0, 0, 32, 32, gate);
    // Ports an eighth of the width, 4 px, centred on h/4 and 3h/4 (inputs) and h/2.
    EXPECT_EQ(canvas.boundsOf(LIT), (SDL_Rect{1, 6, 4, 4}));
    EXPECT_EQ(canvas.pixel(1, 22), UNLIT);
    EXPECT_EQ(canvas.pixel(27, 14), UNLIT);
    EXPECT_EQ(canvas.pixel(30, 17), UNLIT);
    EXPECT_EQ(canvas.boundsOf(GATE_TEXT), (SDL_Rect{7, 12, 17, 7}));

    gate.inputA = false;
    gate.inputB = true;
    gate.signalOut = true;
    canvas.clear({0, 0, 0, 255});
    drawLogicSprite(canvas.renderer(), 0, 0, 32, 32, gate);
    EXPECT_EQ(canvas.pixel(1, 6), UNLIT);
    EXPECT_EQ(canvas.pixel(1, 22), LIT);
    EXPECT_EQ(canvas.pixel(27, 14), LIT);
}

TEST(LogicSprites, GateNamesShortenBelow32PixelsAndPortLettersAppearFrom40)
{
    struct Row {
        ControlType type;
        int size;
        SDL_Rect text;
    };
    const Row rows[] = {
        // At 31 px the names are "A", "OR", "X", "N" and "RS", 3 px ports.
        {LOGIC_AND, 31, {13, 12, 5, 7}},
        {LOGIC_OR, 31, {10, 12, 11, 7}},
        {LOGIC_XOR, 31, {13, 12, 5, 7}},
        {LOGIC_NOT, 31, {13, 12, 5, 7}},
        {LOGIC_RS, 31, {10, 12, 11, 7}},
        {LOGIC_XOR, 32, {7, 12, 17, 7}},
        {LOGIC_NOT, 39, {11, 16, 17, 7}},
        // From 40 px "A" and "B" (or "S" and "R") stand beside the inputs.
        {LOGIC_AND, 40, {7, 7, 21, 27}},
        {LOGIC_RS, 40, {7, 7, 18, 27}},
        {LOGIC_NOT, 40, {11, 16, 17, 7}},
    };
    SoftwareCanvas canvas(48, 48);
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "type " << row.type << " at " << row.size);
        EXPECT_EQ(drawnAlone(canvas, logicTile(row.type), row.size, GATE_TEXT), row.text);
    }
    EXPECT_EQ(drawnAlone(canvas, logicTile(LOGIC_AND), 31, UNLIT), (SDL_Rect{1, 6, 29, 19}));
}

TEST(LogicSprites, TheCounterShowsFiveDigitsAndNarrowerOnesBeyond)
{
    const Rgba red{238, 69, 101}, green{83, 226, 101};
    SoftwareCanvas canvas(64, 64);
    Tile counter = logicTile(LOGIC_COUNTER);
    counter.counterCount = 42;
    drawLogicSprite(canvas.renderer(), 0, 0, 64, 64, counter);
    EXPECT_EQ(counterDigits(canvas, red), "00042");

    counter.counterCount = -7;
    counter.signalOut = true;
    canvas.clear({0, 0, 0, 255});
    drawLogicSprite(canvas.renderer(), 0, 0, 64, 64, counter);
    EXPECT_EQ(counterDigits(canvas, green), "00000");

    // Six digits switch to the 3 × 5 font, still two pixels a cell.
    counter.counterCount = 123456;
    canvas.clear({0, 0, 0, 255});
    drawLogicSprite(canvas.renderer(), 0, 0, 64, 64, counter);
    EXPECT_EQ(canvas.boundsOf(green), (SDL_Rect{9, 19, 46, 10}));

    // A 24 px counter still shows every digit, in cells narrower than a pixel.
    counter.counterCount = 88888;
    canvas.clear({0, 0, 0, 255});
    drawLogicSprite(canvas.renderer(), 0, 0, 24, 24, counter);
    const SDL_Rect digits = canvas.boundsOf(green);
    EXPECT_GE(digits.x, 1);
    EXPECT_LE(digits.x + digits.w, 23);
    EXPECT_GE(digits.w, 18);
}

TEST(LogicSprites, AStepperShowsItsStepAndLightsOnlyThatOutput)
{
    const Rgba number{139, 220, 236};
    SoftwareCanvas canvas(64, 64);
    Tile stepper = logicTile(LOGIC_STEPPER);
    stepper.signalOut = true;
    // Never stepped: a dash in the middle and no lit output.
    EXPECT_EQ(drawnAlone(canvas, stepper, 32, number), (SDL_Rect{14, 16, 5, 1}));
    EXPECT_EQ(canvas.boundsOf(LIT), (SDL_Rect{0, 0, 0, 0}));

    stepper.stepperIndex = 2;
    EXPECT_EQ(drawnAlone(canvas, stepper, 32, LIT), (SDL_Rect{27, 18, 4, 4}));
    for (const int c : {4, 12, 28})
        EXPECT_EQ(canvas.pixel(28, c), UNLIT) << c;
    EXPECT_EQ(canvas.boundsOf(number), (SDL_Rect{14, 13, 5, 7}));  // "3"

    // From 64 px the number grows with the tile.
    EXPECT_EQ(drawnAlone(canvas, stepper, 64, number), (SDL_Rect{28, 26, 10, 14}));
}

TEST(LogicSprites, TimerProgressFollowsItsPeriod)
{
    const Rgba barEmpty{15, 26, 30}, bar{238, 185, 76}, sand{245, 194, 78}, pulseSand{139, 255, 157};
    const Rgba glass{26, 56, 65};
    SoftwareCanvas canvas(32, 32);
    Tile timer = logicTile(LOGIC_TIMER);

    // Idle: all sand on top, no bar.
    drawLogicSprite(canvas.renderer(), 0, 0, 32, 32, timer);
    EXPECT_EQ(canvas.pixel(16, 12), sand);
    EXPECT_EQ(canvas.pixel(16, 21), glass);
    EXPECT_EQ(canvas.pixel(9, 25), barEmpty);

    // A period of 0 counts as one second: half of it fills half the bar.
    timer.periodSeconds = 0;
    timer.elapsed = 0.5f;
    drawLogicSprite(canvas.renderer(), 0, 0, 32, 32, timer);
    EXPECT_EQ(canvas.pixel(15, 25), bar);
    EXPECT_EQ(canvas.pixel(16, 25), barEmpty);

    // While the pulse is on the glass has run out and the bar is full.
    timer.signalOut = true;
    drawLogicSprite(canvas.renderer(), 0, 0, 32, 32, timer);
    EXPECT_EQ(canvas.pixel(16, 12), glass);
    EXPECT_EQ(canvas.pixel(16, 21), pulseSand);
    EXPECT_EQ(canvas.pixel(22, 25), bar);
    EXPECT_EQ(canvas.pixel(27, 14), LIT);
}

TEST(LogicSprites, PlatesAndLampsShowTheirState)
{
    struct Probe {
        const char* what;
        Tile tile;
        SDL_Point at;
        Rgba colour;
    };
    const Tile switchOn = logicTile(LOGIC_SWITCH, [](Tile& t) { t.switchOn = true; });
    const auto clockAt = [](bool running) {
        return logicTile(LOGIC_CLOCK, [running](Tile& t) {
            t.periodSeconds = 4;
            t.elapsed = 1.0f;
            t.running = running;
        });
    };
    const Probe probes[] = {
        // A palette icon's default tile: lever down, cap raised, output dark.
        {"switch off", logicTile(LOGIC_SWITCH), {15, 18}, {223, 111, 103}},
        {"switch off port", logicTile(LOGIC_SWITCH), {28, 15}, UNLIT},
        {"switch on", switchOn, {15, 10}, {116, 225, 150}},
        {"switch on port", switchOn, {28, 15}, LIT},
        {"button raised", logicTile(LOGIC_BUTTON), {10, 15}, {235, 172, 65}},
        {"button pressed", logicTile(LOGIC_BUTTON, [](Tile& t) { t.buttonPressed = true; }), {10, 15}, {101, 202, 113}},
        {"lamp dark", logicTile(SIGNAL_LAMP), {17, 15}, {225, 58, 58}},
        {"lamp lit", logicTile(SIGNAL_LAMP, [](Tile& t) { t.signalOut = true; }), {17, 15}, {71, 221, 85}},
        {"lamp input", logicTile(SIGNAL_LAMP, [](Tile& t) { t.inputA = true; }), {2, 16}, LIT},
        // A quarter into its period the running clock's cursor stands on the first grid line.
        {"clock cursor", clockAt(true), {11, 9}, {42, 94, 94}},
        {"clock stopped", clockAt(false), {11, 9}, {24, 61, 65}},
    };
    SoftwareCanvas canvas(32, 32);
    for (const Probe& p : probes) {
        canvas.clear({0, 0, 0, 255});
        drawLogicSprite(canvas.renderer(), 0, 0, 32, 32, p.tile);
        EXPECT_EQ(canvas.pixel(p.at.x, p.at.y), p.colour) << p.what;
    }
}
