#include "render/minimap.h"

#include <algorithm>
#include <array>

namespace {

constexpr PackedColor BOX_FILL = packColor(15, 19, 24, 220);
constexpr PackedColor BOX_OUTLINE = packColor(125, 143, 151, 235);
constexpr PackedColor WARNING_RED = packColor(225, 74, 69);
constexpr PackedColor VIEW_FRAME = packColor(99, 222, 226);
constexpr PackedColor UNLISTED_TYPE = packColor(32, 36, 42);  // logic, sensors, bare bridge decks

constexpr int MAP_WIDTH_PIXELS = GRID_WIDTH * MINIMAP_PIXELS_PER_TILE;
constexpr int MAP_HEIGHT_PIXELS = GRID_HEIGHT * MINIMAP_PIXELS_PER_TILE;

// The tiles of one colour are filled in one call; the last bucket is the warning red.
constexpr std::size_t WARNING_BUCKET = CONTROL_TYPE_COUNT;
using TileBuckets = std::array<std::vector<SDL_Rect>, CONTROL_TYPE_COUNT + 1>;

}  // namespace

PackedColor minimapTileColor(ControlType type)
{
    switch (type) {
    case PLAIN:
        return packColor(130, 130, 138);
    case BELT:
    case BRIDGE:
        return packColor(105, 116, 116);
    case SOURCE:
        return packColor(75, 127, 225);
    case SINK:
        return packColor(232, 177, 65);
    case ARM:
    case LONG_ARM:
        return packColor(96, 184, 185);
    case DISTRIBUTOR:
    case DISTRIBUTOR_SECOND:
        return packColor(190, 145, 224);
    case MIXER:
    case MIXER_SECOND:
        return packColor(97, 177, 143);
    case OVEN:
        return packColor(224, 133, 75);
    case SMELTER:
        return packColor(152, 171, 192);
    case FILLER:
        return packColor(75, 174, 202);
    case STORAGE:
        return packColor(193, 156, 98);
    case TUNNEL:
    case TUNNEL_EXIT:
        return packColor(86, 150, 184);
    case SHOP:
        return packColor(222, 148, 68);
    case COAL_GENERATOR:
        return packColor(202, 112, 58);
    case POWER_POLE:
        return packColor(211, 195, 145);
    case INJECTION_MOLDER:
        return packColor(80, 193, 202);
    case WATER_SOURCE:
        return packColor(56, 173, 213);
    case WATER_PIPE:
        return packColor(42, 162, 204);
    case EJECTOR:
        return packColor(214, 151, 63);
    case POWER_SUPPLY:
        return packColor(120, 174, 218);
    default:
        return UNLISTED_TYPE;
    }
}

SDL_Rect minimapViewFrame(const SDL_Rect& box, const MapScroll& scroll, int viewWidth, int viewHeight)
{
    const int mapWidth = scroll.tileSize * GRID_WIDTH;
    const int mapHeight = scroll.tileSize * GRID_HEIGHT;
    if (mapWidth <= 0 || mapHeight <= 0) return {box.x + MINIMAP_BORDER, box.y + MINIMAP_BORDER, 2, 2};
    return {box.x + scroll.scrollX * MAP_WIDTH_PIXELS / mapWidth + MINIMAP_BORDER,
            box.y + scroll.scrollY * MAP_HEIGHT_PIXELS / mapHeight + MINIMAP_BORDER,
            std::max(2, viewWidth * MAP_WIDTH_PIXELS / mapWidth),
            std::max(2, viewHeight * MAP_HEIGHT_PIXELS / mapHeight)};
}

void drawMinimap(SDL_Renderer* renderer, const Game& game, const std::vector<unsigned>& warnings, const SDL_Rect& box,
                 const MapScroll& scroll, int viewWidth, int viewHeight)
{
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    setDrawColor(renderer, BOX_FILL);
    SDL_RenderFillRect(renderer, &box);
    setDrawColor(renderer, BOX_OUTLINE);
    SDL_RenderDrawRect(renderer, &box);
    // Tiles and frame are opaque: with blending off they land as they would with it on.
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);

    const bool warned = warnings.size() == static_cast<std::size_t>(TILE_COUNT);
    TileBuckets buckets;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const int index = tileIndex(x, y);
            const Tile& tile = game.tiles[static_cast<std::size_t>(index)];
            if (tile.type == EMPTY && tile.bridgePart < 0) continue;
            const bool red = warned && warnings[static_cast<std::size_t>(index)] != 0;
            const bool listed = tile.type >= 0 && tile.type < CONTROL_TYPE_COUNT;
            const std::size_t bucket = red ? WARNING_BUCKET : static_cast<std::size_t>(listed ? tile.type : EMPTY);
            buckets[bucket].push_back({box.x + MINIMAP_PIXELS_PER_TILE * x + MINIMAP_BORDER,
                                       box.y + MINIMAP_PIXELS_PER_TILE * y + MINIMAP_BORDER, MINIMAP_PIXELS_PER_TILE,
                                       MINIMAP_PIXELS_PER_TILE});
        }
    }
    for (std::size_t bucket = 0; bucket < buckets.size(); ++bucket) {
        if (buckets[bucket].empty()) continue;
        setDrawColor(renderer,
                     bucket == WARNING_BUCKET ? WARNING_RED : minimapTileColor(static_cast<ControlType>(bucket)));
        SDL_RenderFillRects(renderer, buckets[bucket].data(), static_cast<int>(buckets[bucket].size()));
    }

    const SDL_Rect frame = minimapViewFrame(box, scroll, viewWidth, viewHeight);
    setDrawColor(renderer, VIEW_FRAME);
    SDL_RenderDrawRect(renderer, &frame);
}
