#include "render/texture_caches.h"

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
    c.controlSpriteIndex.clear();
    c.atlasRenderer = nullptr;
}

void clearBridgeAtlas()
{
    TextureCaches& c = textureCaches();
    destroyAll(c.bridgeSprites);
    c.bridgeCacheRenderer = nullptr;
    c.bridgeCacheHasTargets = false;
    destroyAll(c.bridgeSheets);
    c.bridgeSpriteIndex.clear();
    c.bridgeIndexRenderer = nullptr;
}
