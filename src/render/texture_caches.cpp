#include "render/texture_caches.h"

#include <SDL_image.h>

#include "render/asset_files.h"

namespace {

template <typename Key> void destroyAll(std::map<Key, SDL_Texture*>& textures)
{
    for (auto& [key, texture] : textures)
        SDL_DestroyTexture(texture);
    textures.clear();
}

}  // namespace

TextureCaches& textureCaches()
{
    static TextureCaches caches;
    return caches;
}

void clearGlyphCache()
{
    TextureCaches& c = textureCaches();
    destroyAll(c.glyphs);
    c.glyphRenderer = nullptr;
}

void clearControlSpriteCache()
{
    TextureCaches& c = textureCaches();
    destroyAll(c.controlSprites);
    c.controlCacheRenderer = nullptr;
    c.controlCacheHasTargets = false;
}

void clearControlAtlas()
{
    TextureCaches& c = textureCaches();
    destroyAll(c.controlSheets);
    c.controlSheetRetries.clear();
    c.controlSpriteIndex.clear();
    c.atlasRenderer = nullptr;
}

void clearBridgeAtlas()
{
    TextureCaches& c = textureCaches();
    destroyAll(c.bridgeSprites);
    c.bridgeCacheRenderer = nullptr;
    c.bridgeCacheHasTargets = false;
    clearBridgeSheets();
}

void clearBridgeSheets()
{
    TextureCaches& c = textureCaches();
    destroyAll(c.bridgeSheets);
    c.bridgeSheetRetries.clear();
    c.bridgeSpriteIndex.clear();
    c.bridgeIndexRenderer = nullptr;
}

void clearWaterPipeTextures()
{
    TextureCaches& c = textureCaches();
    for (SDL_Texture*& texture : c.waterPipes) {
        if (texture != nullptr) SDL_DestroyTexture(texture);
        texture = nullptr;
    }
    c.waterPipeRenderer = nullptr;
}

void clearScaledSprites()
{
    TextureCaches& c = textureCaches();
    destroyAll(c.scaledSprites);
    c.scaledSpriteRenderer = nullptr;
}

void clearAllTextureCaches()
{
    clearGlyphCache();
    clearBridgeAtlas();
    clearControlSpriteCache();
    // The loaded control sheets would go with the renderer; emptying them keeps
    // the process-wide cache from pointing at freed textures.
    clearControlAtlas();
    clearWaterPipeTextures();
    clearScaledSprites();
}

SDL_Texture* loadSheetTexture(SDL_Renderer* renderer, const std::string& file,
                              std::map<std::string, SDL_Texture*>& sheets, std::map<std::string, Uint64>& retries,
                              SDL_BlendMode blend)
{
    constexpr Uint64 RETRY_MS = 1000;
    if (const auto loaded = sheets.find(file); loaded != sheets.end()) return loaded->second;
    const Uint64 now = SDL_GetTicks64();
    if (const auto failed = retries.find(file); failed != retries.end() && now < failed->second) return nullptr;
    SDL_Texture* texture = IMG_LoadTexture(renderer, controlSheetPath(file).c_str());
    if (texture == nullptr) {
        retries[file] = now + RETRY_MS;
        return nullptr;
    }
    retries.erase(file);
    SDL_SetTextureBlendMode(texture, blend);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    sheets[file] = texture;
    return texture;
}
