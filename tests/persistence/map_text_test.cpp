#include <gtest/gtest.h>

#include <functional>

#include "map_text_support.h"
#include "persistence/cargo_item_record.h"
#include "persistence/tile_state.h"

namespace {

const char* const DEFAULT_TILE_LINE =
    "0 0 3 0 8191 30 0 0 1 3 28 1 0 -1 0 0 \"\" 0 -1 -1 2 3 0 1 0 0 0 0 -1 1 0 0 0 0 0 3 0 0 0 3 0 0 0 0 0 -1 0 0 0 0";

Game emptyWorld()
{
    Game game;
    std::fill(game.tiles.begin(), game.tiles.end(), Tile{});
    game.nextMachineId = 1;
    return game;
}

std::string itemLineOf(const CargoItem& item)
{
    TextOut out;
    writeCargoItem(out, item);
    return out.text;
}

bool readsItem(const std::string& line, int version, CargoItem& item)
{
    std::istringstream in(line);
    return readCargoItem(in, item, version);
}

CargoItem identifiedItem()
{
    CargoItem item(4, 5, EAST, COAL);
    item.id = ItemId{1, 1, ""};
    return item;
}

}  // namespace

TEST(MapText, EmptyWorldWritesTheDocumentedText)
{
    std::string expected = "ZEDARADOREV_MAP 43 80 60 1\n";
    for (int i = 0; i < TILE_COUNT; ++i)
        expected += std::string(DEFAULT_TILE_LINE) + "\n";
    expected += "STATE 0 1000000 1 28800 1000000 0 0 0 0 0\n";
    TextOut stateLine;
    writeTileState(stateLine, Tile{});
    for (int i = 0; i < TILE_COUNT; ++i)
        expected += stateLine.text;
    expected += "POWER_LINKS 0\nSIGNAL_CONTROL_LINKS 0\nSIGNAL_MEASURE_LINKS 0\nDC_LINKS 0\nITEMS 0\n";

    std::ostringstream out;
    EXPECT_TRUE(emptyWorld().writeMap(out));
    EXPECT_EQ(out.str(), expected);
    EXPECT_EQ(out.precision(), 9);
}

TEST(MapText, ProducersWithoutIdAreNumberedInTheTextOnly)
{
    Game game = emptyWorld();
    game.tileAt(7, 3).type = SOURCE;
    const std::string text = mapTextOf(game);
    EXPECT_EQ(lineOf(text, 0), "ZEDARADOREV_MAP 43 80 60 2");
    EXPECT_EQ(splitTokens(lineOf(text, tileLineNumber(7, 3)))[14], "1");
    EXPECT_EQ(game.tileAt(7, 3).machineId, 0u);
    EXPECT_EQ(game.nextMachineId, 1u);
    EXPECT_EQ(mapTextOf(game), text);

    Game loaded;
    ASSERT_TRUE(readMapText(loaded, text));
    EXPECT_EQ(loaded.tileAt(7, 3).machineId, 1u);
    EXPECT_EQ(loaded.nextMachineId, 2u);

    Game ahead = emptyWorld();
    ahead.nextMachineId = 5;
    ahead.tileAt(1, 1).type = OVEN;
    ahead.tileAt(1, 1).machineId = 41;
    EXPECT_EQ(lineOf(mapTextOf(ahead), 0), "ZEDARADOREV_MAP 43 80 60 42");
}

TEST(MapText, BusyWorldRoundTripsFieldForField)
{
    // Loading refreshes the networks, which switches machines; start from a settled world.
    Game original = busyWorld();
    original.updateNetworks(0.0f);
    const std::string text = mapTextOf(original);
    EXPECT_EQ(mapTextOf(original), text);

    Game loaded = emptyWorld();
    loaded.incomeEvents.push_back(IncomeEvent{1, 1, 5});
    loaded.titleDirty = false;
    ASSERT_TRUE(readMapText(loaded, text));
    EXPECT_EQ(mapTextOf(loaded), text);

    for (int i = 0; i < TILE_COUNT; ++i) {
        EXPECT_TRUE(loaded.tiles[i] == original.tiles[i]) << "tile " << i;
        EXPECT_TRUE(loaded.deckTiles[i] == original.deckTiles[i]) << "deck " << i;
    }
    EXPECT_TRUE(loaded.items == original.items);
    EXPECT_EQ(loaded.powerLinks, original.powerLinks);
    EXPECT_EQ(loaded.signalControlLinks, original.signalControlLinks);
    EXPECT_EQ(loaded.signalMeasureLinks, original.signalMeasureLinks);
    EXPECT_EQ(loaded.dcLinks, original.dcLinks);
    EXPECT_EQ(loaded.nextMachineId, original.nextMachineId);
    EXPECT_EQ(loaded.money, original.money);
    EXPECT_EQ(loaded.moneyAtMonthStart, 5);
    EXPECT_EQ(loaded.lastMonthResult, -42);
    EXPECT_TRUE(loaded.monthReportPending);
    EXPECT_FALSE(loaded.sourcesEnabled);
    EXPECT_EQ(loaded.deliveredCount, 77);
    EXPECT_DOUBLE_EQ(loaded.gameTime, 123456.789);
    EXPECT_EQ(loaded.sourceClock, original.sourceClock);
    EXPECT_EQ(loaded.stepClock, original.stepClock);
    EXPECT_EQ(loaded.stepCount, 4000000000u);
    EXPECT_TRUE(loaded.incomeEvents.empty());
    EXPECT_TRUE(loaded.titleDirty);
}

