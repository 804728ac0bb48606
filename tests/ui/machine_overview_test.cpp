#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "text_probe.h"
#include "ui/machine_overview.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr Rgba TEXT{235, 239, 241, 255};
constexpr Rgba FRAME{102, 113, 120, 255};

// A map of `count` arms in one row from (0, 5) on.
Game arms(int count)
{
    Game game = emptyGame();
    for (int x = 0; x < count; ++x)
        build(game, ARM, x, 5);
    return game;
}

}  // namespace

TEST(MachineOverviewList, MapOrderTheTenKindsAndWhatEachHolds)
{
    Game game = emptyGame();
    build(game, SMELTER, 3, 5);
    build(game, SMELTER, 1, 9);
    build(game, ARM, 0, 6);
    build(game, DISTRIBUTOR, 10, 10);
    layBelt(game, 2, 2, EAST);
    build(game, SOURCE, 4, 2);
    build(game, SINK, 5, 2);
    build(game, SHOP, 6, 2);
    setTile(game, 7, 2, SENSOR);
    std::vector<std::string> titles;
    for (const MachineEntry& entry : machineEntries(game))
        titles.push_back(machineTitleLine(entry));
    EXPECT_EQ(titles, (std::vector<std::string>{"SCHMELZE 3,5", "GREIFARM 0,6", "SCHMELZE 1,9", "VERTEILER 10,10"}));

    for (ControlType type = 0; type < CONTROL_TYPE_COUNT; ++type) {
        const bool listed = type == ARM || type == LONG_ARM || type == DISTRIBUTOR || type == MIXER || type == OVEN ||
                            type == SMELTER || type == FILLER || type == STORAGE || type == COAL_GENERATOR ||
                            type == INJECTION_MOLDER;
        EXPECT_EQ(isListedMachine(type), listed) << type;
    }

    struct Counts {
        ControlType type;
        std::function<void(Tile&)> fill;
        std::string text;
    };
    const std::vector<Counts> counts = {
        {ARM, [](Tile& t) { t.powerSupplied = true; }, "STROM OK"},
        {MIXER, [](Tile&) {}, "KEIN STROM"},
        {OVEN, [](Tile& t) { t.ovenHeld = 4, t.ovenOutputCount = 2; }, "HOLZ 4 KOHLE 2"},
        {SMELTER, [](Tile& t) { t.smelterHeld = 3, t.smelterCoal = 1; }, "ERZ/EISEN 3 KOHLE 1"},
        {FILLER, [](Tile& t) { t.fillerBottles = 3, t.fillerOutputCount = 1; }, "FLASCHEN 3 FERTIG 1"},
        {STORAGE, [](Tile& t) { t.storageCargo.push_back(2), t.storageCargo.push_back(5); }, "BESTAND 2"},
        {COAL_GENERATOR, [](Tile& t) { t.generatorCoal = 6, t.generatorLoadKw = 45; }, "KOHLE 6 LAST 45 KW"},
        {INJECTION_MOLDER, [](Tile& t) { t.molderGranulate = 1, t.molderWater = 7, t.molderOutputCount = 2; },
         "GRANULAT 1 WASSER 7 ZAHNRAEDER 2"}};
    for (const Counts& c : counts) {
        Tile tile;
        tile.type = c.type;
        c.fill(tile);
        EXPECT_EQ(machineCountsText(tile), c.text) << c.type;
    }
}

TEST(MachineOverviewList, RowsThatFitAndTheEntryAPressPicks)
{
    EXPECT_EQ(machineRowsShown(720), 16);
    EXPECT_EQ(machineRowsShown(432), 9);
    EXPECT_EQ(machineRowsShown(80), 1);
    EXPECT_EQ(machineRowsShown(79), 0);

    const Game game = arms(20);
    const ScreenRect window{704, 48, 320, 720};
    struct Press {
        int dy, scroll, entryX;  // -1: none
    };
    const std::vector<Press> presses = {
        {41, 0, -1},  {42, 0, 0},   {83, 0, 0},   {84, 0, 1},  // the gap counts for the row above
        {714, 0, 16}, {719, 0, 16},                            // below the 16th row, where a 17th would be
        {42, 19, 19}, {84, 19, -1}, {42, 25, -1}, {500, 3, 13}};
    for (const Press& p : presses) {
        const std::optional<MachineEntry> entry = machineEntryAt(game, window, p.scroll, window.top + p.dy);
        EXPECT_EQ(entry ? entry->x : -1, p.entryX) << p.dy << " at scroll " << p.scroll;
    }
    EXPECT_FALSE(machineEntryAt(emptyGame(), window, 0, window.top + 50));
}

TEST(MachineOverviewPicture, SixteenRowsInAWindow768HighAndOnlyTheHintOnAnEmptyMap)
{
    setLanguage(GERMAN);
    SoftwareCanvas canvas(320, 768);
    const ScreenRect window{0, 48, 320, 720};
    Game game = arms(20);
    game.tileAt(0, 5).powerSupplied = true;
    drawMachineOverview(canvas.renderer(), window, game, 0);
    EXPECT_TRUE(showsText(canvas, "MASCHINENUEBERSICHT", 10, 56, TEXT));
    EXPECT_TRUE(showsText(canvas, "KLICK SPRINGT ZUR MASCHINE - MAUSRAD BLAETTERT", 10, 76, TEXT));
    EXPECT_TRUE(showsText(canvas, "GREIFARM 0,5", 12, 48 + 42 + 5, FRAME));
    const std::string status = game.statusText(0, 5) + " - STROM OK";
    EXPECT_TRUE(showsText(canvas, status, 12, 48 + 42 + 20, FRAME)) << status;
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(canvas.pixel(6, 48 + 42 * (row + 1)), FRAME) << row;
    EXPECT_TRUE(showsText(canvas, "GREIFARM 15,5", 12, 48 + 42 * 16 + 5, FRAME));
    EXPECT_NE(canvas.pixel(6, 48 + 42 * 17), FRAME) << "a 17th row would not clear the bottom";

    // Scrolled by two, the third arm comes first.
    canvas.clear({0, 0, 0, 255});
    drawMachineOverview(canvas.renderer(), window, game, 2);
    EXPECT_TRUE(showsText(canvas, "GREIFARM 2,5", 12, 48 + 42 + 5, FRAME));

    canvas.clear({0, 0, 0, 255});
    drawMachineOverview(canvas.renderer(), window, emptyGame(), 0);
    EXPECT_EQ(canvas.boundsOf(FRAME), (SDL_Rect{0, 0, 0, 0}));
    setLanguage(ENGLISH);
}
