#include <gtest/gtest.h>

#include <vector>

#include "simulation/standstill_watch.h"
#include "world/geometry.h"

namespace {

// Item 0 stood still watching the tiles x 10..12, y 5..6.
StandstillWatch watchingOneItem(const std::vector<Reservation>& reservations = {})
{
    StandstillWatch watch;
    watch.start(3);
    watch.reservationsTaken(reservations);
    watch.standsStill(0, TileRect{10, 5, 12, 6});
    return watch;
}

}  // namespace

TEST(StandstillWatch, AnItemStandsUntilSomethingMovesOnTheTilesItWatched)
{
    StandstillWatch watch = watchingOneItem();
    EXPECT_TRUE(watch.stillStands(0));
    EXPECT_FALSE(watch.stillStands(1)) << "never found blocked";

    watch.itemMoved(tileIndex(30, 30), tileIndex(31, 30));
    EXPECT_TRUE(watch.stillStands(0)) << "a move far away";
    watch.itemMoved(tileIndex(12, 7), tileIndex(12, 6));
    EXPECT_FALSE(watch.stillStands(0)) << "an item came onto a watched tile";

    watch = watchingOneItem();
    watch.itemMoved(tileIndex(10, 5), -1);
    EXPECT_FALSE(watch.stillStands(0)) << "an item left a watched tile";

    watch = watchingOneItem();
    watch.forget(0);
    EXPECT_FALSE(watch.stillStands(0));
}

TEST(StandstillWatch, OnlyReservationsThatChangeOnWatchedTilesCount)
{
    const std::vector<Reservation> first{{1, 11.0f, 5.0f}, {2, 40.0f, 40.0f}};
    StandstillWatch watch = watchingOneItem(first);
    watch.reservationsTaken({{2, 40.0f, 40.0f}, {1, 11.0f, 5.0f}});
    EXPECT_TRUE(watch.stillStands(0)) << "the same points in another order";
    watch.reservationsTaken({{1, 11.0f, 5.0f}, {2, 41.0f, 40.0f}});
    EXPECT_TRUE(watch.stillStands(0)) << "a point moved far away";
    watch.reservationsTaken({{2, 41.0f, 40.0f}});
    EXPECT_FALSE(watch.stillStands(0)) << "a watched point was given up";

    watch = watchingOneItem(first);
    watch.reservationsTaken({{1, 11.0f, 5.0f}, {2, 40.0f, 40.0f}, {2, 12.0f, 6.0f}});
    EXPECT_FALSE(watch.stillStands(0)) << "a point was taken on a watched tile";

    watch = watchingOneItem({{1, -3.0f, 5.0f}});
    watch.standsStill(0, TileRect{0, 5, 1, 5});
    watch.reservationsTaken({});
    EXPECT_FALSE(watch.stillStands(0)) << "a point off the map counts on the edge tile";
}
