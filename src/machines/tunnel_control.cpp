#include "machines/tunnel_control.h"

namespace {

bool isTunnelEnd(const Tile& tile) { return tile.type == TUNNEL || tile.type == TUNNEL_EXIT; }

bool pointsAt(const Tile& end, int x, int y) { return end.tunnelPartnerX == x && end.tunnelPartnerY == y; }

}  // namespace

bool TunnelControl::canAccept(const Tile& tile, Direction, CargoType) const { return tile.type == TUNNEL; }

bool TunnelControl::remove(ControlGrid& grid, int x, int y) const
{
    if (!grid.inBounds(x, y)) return false;
    const Tile end = grid.tileAt(x, y);  // a copy: the partner position must outlive the clearing
    if (!isTunnelEnd(end)) return false;
    grid.removeItemsAt(x, y);

    const int px = end.tunnelPartnerX;
    const int py = end.tunnelPartnerY;
    if (grid.inBounds(px, py) && isTunnelEnd(grid.tileAt(px, py)) && pointsAt(grid.tileAt(px, py), x, y)) {
        grid.removeItemsAt(px, py);
        grid.tileAt(px, py) = Tile{};
    }
    grid.tileAt(x, y) = Tile{};
    return true;
}