TEST(MapText, HeaderMustNameThisFormat)
{
    const std::string text = mapTextOf(Game{});
    Game game;
    EXPECT_TRUE(readMapText(game, text));
    for (const char* header :
         {"ZEDARADOREV_MAP 0 80 60 2", "ZEDARADOREV_MAP 44 80 60 2", "ZEDARADOREV_MAP 43 80 30 2",
          "ZEDARADOREV_MAP 43 40 60 2", "ZEDARADOREV_MAP 43 80 60 0", "ZEDARADOREV_MAP 43 80 60 18446744073709551615",
          "ZEDARADOREV_MAP 43 80 60 -2", "ZEDARADOREV_MAP 43 80", "GEARHAVEN_MAP 43 80 60 2"}) {
        EXPECT_FALSE(readMapText(game, withLine(text, 0, header))) << header;
    }
    EXPECT_TRUE(readMapText(game, withLine(text, 0, "ZEDARADOREV_MAP 43 80 60 18446744073709551614")));
}

TEST(MapText, OnlyWhitespaceMayFollowTheItems)
{
    const std::string text = mapTextOf(Game{});
    Game game;
    EXPECT_TRUE(readMapText(game, text + "\n\n   \n\t"));
    EXPECT_FALSE(readMapText(game, text + "0\n"));
    EXPECT_FALSE(readMapText(game, text + "\n\nITEMS 0\n"));
    EXPECT_FALSE(readMapText(game, text.substr(0, text.size() - 3)));
    EXPECT_FALSE(readMapText(game, ""));
}

TEST(MapText, ARefusedTextLeavesTheWorldAsItWas)
{
    const Game source = busyWorld();
    const std::string good = mapTextOf(source);

    struct Case {
        const char* name;
        std::function<void(Game&)> spoil;
    };
    const Case cases[] = {
        {"kiln total that differs from products and queue", [](Game& g) { g.tileAt(14, 20).ovenHeld = 4; }},
        {"kiln queue holding coal", [](Game& g) { g.tileAt(14, 20).ovenInputCargo[0] = COAL; }},
        {"identity with machine id 0 and serial 5",
         [](Game& g) {
             g.tileAt(22, 20).storageItems[0].id = ItemId{0, 5, ""};
         }},
        {"part with machine id 0", [](Game& g) { g.tileAt(14, 20).ovenOutputItems[0].parts[0] = ItemId{}; }},
        {"label of 51 characters", [](Game& g) { g.tileAt(14, 20).label = std::string(51, 'K'); }},
        {"label with a lower-case letter", [](Game& g) { g.tileAt(14, 20).label = "Kiln"; }},
        {"smelter record without a batch", [](Game& g) { g.tileAt(16, 20).smelterInProcess = 0; }},
        {"machine id given twice", [](Game& g) { g.tileAt(16, 20).machineId = g.tileAt(14, 20).machineId; }},
        {"identity on a belt", [](Game& g) { g.tileAt(5, 9).machineId = 1; }},
        {"type unknown to the format", [](Game& g) { g.tileAt(0, 0).type = CONTROL_TYPE_COUNT; }},
        {"storage without direction", [](Game& g) { g.tileAt(22, 20).dir = NONE; }},
        {"link leaving the grid", [](Game& g) { g.powerLinks[0].x1 = 80; }},
        {"item leaving a tunnel to nowhere", [](Game& g) { g.items[4].tunnelExitX = -1; }},
        {"item waiting without its ejector", [](Game& g) { g.items[2].ejectTarget = -1; }},
        {"belt step clock at its full period", [](Game& g) { g.stepClock = 1.0f / 1.7f; }},
        {"negative money", [](Game& g) { g.money = -1; }},
    };
    for (const Case& c : cases) {
        Game spoilt = source;
        c.spoil(spoilt);
        const std::string bad = mapTextOf(spoilt);

        Game game = busyWorld();
        game.money = 31337;
        game.incomeEvents.push_back(IncomeEvent{3, 4, 50});
        const std::string before = mapTextOf(game);
        EXPECT_FALSE(readMapText(game, bad)) << c.name;
        EXPECT_EQ(mapTextOf(game), before) << c.name;
        EXPECT_EQ(game.incomeEvents.size(), 1u) << c.name;
    }
    Game game;
    EXPECT_TRUE(readMapText(game, good));
}

