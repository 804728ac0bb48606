#pragma once

#include <SDL.h>

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "render/bridge_sprite_key.h"
#include "render/sprite_key.h"

struct TextRecorder;

// The textures the rendering layer makes or loads, kept for the whole run. Each
// group belongs to the renderer it was filled for: a draw that meets another
// renderer empties the group first, and shutdown empties them before the renderer
// goes. Groups are emptied whole, never texture by texture. Only the rendering
// thread touches them.
struct TextureCaches {
    // Bitmap font glyphs, white with the pattern in alpha.
    std::map<unsigned char, SDL_Texture*> glyphs;
    SDL_Renderer* glyphRenderer = nullptr;
    // Tests only: drawn texts are noted here while set. It lives with the glyphs as
    // every text passes through them, so no panel's signature has to carry it.
    TextRecorder* textRecorder = nullptr;

    // Pre-rendered control sheets and the index of what they hold.
    std::map<SpriteKey, SpriteRef> controlSpriteIndex;
    std::map<std::string, SDL_Texture*> controlSheets;
    std::map<std::string, Uint64> controlSheetRetries;  // failed sheets: when to try again
    SDL_Renderer* atlasRenderer = nullptr;

    // Control pictures painted once into textures.
    std::map<SpriteKey, SDL_Texture*> controlSprites;
    SDL_Renderer* controlCacheRenderer = nullptr;
    bool controlCacheHasTargets = false;

    // The bridge sheet and its index.
    std::map<BridgeSpriteKey, BridgeSpriteRef> bridgeSpriteIndex;
    std::map<std::string, SDL_Texture*> bridgeSheets;
    std::map<std::string, Uint64> bridgeSheetRetries;
    SDL_Renderer* bridgeIndexRenderer = nullptr;

    // Bridge parts painted once into textures.
    std::map<BridgeCacheKey, SDL_Texture*> bridgeSprites;
    SDL_Renderer* bridgeCacheRenderer = nullptr;
    bool bridgeCacheHasTargets = false;

    // The water pipe's variants by connection mask, loaded or painted.
    std::array<SDL_Texture*, 16> waterPipes{};
    SDL_Renderer* waterPipeRenderer = nullptr;
    // Loaded sprites scaled to the sizes they are copied at, by sprite, width and height.
    std::map<std::tuple<const SDL_Texture*, int, int>, SDL_Texture*> scaledSprites;
    SDL_Renderer* scaledSpriteRenderer = nullptr;

    // The tool buttons' plates with their icons, by tool and language.
    std::map<std::pair<int, int>, SDL_Texture*> toolPlates;
    SDL_Renderer* toolPlateRenderer = nullptr;
};

// The run's one set of caches: the renderer owns the textures, so they are
// process-wide like the renderer itself.
TextureCaches& textureCaches();

void clearGlyphCache();
void clearControlSpriteCache();
void clearControlAtlas();
// Empties the bridge sprite cache, then the bridge sheets and their index.
void clearBridgeAtlas();
// Destroys the bridge sheets alone and empties their index.
void clearBridgeSheets();
void clearWaterPipeTextures();
void clearScaledSprites();
void clearToolPlates();
// Every cache above emptied, as before the renderer they were made for goes.
void clearAllTextureCaches();

// The texture of a sheet in the control sheet folder, from `sheets` or loaded
// into it on first use with nearest-pixel scaling and the blend mode given. A
// sheet that fails to load is tried again at most once a second, so a missing
// file costs no disk access per tile drawn. Null while it cannot be loaded.
SDL_Texture* loadSheetTexture(SDL_Renderer* renderer, const std::string& file,
                              std::map<std::string, SDL_Texture*>& sheets, std::map<std::string, Uint64>& retries,
                              SDL_BlendMode blend);
