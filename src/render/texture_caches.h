#pragma once

#include <SDL.h>

#include <map>
#include <string>

#include "render/bridge_sprite_key.h"
#include "render/sprite_key.h"

// The textures the rendering layer makes or loads, kept for the whole run. Each
// group belongs to the renderer it was filled for: a draw that meets another
// renderer empties the group first, and shutdown empties them before the renderer
// goes. Groups are emptied whole, never texture by texture. Only the rendering
// thread touches them.
struct TextureCaches {
    // Bitmap font glyphs, white with the pattern in alpha.
    std::map<unsigned char, SDL_Texture*> glyphs;
    SDL_Renderer* glyphRenderer = nullptr;

    // Pre-rendered control sheets and the index of what they hold.
    std::map<SpriteKey, SpriteRef> controlSpriteIndex;
    std::map<std::string, SDL_Texture*> controlSheets;
    SDL_Renderer* atlasRenderer = nullptr;

    // Control pictures painted once into textures.
    std::map<SpriteKey, SDL_Texture*> controlSprites;
    SDL_Renderer* controlCacheRenderer = nullptr;
    bool controlCacheHasTargets = false;

    // The bridge sheet and its index.
    std::map<BridgeSpriteKey, BridgeSpriteRef> bridgeSpriteIndex;
    std::map<std::string, SDL_Texture*> bridgeSheets;
    SDL_Renderer* bridgeIndexRenderer = nullptr;

    // Bridge parts painted once into textures.
    std::map<BridgeCacheKey, SDL_Texture*> bridgeSprites;
    SDL_Renderer* bridgeCacheRenderer = nullptr;
    bool bridgeCacheHasTargets = false;
};

// The run's one set of caches: the renderer owns the textures, so they are
// process-wide like the renderer itself.
TextureCaches& textureCaches();

void clearGlyphCache();
void clearControlSpriteCache();
void clearControlAtlas();
// Empties the bridge sprite cache, then the bridge sheets and their index.
void clearBridgeAtlas();
