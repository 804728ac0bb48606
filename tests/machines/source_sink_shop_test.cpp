#include <gtest/gtest.h>

#include <limits>

#include "machines/sink_control.h"
#include "machines/source_control.h"
#include "world/control.h"
#include "world/game.h"

TEST(Source, BuiltStoppedFacingEastAndTurnsFullCircleKeepingItsState)
{
    Game game;
    const Control& source = controlForType(SOURCE);
    ASSERT_TRUE(source.place(game, 10, 10));
    Tile& tile = game.tileAt(10, 10);
    EXPECT_EQ(tile.dir, EAST);
    EXPECT_FALSE(SourceControl::isRunning(tile));
    EXPECT_EQ(tile.sourceCargo, LOG);

    SourceControl::toggleRunning(tile);
    SourceControl::setCargoType(tile, IRON_ORE);
    SourceControl::recordProduced(tile);
    tile.machineId = 4;
    const Tile before = tile;

    game.items.emplace_back(10, 10, EAST, IRON_ORE);  // an item does not keep a source from turning
    const Direction expected[] = {SOUTH, WEST, NORTH, EAST};
    for (Direction dir : expected) {
        ASSERT_TRUE(source.place(game, 10, 10));
        EXPECT_EQ(tile.dir, dir);
    }
    EXPECT_EQ(tile, before);
}

TEST(Source, NotBuiltOnAnItemOrAnotherControl)
{
    Game game;
    game.items.emplace_back(10, 10, EAST, LOG);
    EXPECT_FALSE(controlForType(SOURCE).place(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).type, EMPTY);
    EXPECT_FALSE(controlForType(SOURCE).place(game, 76, 9)) << "the starter sink";
    EXPECT_EQ(game.tileAt(76, 9).type, SINK);
}

TEST(Source, CountsUnderItsPresentCargoAndIgnoresUnknownKinds)
{
    Tile tile;
    tile.type = SOURCE;
    SourceControl::recordProduced(tile);
    SourceControl::setCargoType(tile, PLASTIC_GEAR);
    SourceControl::recordProduced(tile);
    SourceControl::setCargoType(tile, 13);
    SourceControl::setCargoType(tile, -1);
    SourceControl::recordProduced(tile);
    EXPECT_EQ(tile.sourceCargo, PLASTIC_GEAR);
    EXPECT_EQ(tile.sourceProduced[LOG], 1);
    EXPECT_EQ(tile.sourceProduced[PLASTIC_GEAR], 2);
    EXPECT_EQ(tile.serialCounter, 3u);

    tile.sourceCargo = 40;  // read from a damaged map
    SourceControl::recordProduced(tile);
    EXPECT_EQ(tile.serialCounter, 4u);

    tile.sourceCargo = LOG;
    tile.sourceProduced[LOG] = std::numeric_limits<int>::max();
    SourceControl::recordProduced(tile);
    EXPECT_EQ(tile.sourceProduced[LOG], std::numeric_limits<int>::max());
}

TEST(Sink, NeverTurnsAndKeepsTheTilesOwnFields)
{
    Game game;
    const Control& sink = controlForType(SINK);
    EXPECT_FALSE(sink.place(game, 76, 9));
    game.tileAt(10, 10).dir = WEST;
    ASSERT_TRUE(sink.place(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).type, SINK);
    EXPECT_EQ(game.tileAt(10, 10).dir, WEST);
    EXPECT_TRUE(game.tileAt(10, 10).sinkAccepting);
    EXPECT_FALSE(sink.place(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10).dir, WEST);

    game.items.emplace_back(12, 10, EAST, LOG);
    EXPECT_FALSE(sink.place(game, 12, 10));
    EXPECT_TRUE(sink.remove(game, 10, 10));
    EXPECT_EQ(game.tileAt(10, 10), Tile{});
}

TEST(Sink, TakesEverythingWhileAcceptingAndNothingWhenOff)
{
    Tile tile;
    tile.type = SINK;
    const Control& sink = controlForType(SINK);
    for (Direction side : {NONE, NORTH, EAST, SOUTH, WEST})
        EXPECT_TRUE(sink.canAccept(tile, side, STEEL_PLATE));
    SinkControl::toggleAccepting(tile);
    for (Direction side : {NONE, NORTH, EAST, SOUTH, WEST})
        EXPECT_FALSE(sink.canAccept(tile, side, STEEL_PLATE));
    SinkControl::toggleAccepting(tile);
    EXPECT_TRUE(tile.sinkAccepting);
}

