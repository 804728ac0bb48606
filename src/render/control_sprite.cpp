#include "render/control_sprite.h"

#include <algorithm>

#include "render/clip_scope.h"
#include "render/distributor_mixer_sprite.h"
#include "render/logic_sprites.h"
#include "render/oven_smelter_sprite.h"
#include "render/power_supply_sprite.h"
#include "render/power_water_sprites.h"
#include "render/sensor_sprite.h"
#include "render/storage_shop_filler_sprites.h"
#include "render/transport_sprites.h"

namespace {

constexpr PackedColor LOGIC_BACKGROUND = packColor(25, 42, 47);

constexpr PackedColor BACKGROUNDS[CONTROL_TYPE_COUNT] = {
    packColor(32, 34, 40),    // empty
    packColor(92, 92, 100),   // plain
    packColor(46, 50, 52),    // belt
    packColor(56, 102, 196),  // source
    packColor(206, 150, 48),  // sink
    packColor(48, 58, 65),    // arm
    packColor(38, 67, 82),    // long arm
    packColor(55, 64, 75),    // distributor
    packColor(55, 64, 75),    // its second tile
    packColor(48, 69, 63),    // mixer
    packColor(48, 69, 63),    // its second tile
    packColor(77, 62, 55),    // charcoal kiln
    packColor(65, 72, 82),    // smelter
    packColor(45, 76, 93),    // bottling plant
    packColor(46, 50, 52),    // bridge, drawn as belt ground
    packColor(79, 68, 52),    // storage
    packColor(40, 46, 55),    // tunnel entrance
    packColor(40, 46, 55),    // tunnel exit
    packColor(130, 87, 59),   // shop
    packColor(75, 61, 49),    // coal generator
    packColor(42, 48, 52),    // power pole
    packColor(47, 72, 79),    // injection molder
    packColor(29, 35, 43),    // water source
    packColor(29, 35, 43),    // water pipe
    packColor(27, 89, 108),   // sensor
    packColor(65, 76, 83),    // ejector
    LOGIC_BACKGROUND,         // AND
    LOGIC_BACKGROUND,         // OR
    LOGIC_BACKGROUND,         // XOR
    LOGIC_BACKGROUND,         // NOT
    LOGIC_BACKGROUND,         // signal lamp
    LOGIC_BACKGROUND,         // counter
    LOGIC_BACKGROUND,         // timer
    LOGIC_BACKGROUND,         // clock
    LOGIC_BACKGROUND,         // switch
    LOGIC_BACKGROUND,         // button
    LOGIC_BACKGROUND,         // stepper
    packColor(37, 53, 65),    // 5V power supply
    LOGIC_BACKGROUND,         // RS latch
};

// A type the painter does not know keeps the caller's draw colour.
void fillBackground(SDL_Renderer* renderer, const SDL_Rect& r, ControlType type)
{
    if (type >= 0 && type < CONTROL_TYPE_COUNT) setDrawColor(renderer, BACKGROUNDS[type]);
    SDL_RenderFillRect(renderer, &r);
}

// A distributor or mixer paints its whole two-tile picture from each of its
// tiles, clipped to the tile being drawn, so the halves meet wherever the
// tiles are drawn from (screen, cache texture or sheet cell).
void drawPairTile(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile, float time)
{
    const bool mixer = tile.type == MIXER || tile.type == MIXER_SECOND;
    const SDL_Rect pair = pairSpriteRect(tile, r);
    const ClipScope clip(renderer, r);
    if (clip.isOpen()) drawDistributorMixerSprite(renderer, pair.x, pair.y, pair.w, pair.h, tile.dir, mixer, time);
}

// The control over its background; bridges and water pipes have none here.
void drawControl(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile, float time, bool powered)
{
    const int x = r.x, y = r.y, w = r.w, h = r.h;
    switch (tile.type) {
    case SENSOR:
        drawSensorSprite(renderer, x, y, w, h);
        break;
    case EJECTOR:
        drawEjectorTile(renderer, r, tile);
        break;
    case WATER_SOURCE:
        drawWaterSourceSprite(renderer, r);
        break;
    case SOURCE:
    case SINK:
        drawSourceSinkBody(renderer, r, tile.type == SINK);
        break;
    case TUNNEL:
    case TUNNEL_EXIT:
        drawTunnelSprite(renderer, r, tile);
        break;
    case BELT:
        drawBeltSprite(renderer, r, tile, time);
        break;
    case OVEN:
    case SMELTER:
        drawOvenSmelterSprite(renderer, x, y, w, h, tile, time);
        break;
    case STORAGE:
        drawStorageSprite(renderer, x, y, w, h, tile);
        break;
    case SHOP:
        drawShopSprite(renderer, x, y, w, h, tile);
        break;
    case FILLER:
        drawFillerSprite(renderer, x, y, w, h, tile, time);
        break;
    case COAL_GENERATOR:
        drawCoalGeneratorSprite(renderer, r, tile, time);
        break;
    case POWER_POLE:
        drawPowerPoleSprite(renderer, r, powered, time);
        break;
    case INJECTION_MOLDER:
        drawInjectionMolderSprite(renderer, r, tile);
        break;
    case DISTRIBUTOR:
    case DISTRIBUTOR_SECOND:
    case MIXER:
    case MIXER_SECOND:
        drawPairTile(renderer, r, tile, time);
        break;
    case ARM:
    case LONG_ARM:
        drawArmHub(renderer, r, tile);
        break;
    default:
        // The sensor has its own case: the other signal types are the logic components.
        if (isSignalType(tile.type)) drawLogicSprite(renderer, x, y, w, h, tile);
        break;
    }
}

}  // namespace

SDL_Rect pairSpriteRect(const Tile& tile, const SDL_Rect& r)
{
    const bool second = tile.type == DISTRIBUTOR_SECOND || tile.type == MIXER_SECOND;
    const Direction side = clockwiseDirection(tile.dir);
    const int s = r.w;
    const int dx = directionDx(side) * s;
    const int dy = directionDy(side) * s;
    const int mainX = second ? r.x - dx : r.x;
    const int mainY = second ? r.y - dy : r.y;
    return {mainX + std::min(0, dx), mainY + std::min(0, dy), dx != 0 ? 2 * s : s, dy != 0 ? 2 * s : s};
}

void drawControlSprite(SDL_Renderer* renderer, const Tile& tile, int tileX, int tileY, int scrollX, int scrollY,
                       int tileSize, float time, bool powered)
{
    const SDL_Rect r{tileX * tileSize - scrollX, tileY * tileSize - scrollY, tileSize, tileSize};
    fillBackground(renderer, r, tile.type);
    if (tile.type == POWER_SUPPLY) {
        drawPowerSupplySprite(renderer, r.x, r.y, r.w, r.h, tile);
        return;
    }
    drawControl(renderer, r, tile, time, powered);
    // A belt runs on into its neighbours without a frame.
    if (tile.type == BELT) return;
    setDrawColor(renderer, SPRITE_FRAME);
    SDL_RenderDrawRect(renderer, &r);
    if (tile.type == SINK) drawSinkMarks(renderer, r, tile);
    if (tile.type == SOURCE) drawSourceMarks(renderer, r, tile);
}
