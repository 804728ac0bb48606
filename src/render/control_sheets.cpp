#include "render/control_sheets.h"

#include <fstream>

#include "render/asset_files.h"
#include "render/control_sprite.h"
#include "render/render_target_scope.h"
#include "render/sprite_index_files.h"
#include "render/sprite_key.h"
#include "render/texture_caches.h"

namespace {

bool isAlwaysPainted(ControlType type) { return type >= LOGIC_COUNTER && type <= POWER_SUPPLY; }

// The index and sheets are read for the renderer that first needs them, and
// again after every change of renderer.
void useAtlasRenderer(SDL_Renderer* renderer)
{
    TextureCaches& c = textureCaches();
    if (renderer == c.atlasRenderer) return;
    clearControlAtlas();
    c.atlasRenderer = renderer;
    loadControlSpriteIndex();
}

void useCacheRenderer(SDL_Renderer* renderer)
{
    TextureCaches& c = textureCaches();
    if (renderer == c.controlCacheRenderer) return;
    clearControlSpriteCache();
    c.controlCacheRenderer = renderer;
    c.controlCacheHasTargets = SDL_RenderTargetSupported(renderer) == SDL_TRUE;
}

// Sheets hold one 64-pixel picture a key, scaled onto the square.
bool copyFromSheet(SDL_Renderer* renderer, const Tile& tile, const SDL_Rect& square, float time, bool powered)
{
    useAtlasRenderer(renderer);
    const auto& index = textureCaches().controlSpriteIndex;
    if (index.empty()) return false;
    SpriteKey key = spriteKeyOf(tile, square.w, time, powered);
    key.tileSize = SHEET_CELL_SIZE;
    const auto found = index.find(key);
    if (found == index.end()) return false;
    const SpriteRef& ref = found->second;
    SDL_Texture* sheet = loadControlSheetTexture(renderer, ref.file);
    if (sheet == nullptr) return false;
    const SDL_Rect source{ref.x, ref.y, ref.w, ref.h};
    SDL_RenderCopy(renderer, sheet, &source, &square);
    return true;
}

// The cached picture of the tile's key, painted into a new texture the first
// time; null when no texture can be made or drawn into.
SDL_Texture* cachedSprite(SDL_Renderer* renderer, const Tile& tile, int tileSize, float time, bool powered)
{
    auto& sprites = textureCaches().controlSprites;
    const SpriteKey key = spriteKeyOf(tile, tileSize, time, powered);
    if (const auto found = sprites.find(key); found != sprites.end()) return found->second;
    SDL_Texture* texture = createOpaqueTargetTexture(renderer, tileSize, tileSize);
    if (texture == nullptr) return nullptr;
    {
        const RenderTargetScope target(renderer, texture);
        if (!target.isOpen()) {
            SDL_DestroyTexture(texture);
            return nullptr;
        }
        // No clear first: the painter covers the square with the tile's background.
        drawControlSprite(renderer, tile, 0, 0, 0, 0, tileSize, time, powered);
    }
    // The picture replaces what lies under the tile, alpha included.
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    sprites.emplace(key, texture);
    return texture;
}

}  // namespace

void drawControl(SDL_Renderer* renderer, const Tile& tile, int tx, int ty, int scrollX, int scrollY, int tileSize,
                 float time, bool powered)
{
    const SDL_Rect square{tx * tileSize - scrollX, ty * tileSize - scrollY, tileSize, tileSize};
    const auto paint = [&] { drawControlSprite(renderer, tile, tx, ty, scrollX, scrollY, tileSize, time, powered); };
    if (isAlwaysPainted(tile.type)) return paint();
    useCacheRenderer(renderer);
    if (tile.type != BELT && copyFromSheet(renderer, tile, square, time, powered)) return;
    if (!textureCaches().controlCacheHasTargets) return paint();
    SDL_Texture* cached = cachedSprite(renderer, tile, tileSize, time, powered);
    if (cached == nullptr) return paint();
    SDL_RenderCopy(renderer, cached, nullptr, &square);
}

void loadControlSpriteIndex()
{
    std::ifstream in(controlSheetPath(CONTROL_INDEX_FILE));
    readControlSpriteIndex(in, textureCaches().controlSpriteIndex);
}

SDL_Texture* loadControlSheetTexture(SDL_Renderer* renderer, const std::string& file)
{
    useAtlasRenderer(renderer);
    TextureCaches& c = textureCaches();
    // Every cell is opaque where the painter covered it: the sheet's picture
    // replaces the square as the painter's would, alpha included.
    return loadSheetTexture(renderer, file, c.controlSheets, c.controlSheetRetries, SDL_BLENDMODE_NONE);
}