TEST(MapText, QuotesAndBackslashesInLabelsAreEscapedAndRefused)
{
    Game game = emptyWorld();
    game.tileAt(0, 0).type = SOURCE;
    game.tileAt(0, 0).machineId = 1;
    game.nextMachineId = 2;
    game.tileAt(0, 0).label = "A\"B\\";
    const std::string text = mapTextOf(game);
    EXPECT_NE(lineOf(text, tileLineNumber(0, 0)).find(" \"A\\\"B\\\\\" "), std::string::npos);
    Game loaded;
    EXPECT_FALSE(readMapText(loaded, text));
}

TEST(CargoItemRecord, GroundItemEndsWithItsEjectorFields)
{
    const std::string line = itemLineOf(identifiedItem());
    EXPECT_EQ(line.substr(line.size() - 11), " 0 -1 0 -1\n");
    CargoItem read(0, 0, NONE, LOG);
    ASSERT_TRUE(readsItem(line, MAP_VERSION, read));
    EXPECT_TRUE(read == identifiedItem());
}

TEST(CargoItemRecord, FieldBoundsOfTheRecord)
{
    struct Case {
        const char* name;
        void (*set)(CargoItem&);
        bool accepted;
    };
    const Case cases[] = {
        {"jump point",
         [](CargoItem& i) {
             i.path.push_back(PathPoint{4, 6, 1000.0f, SOUTH, true});
         },
         true},
        {"point at speed 0",
         [](CargoItem& i) {
             i.path.push_back(PathPoint{4, 6, 0.0f, SOUTH, false});
         },
         false},
        {"point at negative speed",
         [](CargoItem& i) {
             i.path.push_back(PathPoint{4, 6, -1.0f, SOUTH, false});
         },
         false},
        {"point beyond jump speed",
         [](CargoItem& i) {
             i.path.push_back(PathPoint{4, 6, 1000.001f, SOUTH, false});
         },
         false},
        {"point off the grid",
         [](CargoItem& i) {
             i.path.push_back(PathPoint{80, 6, 1.0f, SOUTH, false});
         },
         false},
        {"tunnel exit mark without exit", [](CargoItem& i) { i.leavingTunnel = true; }, false},
        {"tunnel exit mark with exit",
         [](CargoItem& i) { i.leavingTunnel = true, i.tunnelExitX = 3, i.tunnelExitY = 5; }, true},
        {"ordinary item with an ejector", [](CargoItem& i) { i.ejectTarget = 5; }, false},
        {"waiting item without an ejector", [](CargoItem& i) { i.state = ITEM_TAKEN_BY_EJECTOR; }, false},
        {"left edge of the margin", [](CargoItem& i) { i.posX = -3.0f, i.posY = 62.0f; }, true},
        {"right edge of the margin", [](CargoItem& i) { i.posX = 82.0f; }, true},
        {"beyond the margin", [](CargoItem& i) { i.posX = -3.01f; }, false},
        {"anonymous part", [](CargoItem& i) { i.parts.push_back(ItemId{}); }, false},
        {"speed credit above 9", [](CargoItem& i) { i.speedCredit = 10; }, false},
        {"swing past half a turn", [](CargoItem& i) { i.swing = 3.2f; }, false},
    };
    for (const Case& c : cases) {
        CargoItem item = identifiedItem();
        c.set(item);
        CargoItem read(0, 0, NONE, LOG);
        EXPECT_EQ(readsItem(itemLineOf(item), MAP_VERSION, read), c.accepted) << c.name;
    }
}

TEST(CargoItemRecord, OlderVersionsLackTunnelProgressAndEjectorState)
{
    CargoItem item = identifiedItem();
    item.path.push_back(PathPoint{5, 5, 1.7f, EAST, false});
    std::vector<std::string> tokens = splitTokens(itemLineOf(item));

    std::vector<std::string> v27(tokens.begin(), tokens.end() - 3);
    CargoItem read(0, 0, NONE, LOG);
    ASSERT_TRUE(readsItem(joinTokens(v27), 27, read));
    EXPECT_EQ(read.ejectTarget, -1);
    EXPECT_EQ(read.state, ITEM_FREE);
    EXPECT_EQ(read.ejectSkipTile, -1);
    EXPECT_EQ(read.path.size(), 1u);

    std::vector<std::string> v9 = v27;
    v9.erase(v9.begin() + 20);
    CargoItem old(0, 0, NONE, LOG);
    ASSERT_TRUE(readsItem(joinTokens(v9), 9, old));
    EXPECT_EQ(old.tunnelProgress, 0);
    EXPECT_EQ(old.id, item.id);
}
