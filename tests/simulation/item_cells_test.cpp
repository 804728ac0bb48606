#include <gtest/gtest.h>

#include <cmath>

#include "simulation/item_cells.h"

TEST(ItemCells, PositionsFileUnderTheNearestTileHeldOnTheMap)
{
    for (float p = -3.0f; p <= 83.0f; p += 0.125f) {
        const float tile = std::floor(p + 0.5f);
        const int expected = tile <= 0.0f ? 0 : tile >= 79.0f ? 79 : static_cast<int>(tile);
        ASSERT_EQ(clampedCoordinate(p, GRID_WIDTH), expected) << p;
    }
    EXPECT_EQ(clampedCoordinate(0.5f, GRID_WIDTH), 1) << "halves go up";
    EXPECT_EQ(clampedCoordinate(std::nanf(""), GRID_WIDTH), 0);
    EXPECT_EQ(clampedCoordinate(1e30f, GRID_HEIGHT), GRID_HEIGHT - 1);

    const TileRect cells = ItemCells::cellsOf(-2.0f, 3.4f, 58.6f, 70.0f);
    EXPECT_EQ(cells.left, 0);
    EXPECT_EQ(cells.right, 3);
    EXPECT_EQ(cells.top, 59);
    EXPECT_EQ(cells.bottom, GRID_HEIGHT - 1);
}
