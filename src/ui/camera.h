#pragma once

#include <array>

// Pixels per tile at each zoom step.
constexpr std::array<int, 7> ZOOM_TILE_SIZES = {24, 28, 32, 40, 48, 56, 64};
constexpr int START_ZOOM_INDEX = 2;  // 32-pixel tiles

// The map's scroll: the map pixel at the viewport's top left corner, and the zoom step.
struct Camera {
    int scrollX = 0;
    int scrollY = 0;
    int zoomIndex = START_ZOOM_INDEX;
};

// A tile position; may lie off the map where callers say so.
struct TilePoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const TilePoint&, const TilePoint&) = default;
};

// The tile size of the camera's zoom step; a step outside the table counts as its nearest end.
int tileSize(const Camera& camera);

// Keeps the viewport on the map; where the map is narrower or lower than the viewport, that scroll is 0.
void clampCamera(Camera& camera, int viewWidth, int viewHeight);

// The tile under a viewport pixel, floored, so a point left of or above the map gives -1.
TilePoint screenToTile(const Camera& camera, int px, int py);

void centerCameraOnTile(Camera& camera, int tileX, int tileY, int viewWidth, int viewHeight);

// +1 for a wheel turned away from the player, -1 towards, 0 for none.
int wheelZoomStep(int wheelY, bool flipped);

// Zooms by one step about a viewport pixel, which keeps the map point under it (up to
// truncation and the clamp). False when the zoom is already at that end.
bool zoomCameraAt(Camera& camera, int step, int px, int py, int viewWidth, int viewHeight);
