#include "render/item_geometry.h"

#include <cmath>

namespace {

constexpr double DEGREES_PER_RADIAN = 180.0 / 3.141592654;
constexpr double RADIANS_PER_DEGREE = 3.141592654 / 180.0;

// Off the deck's line by less than this, an item at a bridge's end rides it.
constexpr float ON_DECK_LINE = 0.001f;

// Pointer classes: the higher wins.
constexpr int ON_GROUND = 0;
constexpr int AT_DECK = 1;
constexpr int CARRIED = 2;

// A coordinate in tiles, raised by lift, as a window pixel before the scroll.
int mapPixel(float tiles, float lift, int tileSize)
{
    return nearestWhole((tiles - lift + 0.5f) * static_cast<float>(tileSize));
}

int pointerClass(const Game& game, const CargoItem& item)
{
    if (item.carried) return CARRIED;
    return isItemAtBridgeDeck(game, item) ? AT_DECK : ON_GROUND;
}

// Inside the item's square turned about its centre.
bool insideTurnedSquare(const ItemScreenPlace& place, int px, int py, int tileSize)
{
    const double cx = place.rect.x + place.rect.w * 0.5;
    const double cy = place.rect.y + place.rect.h * 0.5;
    const double dx = px + 0.5 - cx;
    const double dy = py + 0.5 - cy;
    const double theta = place.angle * RADIANS_PER_DEGREE;
    const double half = tileSize * 0.5;
    return std::fabs(std::cos(theta) * dx + std::sin(theta) * dy) < half &&
           std::fabs(std::cos(theta) * dy - std::sin(theta) * dx) < half;
}

bool insideRect(const SDL_Rect& r, int px, int py)
{
    return r.x <= px && px < r.x + r.w && r.y <= py && py < r.y + r.h;
}

}  // namespace

bool itemScreenRect(const Game& game, const CargoItem& item, const MapScroll& scroll, const SDL_Rect& view,
                    ItemScreenPlace& place)
{
    const int ts = scroll.tileSize;
    const float lift = item.carried ? 0.0f : game.itemDeckProgress(item);
    const int cx = mapPixel(item.posX, 0.0f, ts);
    const int cy = mapPixel(item.posY, lift, ts);
    place.rect = {cx - scroll.scrollX - ts / 2, cy - scroll.scrollY - ts / 2, ts, ts};
    place.angle = 0.0;

    if (item.carried) {
        if (item.holdState >= HOLD_GRIPPING && game.inBounds(item.x, item.y)) {
            place.angle = game.tileAt(item.x, item.y).armAngle * DEGREES_PER_RADIAN;
        }
        place.clip = view;
        return true;
    }

    float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
    if (!game.visibleItemRect(item, left, top, right, bottom)) return false;
    const int l = mapPixel(left, 0.0f, ts);
    const int t = mapPixel(top, lift, ts);
    const int r = mapPixel(right, 0.0f, ts);
    const int b = mapPixel(bottom, lift, ts);
    const SDL_Rect visible{l - scroll.scrollX, t - scroll.scrollY, r - l, b - t};
    return SDL_IntersectRect(&visible, &view, &place.clip) == SDL_TRUE;
}

bool isItemAtBridgeDeck(const Game& game, const CargoItem& item)
{
    if (game.isItemOnDeck(item)) return true;
    if (!isCompassDirection(item.heading)) return false;
    const int dx = directionDx(item.heading);
    const int dy = directionDy(item.heading);
    const int tx = tileCoordinate(item.posX);
    const int ty = tileCoordinate(item.posY);
    // The tile behind the item, then the one ahead of it.
    for (const int step : {-1, 1}) {
        const int nx = tx + step * dx;
        const int ny = ty + step * dy;
        if (!game.inBounds(nx, ny)) continue;
        const Tile& tile = game.tileAt(nx, ny);
        if (tile.bridgePart < 0 || tile.bridgeDir != item.heading) continue;
        const float ox = item.posX - static_cast<float>(nx);
        const float oy = item.posY - static_cast<float>(ny);
        const float along = static_cast<float>(dx) * ox + static_cast<float>(dy) * oy;
        const float across = ox * static_cast<float>(dy) - oy * static_cast<float>(dx);
        if (std::fabs(along) < 1.0f && std::fabs(across) < ON_DECK_LINE) return true;
    }
    return false;
}

const CargoItem* itemAtPoint(const Game& game, int px, int py, const MapScroll& scroll, const SDL_Rect& view)
{
    if (!insideRect(view, px, py)) return nullptr;
    // One walk from the last item to the first keeps the first hit of each class.
    const CargoItem* firstHit[CARRIED + 1] = {nullptr, nullptr, nullptr};
    for (auto it = game.items.rbegin(); it != game.items.rend(); ++it) {
        const int itemClass = pointerClass(game, *it);
        if (firstHit[itemClass] != nullptr) continue;
        ItemScreenPlace place;
        if (!itemScreenRect(game, *it, scroll, view, place)) continue;
        if (!insideRect(place.clip, px, py) || !insideTurnedSquare(place, px, py, scroll.tileSize)) continue;
        if (itemClass == CARRIED) return &*it;
        firstHit[itemClass] = &*it;
    }
    return firstHit[AT_DECK] != nullptr ? firstHit[AT_DECK] : firstHit[ON_GROUND];
}