TEST(Sink, RecordsIdentifiedItemsAndTheirParts)
{
    Tile tile;
    tile.type = SINK;
    const Control& sink = controlForType(SINK);

    sink.acceptItem(tile, PLASTIC_GEAR, ItemRecord{ItemId{}, {ItemId{3, 1, "A"}, ItemId{4, 2, ""}}});
    EXPECT_EQ(tile.sinkDeliveredIds, (std::vector<ItemId>{ItemId{3, 1, "A"}, ItemId{4, 2, ""}}));

    sink.acceptItem(tile, LOG, ItemRecord{ItemId{5, 9, "Q"}, {}});
    ASSERT_EQ(tile.sinkDeliveredIds.size(), 3u);
    EXPECT_EQ(tile.sinkDeliveredIds.back(), (ItemId{5, 9, "Q"}));

    sink.acceptItem(tile, LOG, ItemRecord{});
    EXPECT_EQ(tile.sinkDeliveredIds.size(), 3u);
    EXPECT_EQ(tile.sinkDelivered[LOG], 2);
    EXPECT_EQ(tile.sinkDelivered[PLASTIC_GEAR], 1);
}

TEST(Sink, KeepsNoAnonymousPartsSinceMapsCannotHoldThem)
{
    Tile tile;
    tile.type = SINK;
    controlForType(SINK).acceptItem(tile, PLASTIC_GEAR, ItemRecord{ItemId{8, 1, ""}, {ItemId{}, ItemId{2, 5, ""}}});
    EXPECT_EQ(tile.sinkDeliveredIds, (std::vector<ItemId>{ItemId{8, 1, ""}, ItemId{2, 5, ""}}));
}

TEST(Sink, KeepsOnlyTheNewestThousandIdentitiesButCountsEveryItem)
{
    Tile tile;
    tile.type = SINK;
    const Control& sink = controlForType(SINK);
    for (std::uint64_t serial = 1; serial <= 1200; ++serial)
        sink.acceptItem(tile, COAL, ItemRecord{ItemId{1, serial, ""}, {}});
    EXPECT_EQ(tile.sinkDelivered[COAL], 1200);
    ASSERT_EQ(tile.sinkDeliveredIds.size(), SINK_KEPT_IDENTITIES);
    EXPECT_EQ(tile.sinkDeliveredIds.front().serial, 201u);
    EXPECT_EQ(tile.sinkDeliveredIds.back().serial, 1200u);

    sink.acceptItem(tile, COAL, ItemRecord{ItemId{2, 1, ""}, {ItemId{3, 1, ""}, ItemId{3, 2, ""}}});
    ASSERT_EQ(tile.sinkDeliveredIds.size(), SINK_KEPT_IDENTITIES);
    EXPECT_EQ(tile.sinkDeliveredIds.front().serial, 204u);
    EXPECT_EQ(tile.sinkDeliveredIds.back(), (ItemId{3, 2, ""}));
}

TEST(Shop, FacingEastTakesOnlyItemsTravellingWestOfItsKinds)
{
    Game game;
    const Control& shop = controlForType(SHOP);
    ASSERT_TRUE(shop.place(game, 10, 10));
    Tile& tile = game.tileAt(10, 10);
    EXPECT_EQ(tile.dir, EAST);
    EXPECT_TRUE(shop.canAccept(tile, WEST, FULL_BOTTLE));
    for (Direction side : {NONE, NORTH, EAST, SOUTH})
        EXPECT_FALSE(shop.canAccept(tile, side, FULL_BOTTLE));

    tile.shopAcceptMask = ALL_CARGO & ~(1u << FULL_BOTTLE);
    EXPECT_FALSE(shop.canAccept(tile, WEST, FULL_BOTTLE));
    EXPECT_TRUE(shop.canAccept(tile, WEST, STEEL_INGOT));
    EXPECT_FALSE(shop.canAccept(tile, WEST, 13));

    ASSERT_TRUE(shop.place(game, 10, 10));
    EXPECT_EQ(tile.dir, SOUTH);
    EXPECT_TRUE(shop.canAccept(tile, NORTH, STEEL_INGOT));
    EXPECT_EQ(tile.shopAcceptMask, ALL_CARGO & ~(1u << FULL_BOTTLE));

    tile.dir = NONE;
    for (Direction side : {NONE, NORTH, EAST, SOUTH, WEST})
        EXPECT_FALSE(shop.canAccept(tile, side, LOG));
    EXPECT_TRUE(shop.remove(game, 10, 10));
}
