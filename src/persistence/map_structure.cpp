#include "persistence/map_structure.h"

#include "world/geometry.h"

namespace {

struct TilePlace {
    int x;
    int y;
};

const Tile* tileOrNull(const std::vector<Tile>& tiles, int x, int y)
{
    return inGrid(x, y) ? &tiles[tileIndex(x, y)] : nullptr;
}

bool tunnelFits(const std::vector<Tile>& tiles, const Tile& tile, TilePlace at)
{
    if (tile.type != TUNNEL && tile.type != TUNNEL_EXIT) return tile.tunnelPartnerX == -1 && tile.tunnelPartnerY == -1;
    if (tile.tunnelPartnerX == at.x && tile.tunnelPartnerY == at.y) return false;
    const Tile* partner = tileOrNull(tiles, tile.tunnelPartnerX, tile.tunnelPartnerY);
    const ControlType partnerType = tile.type == TUNNEL ? TUNNEL_EXIT : TUNNEL;
    return partner != nullptr && partner->type == partnerType && partner->tunnelPartnerX == at.x &&
           partner->tunnelPartnerY == at.y;
}

bool crossesBridge(const Tile& belt, Direction bridgeDir)
{
    const bool bridgeRunsEastWest = bridgeDir == EAST || bridgeDir == WEST;
    const bool beltRunsEastWest = belt.dir == EAST || belt.dir == WEST;
    return belt.dir == NONE || beltRunsEastWest != bridgeRunsEastWest;
}

// A deck spans empty ground or a belt crossing under it; a ramp faces its bridge.
bool bridgePartFits(const Tile& tile)
{
    const bool ramp = tile.bridgePart == BRIDGE_ENTRY_RAMP || tile.bridgePart == BRIDGE_EXIT_RAMP;
    if (ramp != (tile.type == BRIDGE)) return false;
    if (ramp) return tile.dir == tile.bridgeDir;
    if (tile.bridgePart != BRIDGE_DECK) return true;
    return tile.type == EMPTY || (tile.type == BELT && crossesBridge(tile, tile.bridgeDir));
}

// The three parts of the bridge this tile belongs to stand in a row.
bool bridgeIsWhole(const std::vector<Tile>& tiles, const Tile& tile, TilePlace at)
{
    if (tile.bridgePart == BRIDGE_NONE) return true;
    const int dx = directionDx(tile.bridgeDir);
    const int dy = directionDy(tile.bridgeDir);
    for (int part = BRIDGE_ENTRY_RAMP; part <= BRIDGE_EXIT_RAMP; ++part) {
        const int offset = part - tile.bridgePart;
        const Tile* other = tileOrNull(tiles, at.x + offset * dx, at.y + offset * dy);
        if (other == nullptr || other->bridgeDir != tile.bridgeDir || other->bridgePart != part) return false;
    }
    return true;
}

// Each half of a two-tile machine and where its partner stands: one step
// along the clockwise successor of its direction, or one step against it.
struct PairHalf {
    ControlType type;
    ControlType partner;
    int side;
};

constexpr PairHalf PAIR_HALVES[] = {
    {DISTRIBUTOR, DISTRIBUTOR_SECOND, 1},
    {DISTRIBUTOR_SECOND, DISTRIBUTOR, -1},
    {MIXER, MIXER_SECOND, 1},
    {MIXER_SECOND, MIXER, -1},
};

bool pairFits(const std::vector<Tile>& tiles, const Tile& tile, TilePlace at)
{
    for (const PairHalf& half : PAIR_HALVES) {
        if (tile.type != half.type) continue;
        if (tile.dir == NONE) return false;
        const Direction across = clockwiseDirection(tile.dir);
        const Tile* partner =
            tileOrNull(tiles, at.x + half.side * directionDx(across), at.y + half.side * directionDy(across));
        return partner != nullptr && partner->type == half.partner && partner->dir == tile.dir;
    }
    return true;
}

}  // namespace

bool tileStructureFits(const std::vector<Tile>& tiles)
{
    for (int index = 0; index < TILE_COUNT; ++index) {
        const Tile& tile = tiles[index];
        const TilePlace at{index % GRID_WIDTH, index / GRID_WIDTH};
        if (!tunnelFits(tiles, tile, at) || !bridgePartFits(tile) || !bridgeIsWhole(tiles, tile, at) ||
            !pairFits(tiles, tile, at)) {
            return false;
        }
    }
    return true;
}
