#include "ui/camera.h"

#include <algorithm>
#include <cmath>

#include "world/geometry.h"

namespace {

int clampedZoomIndex(int zoomIndex) { return std::clamp(zoomIndex, 0, static_cast<int>(ZOOM_TILE_SIZES.size()) - 1); }

int clampedScroll(int scroll, int mapPixels, int viewPixels)
{
    const int limit = mapPixels - viewPixels;
    return limit < 1 ? 0 : std::clamp(scroll, 0, limit);
}

int floorDivide(int numerator, int denominator)
{
    return static_cast<int>(std::floor(static_cast<double>(numerator) / denominator));
}

}  // namespace

int tileSize(const Camera& camera) { return ZOOM_TILE_SIZES[clampedZoomIndex(camera.zoomIndex)]; }

void clampCamera(Camera& camera, int viewWidth, int viewHeight)
{
    const int size = tileSize(camera);
    camera.scrollX = clampedScroll(camera.scrollX, size * GRID_WIDTH, viewWidth);
    camera.scrollY = clampedScroll(camera.scrollY, size * GRID_HEIGHT, viewHeight);
}

TilePoint screenToTile(const Camera& camera, int px, int py)
{
    const int size = tileSize(camera);
    return {floorDivide(camera.scrollX + px, size), floorDivide(camera.scrollY + py, size)};
}

void centerCameraOnTile(Camera& camera, int tileX, int tileY, int viewWidth, int viewHeight)
{
    const int size = tileSize(camera);
    camera.scrollX = (2 * tileX + 1) * size / 2 - viewWidth / 2;
    camera.scrollY = (2 * tileY + 1) * size / 2 - viewHeight / 2;
    clampCamera(camera, viewWidth, viewHeight);
}

int wheelZoomStep(int wheelY, bool flipped)
{
    const int amount = flipped ? -wheelY : wheelY;
    return (amount > 0) - (amount < 0);
}

bool zoomCameraAt(Camera& camera, int step, int px, int py, int viewWidth, int viewHeight)
{
    const int oldIndex = clampedZoomIndex(camera.zoomIndex);
    const int newIndex = clampedZoomIndex(oldIndex + step);
    if (newIndex == oldIndex) return false;
    const int oldSize = ZOOM_TILE_SIZES[oldIndex];
    const int newSize = ZOOM_TILE_SIZES[newIndex];
    camera.zoomIndex = newIndex;
    camera.scrollX = (camera.scrollX + px) * newSize / oldSize - px;
    camera.scrollY = (camera.scrollY + py) * newSize / oldSize - py;
    clampCamera(camera, viewWidth, viewHeight);
    return true;
}
