#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "reference_worlds.h"
#include "support/world_builders.h"
#include "world/power_overview.h"

namespace {

int countTiles(const Game& game, bool (*wanted)(const Tile&))
{
    int count = 0;
    for (const Tile& tile : game.tiles)
        count += wanted(tile) ? 1 : 0;
    return count;
}

std::string mapText(const Game& game)
{
    std::ostringstream out;
    game.writeMap(out);
    return out.str();
}

}  // namespace

TEST(ReferenceFactory, HoldsEveryKindOfControlAtFullScale)
{
    const Game game = referenceFactory(FULL_FACTORY_ITEMS);
    EXPECT_EQ(game.items.size(), static_cast<std::size_t>(FULL_FACTORY_ITEMS));
    EXPECT_EQ(countTiles(game, [](const Tile& t) { return t.type == ARM || t.type == LONG_ARM; }), 150);
    EXPECT_EQ(countTiles(game,
                         [](const Tile& t) {
                             return t.type == OVEN || t.type == SMELTER || t.type == FILLER ||
                                    t.type == INJECTION_MOLDER || t.type == STORAGE || t.type == COAL_GENERATOR;
                         }),
              60);
    EXPECT_GE(countTiles(game, [](const Tile& t) { return isSignalType(t.type); }), 40);
    for (ControlType type : {DISTRIBUTOR, MIXER, BRIDGE, TUNNEL, EJECTOR, WATER_SOURCE, SOURCE, SHOP, SINK}) {
        EXPECT_TRUE(std::any_of(game.tiles.begin(), game.tiles.end(), [type](const Tile& t) { return t.type == type; }))
            << "type " << type;
    }
    EXPECT_EQ(countTiles(game, [](const Tile& t) { return isPowerConsumerType(t.type) && !t.powerSupplied; }), 0)
        << "every consumer has power";
    EXPECT_EQ(countTiles(game, [](const Tile& t) { return isSignalType(t.type) && !t.dcSupplied; }), 0)
        << "every sensor and logic component has 5V";
}

TEST(ReferenceFactory, IsTheSameForTheSameSeed)
{
    EXPECT_EQ(mapText(referenceFactory(SMALL_FACTORY_ITEMS)), mapText(referenceFactory(SMALL_FACTORY_ITEMS)));
    EXPECT_NE(mapText(referenceFactory(SMALL_FACTORY_ITEMS)), mapText(referenceFactory(SMALL_FACTORY_ITEMS, 16)));
}

TEST(ReferenceFactory, EveryLoadPassesTheMapTool)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("gearhaven-reference-" + std::to_string(::getpid()) + ".map");
    for (int items : {SMALL_FACTORY_ITEMS, FULL_FACTORY_ITEMS, LARGE_FACTORY_ITEMS}) {
        std::ofstream(path, std::ios::binary) << mapText(referenceFactory(items));
        const std::string command = std::string(GEARHAVEN_MAPTOOL) + " check " + path.string();
        EXPECT_EQ(std::system(command.c_str()), 0) << items << " items";
    }
    std::filesystem::remove(path);
}
