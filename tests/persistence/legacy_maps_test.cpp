#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "legacy_map_text.h"
#include "map_text_support.h"
#include "support/world_builders.h"

namespace {

std::string fixture(const std::string& name)
{
    std::ifstream in(std::string(GEARHAVEN_SOURCE_DIR) + "/tests/persistence/fixtures/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

LegacyTile tile(int x, int y, LegacyFields line, LegacyFields state = {})
{
    return LegacyTile{x, y, std::move(line), std::move(state)};
}

LegacyMap legacyMap(int version, const std::string& nextMachineId = "1", int width = GRID_WIDTH,
                    int height = GRID_HEIGHT)
{
    LegacyMap map;
    map.version = version;
    map.nextMachineId = nextMachineId;
    map.width = width;
    map.height = height;
    return map;
}

// The hand-written version 3 map: two sources, a kiln, two arms and a bridge over (10, 10).
LegacyMap sourcesOfVersion3()
{
    LegacyMap map = legacyMap(3, "1", 40, 30);
    map.tiles = {tile(5, 0, {{1, "3"}, {2, "2"}}),     tile(2, 1, {{1, "3"}, {2, "2"}, {4, "4"}}),
                 tile(7, 1, {{1, "11"}, {2, "2"}}),    tile(3, 3, {{1, "5"}, {2, "2"}, {5, "1022"}}),
                 tile(4, 3, {{1, "5"}, {2, "2"}}),     tile(9, 10, {{1, "14"}, {2, "2"}, {13, "2"}, {14, "0"}}),
                 tile(10, 10, {{13, "2"}, {14, "1"}}), tile(11, 10, {{1, "14"}, {2, "2"}, {13, "2"}, {14, "2"}})};
    return map;
}

// The hand-written version 4 map: a numbered source, and a kiln and a bottling plant without ids.
LegacyMap producersOfVersion4()
{
    LegacyMap map = legacyMap(4, "3", 40, 30);
    map.tiles = {tile(1, 1, {{1, "3"}, {2, "2"}, {15, "2"}, {16, "9"}}), tile(2, 2, {{1, "11"}, {2, "2"}}),
                 tile(3, 3, {{1, "13"}, {2, "2"}})};
    return map;
}

bool loads(Game& game, const LegacyMap& map) { return readMapText(game, legacyMapText(map)); }

std::set<int> pipeTiles(const Game& game)
{
    std::set<int> pipes;
    for (int i = 0; i < TILE_COUNT; ++i) {
        if (game.tiles[i].type == WATER_PIPE) pipes.insert(i);
    }
    return pipes;
}

}  // namespace

TEST(LegacyMaps, TheHelperWritesWhatTheGamesOfEachVersionWrote)
{
    EXPECT_EQ(legacyMapText(sourcesOfVersion3()), fixture("version-3-sources.map"));
    EXPECT_EQ(legacyMapText(producersOfVersion4()), fixture("version-4-producers.map"));
    Game empty = emptyGame();
    empty.nextMachineId = 1;
    EXPECT_EQ(legacyMapText(legacyMap(MAP_VERSION)), mapTextOf(empty));
}

TEST(LegacyMaps, EarlyMapsNumberTheirProducersInTileOrder)
{
    Game v3;
    ASSERT_TRUE(readMapText(v3, fixture("version-3-sources.map")));
    EXPECT_EQ(v3.tileAt(5, 0).machineId, 1u);
    EXPECT_EQ(v3.tileAt(2, 1).machineId, 2u);
    EXPECT_EQ(v3.tileAt(7, 1).machineId, 3u);
    EXPECT_EQ(v3.nextMachineId, 4u);
    EXPECT_EQ(v3.tileAt(3, 3).armCargoFilter, 1022u);
    EXPECT_EQ(v3.tileAt(4, 3).armCargoFilter, ALL_CARGO);
    EXPECT_EQ(v3.deckTiles[tileIndex(10, 10)].type, BELT);
    EXPECT_EQ(v3.deckTiles[tileIndex(10, 10)].dir, EAST);
    EXPECT_EQ(v3.tileAt(45, 35).type, EMPTY);

    Game v4;
    ASSERT_TRUE(readMapText(v4, fixture("version-4-producers.map")));
    EXPECT_EQ(v4.tileAt(1, 1).machineId, 2u);
    EXPECT_EQ(v4.tileAt(1, 1).serialCounter, 9u);
    EXPECT_EQ(v4.tileAt(2, 2).machineId, 3u);
    EXPECT_EQ(v4.tileAt(3, 3).machineId, 4u);
    EXPECT_EQ(v4.nextMachineId, 5u);

    LegacyMap numberedKiln = producersOfVersion4();
    numberedKiln.nextMachineId = "8";
    numberedKiln.tiles[1].line[15] = "7";
    Game refused;
    EXPECT_FALSE(loads(refused, numberedKiln));
}

// One small world written as each version wrote it loads into the same world,
// with what the version did not know at the defaults of a new world.
TEST(LegacyMaps, EveryOldVersionLoadsIntoTheWorldItDescribes)
{
    for (int version : {1, 2, 3, 4, 5, 6, 9, 10, 12, 14, 15, 16, 20, 21, 22, 23, 27, 28, 31, 35, 40, 41, 42, 43}) {
        // Before version 6 only sources carry ids; the kiln gets the next one.
        LegacyMap map = legacyMap(version, version >= 6 ? "3" : "2");
        map.tiles = {tile(5, 0, {{1, "3"}, {2, "2"}, {15, "1"}, {16, "5"}, {17, "\"MILL\""}}),
                     tile(7, 1, {{1, "11"}, {2, "2"}, {15, version >= 6 ? "2" : "0"}}),
                     tile(3, 3, {{1, "5"}, {2, "2"}}), tile(4, 3, {{1, "5"}, {2, "2"}, {5, "1022"}}),
                     tile(6, 0, {{1, "2"}, {2, "2"}})};
        map.state = {{1, "12"}, {2, "5000"}, {5, "4000"}};
        map.items = {LegacyItem{{{1, "6"}, {2, "0"}, {4, "2"}, {5, "2"}}, ItemId{1, 3, "MILL"}}};

        Game game;
        ASSERT_TRUE(loads(game, map)) << "version " << version;
        SCOPED_TRACE("version " + std::to_string(version));
        EXPECT_EQ(game.tileAt(5, 0).machineId, 1u);
        EXPECT_EQ(game.tileAt(7, 1).machineId, 2u);
        EXPECT_EQ(game.nextMachineId, 3u);
        EXPECT_EQ(game.tileAt(5, 0).serialCounter, version >= 4 ? 5u : 0u);
        EXPECT_EQ(game.tileAt(5, 0).label, version >= 8 ? "MILL" : "");
        EXPECT_EQ(game.tileAt(3, 3).armCargoFilter, ALL_CARGO);
        EXPECT_EQ(game.tileAt(4, 3).armCargoFilter, 1022u);
        EXPECT_EQ(game.deliveredCount, version >= 5 ? 12 : 0);
        EXPECT_EQ(game.money, version >= 12 ? 5000 : STARTING_MONEY);
        EXPECT_EQ(game.moneyAtMonthStart, version >= 15 ? 4000 : game.money);
        ASSERT_EQ(game.items.size(), version >= 5 ? 1u : 0u);
        if (version >= 5) {
            EXPECT_EQ(game.items[0].id, (ItemId{1, 3, version >= 8 ? "MILL" : ""}));
        }

        Game again;
        ASSERT_TRUE(readMapText(again, mapTextOf(game)));
        EXPECT_EQ(mapTextOf(again), mapTextOf(game));
    }
}

TEST(LegacyMaps, Version20WaterLinesBecomePipesOverFreeGround)
{
    struct Case {
        const char* name;
        std::vector<LegacyTile> obstacles;
        std::vector<Link> lines;
        bool accepted;
        std::set<int> pipes;
        bool warned;
    };
    const LegacyFields belt{{1, "2"}, {2, "2"}};
    const Case cases[] = {
        {"straight over empty ground",
         {},
         {{2, 2, 6, 2}},
         true,
         {tileIndex(3, 2), tileIndex(4, 2), tileIndex(5, 2)},
         false},
        {"around belts, north first",
         {tile(3, 2, belt), tile(4, 2, belt), tile(5, 2, belt)},
         {{2, 2, 6, 2}},
         true,
         {tileIndex(2, 1), tileIndex(3, 1), tileIndex(4, 1), tileIndex(5, 1), tileIndex(6, 1)},
         false},
        {"molder walled in",
         {tile(5, 2, belt), tile(7, 2, belt), tile(6, 1, belt), tile(6, 3, belt)},
         {{2, 2, 6, 2}},
         true,
         {},
         true},
        {"source beside its molder", {}, {{6, 3, 6, 2}}, true, {}, false},
        {"two lines to one molder", {}, {{2, 2, 6, 2}, {6, 3, 6, 2}}, false, {}, false},
        {"line of length root 101", {tile(12, 3, {{1, "21"}, {2, "2"}, {15, "4"}})}, {{2, 2, 12, 3}}, false, {}, false},
        {"line from a molder to a source", {}, {{6, 2, 2, 2}}, false, {}, false},
    };
    for (const Case& c : cases) {
        LegacyMap map = legacyMap(20, "5");
        map.tiles = {tile(2, 2, {{1, "22"}, {2, "2"}, {15, "1"}}), tile(6, 3, {{1, "22"}, {2, "2"}, {15, "2"}}),
                     tile(6, 2, {{1, "21"}, {2, "2"}, {15, "3"}})};
        for (const LegacyTile& obstacle : c.obstacles) {
            std::erase_if(map.tiles, [&](const LegacyTile& t) { return t.x == obstacle.x && t.y == obstacle.y; });
            map.tiles.push_back(obstacle);
        }
        map.sections["WATER_LINKS"] = c.lines;

        Game game;
        testing::internal::CaptureStderr();
        const bool accepted = loads(game, map);
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_EQ(accepted, c.accepted) << c.name;
        if (!accepted) continue;
        EXPECT_EQ(pipeTiles(game), c.pipes) << c.name;
        const std::string warning = "Alte Wasserleitung (2,2)-(6,2) konnte nicht in Rohrkacheln umgewandelt werden\n";
        EXPECT_EQ(log.find(warning) != std::string::npos, c.warned) << c.name << ": " << log;
    }
}

TEST(LegacyMaps, CablesToMoldersAreDroppedUntilVersion21)
{
    for (int version : {21, 22}) {
        LegacyMap map = legacyMap(version, "2");
        map.tiles = {tile(2, 2, {{1, "20"}}), tile(3, 2, {{1, "20"}}), tile(6, 2, {{1, "21"}, {2, "2"}, {15, "1"}})};
        map.sections["POWER_LINKS"] = {{2, 2, 6, 2}, {2, 2, 3, 2}};
        Game game;
        ASSERT_EQ(loads(game, map), version == 21) << version;
        if (version == 21) {
            EXPECT_EQ(game.powerLinks, (std::vector<Link>{{2, 2, 3, 2, 0, 0}}));
        }
    }
}

TEST(LegacyMaps, Version23SignalLinksServeAsBothWireKinds)
{
    LegacyMap map = legacyMap(23, "2");
    map.tiles = {tile(2, 2, {{1, "24"}, {2, "2"}}), tile(4, 2, {{1, "11"}, {2, "2"}, {15, "1"}}),
                 tile(6, 2, {{1, "2"}, {2, "2"}})};
    map.sections["SIGNAL_LINKS"] = {{2, 2, 4, 2}};
    Game game;
    ASSERT_TRUE(loads(game, map));
    const std::vector<Link> wire{{2, 2, 4, 2, 0, 0}};
    EXPECT_EQ(game.signalControlLinks, wire);
    EXPECT_EQ(game.signalMeasureLinks, wire);

    map.sections["SIGNAL_LINKS"] = {{2, 2, 6, 2}};
    EXPECT_FALSE(loads(game, map));
}

// Before version 28 items kept no ejector state: an item on its way onto the
// belt in front of an active ejector stands still, and sensors remember no arrival.
TEST(LegacyMaps, Version27ItemsBeforeEjectorsStopAndSensorsRecordNoArrival)
{
    for (int version : {27, 28}) {
        LegacyMap map = legacyMap(version, "2");
        map.tiles = {tile(0, 0, {{1, "3"}, {2, "2"}, {15, "1"}, {16, "9"}}),
                     tile(10, 10, {{1, "25"}, {2, "2"}}),
                     tile(11, 10, {{1, "2"}, {2, "2"}}),
                     tile(11, 9, {{1, "2"}, {2, "3"}}),
                     tile(20, 20, {{1, "24"}, {2, "2"}, {21, "0"}, {27, "1"}}),
                     tile(21, 20, {{1, "2"}, {2, "2"}})};
        map.items = {LegacyItem{{{1, "11"}, {2, "9"}, {4, "3"}, {5, "3"}, {11, "9.5"}, {23, "1 11 10 1.7 3 0"}},
                                ItemId{1, 1, ""}},
                     LegacyItem{{{1, "21"}, {2, "20"}}, ItemId{1, 2, ""}}};
        Game game;
        ASSERT_TRUE(loads(game, map)) << version;
        const CargoItem& moving = game.items[0];
        EXPECT_EQ(moving.path.empty(), version == 27) << version;
        EXPECT_EQ(moving.posY, version == 27 ? 9.0f : 9.5f) << version;
        const Tile& sensor = game.tileAt(20, 20);
        EXPECT_TRUE(sensor.sensorPresent.valid) << version;
        EXPECT_EQ(sensor.sensorLastSeen.valid, version == 28) << version;
    }
}
