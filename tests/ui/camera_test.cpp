#include <gtest/gtest.h>

#include <vector>

#include "ui/camera.h"

namespace {

constexpr int VIEW_WIDTH = 980;
constexpr int VIEW_HEIGHT = 700;

// The map pixel under a viewport pixel, in tiles as a fraction.
double mapPointX(const Camera& camera, int px) { return (camera.scrollX + px) / static_cast<double>(tileSize(camera)); }
double mapPointY(const Camera& camera, int py) { return (camera.scrollY + py) / static_cast<double>(tileSize(camera)); }

}  // namespace

TEST(Camera, ScreenPointsFloorToTiles)
{
    struct Case {
        Camera camera;
        int px;
        int py;
        TilePoint tile;
    };
    const std::vector<Case> cases = {
        {{0, 0, 2}, 0, 0, {0, 0}},         {{0, 0, 2}, 31, 31, {0, 0}},       {{0, 0, 2}, 32, 64, {1, 2}},
        {{0, 0, 2}, -1, -1, {-1, -1}},     {{0, 0, 2}, -32, -33, {-1, -2}},   {{100, 50, 0}, 0, 0, {4, 2}},
        {{0, 0, 6}, 5119, 3839, {79, 59}}, {{0, 0, 6}, 5120, 3840, {80, 60}}, {{40, 0, 3}, -41, 0, {-1, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(screenToTile(c.camera, c.px, c.py), c.tile)
            << c.px << ", " << c.py << " at scroll " << c.camera.scrollX << ", " << c.camera.scrollY;
    }
}

TEST(Camera, ClampingAndCentringKeepTheViewOnTheMap)
{
    Camera camera{-50, 99999, 2};
    clampCamera(camera, VIEW_WIDTH, VIEW_HEIGHT);
    EXPECT_EQ(camera.scrollX, 0);
    EXPECT_EQ(camera.scrollY, 32 * 60 - VIEW_HEIGHT);

    // At 24 pixels the map is 1920 wide: in a 2000-pixel viewport it never scrolls sideways.
    camera = {300, 300, 0};
    clampCamera(camera, 2000, 700);
    EXPECT_EQ(camera.scrollX, 0);
    EXPECT_EQ(camera.scrollY, 300);

    centerCameraOnTile(camera = {0, 0, 2}, 40, 30, VIEW_WIDTH, VIEW_HEIGHT);
    EXPECT_EQ(camera.scrollX, 40 * 32 + 16 - VIEW_WIDTH / 2);
    EXPECT_EQ(camera.scrollY, 30 * 32 + 16 - VIEW_HEIGHT / 2);
    EXPECT_EQ(screenToTile(camera, VIEW_WIDTH / 2, VIEW_HEIGHT / 2), (TilePoint{40, 30}));
    centerCameraOnTile(camera, 0, 59, VIEW_WIDTH, VIEW_HEIGHT);
    EXPECT_EQ(camera.scrollX, 0);
    EXPECT_EQ(camera.scrollY, 32 * 60 - VIEW_HEIGHT);
    centerCameraOnTile(camera = {0, 0, 1}, 3, 3, VIEW_WIDTH, VIEW_HEIGHT);  // (7 * 28) / 2 - 490 < 0
    EXPECT_EQ(camera.scrollX, 0);
}

TEST(Camera, WheelZoomKeepsThePointUnderThePointer)
{
    struct Case {
        Camera camera;
        int wheelY;
        bool flipped;
        int px;
        int py;
        int zoomAfter;
    };
    const std::vector<Case> cases = {
        {{600, 400, 2}, 1, false, 500, 300, 3}, {{600, 400, 2}, -3, false, 500, 300, 1},
        {{600, 400, 2}, 1, true, 17, 650, 1},   {{1000, 900, 5}, 2, false, 979, 0, 6},
        {{0, 0, 1}, -1, false, 1, 1, 0},        {{300, 200, 4}, -1, true, 333, 444, 5},
    };
    for (const Case& c : cases) {
        Camera camera = c.camera;
        const double beforeX = mapPointX(camera, c.px);
        const double beforeY = mapPointY(camera, c.py);
        ASSERT_TRUE(zoomCameraAt(camera, wheelZoomStep(c.wheelY, c.flipped), c.px, c.py, VIEW_WIDTH, VIEW_HEIGHT));
        EXPECT_EQ(camera.zoomIndex, c.zoomAfter);
        Camera clamped = camera;
        clampCamera(clamped, VIEW_WIDTH, VIEW_HEIGHT);
        EXPECT_EQ(clamped.scrollX, camera.scrollX) << "the zoom leaves the camera clamped";
        if (camera.scrollX > 0 && camera.scrollX < tileSize(camera) * 80 - VIEW_WIDTH) {
            EXPECT_NEAR(mapPointX(camera, c.px), beforeX, 1.0 / tileSize(camera)) << "zoom " << c.zoomAfter;
        }
        if (camera.scrollY > 0 && camera.scrollY < tileSize(camera) * 60 - VIEW_HEIGHT) {
            EXPECT_NEAR(mapPointY(camera, c.py), beforeY, 1.0 / tileSize(camera)) << "zoom " << c.zoomAfter;
        }
    }

    // The ends of the zoom table do nothing more; nor does a wheel event without a turn.
    Camera camera{123, 45, 6};
    EXPECT_FALSE(zoomCameraAt(camera, wheelZoomStep(1, false), 10, 10, VIEW_WIDTH, VIEW_HEIGHT));
    EXPECT_FALSE(zoomCameraAt(camera = {123, 45, 0}, wheelZoomStep(-4, false), 10, 10, VIEW_WIDTH, VIEW_HEIGHT));
    EXPECT_FALSE(zoomCameraAt(camera, wheelZoomStep(0, true), 10, 10, VIEW_WIDTH, VIEW_HEIGHT));
    EXPECT_EQ(camera.scrollX, 123);
    EXPECT_EQ(camera.scrollY, 45);
}
