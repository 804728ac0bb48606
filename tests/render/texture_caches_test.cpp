#include <gtest/gtest.h>

#include "render/texture_caches.h"
#include "support/software_canvas.h"

namespace {

SDL_Texture* texture(SDL_Renderer* renderer)
{
    return SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA8888, SDL_TEXTUREACCESS_STATIC, 4, 4);
}

// Every group filled with one texture for the renderer, as draws would leave them.
void fillAll(SDL_Renderer* renderer)
{
    TextureCaches& c = textureCaches();
    c.glyphs[65] = texture(renderer);
    c.glyphRenderer = renderer;
    c.controlSpriteIndex[SpriteKey{2, 64}] = SpriteRef{"tile_2_64.png", 0, 0, 64, 64};
    c.controlSheets["tile_2_64.png"] = texture(renderer);
    c.atlasRenderer = renderer;
    c.controlSprites[SpriteKey{3, 32}] = texture(renderer);
    c.controlCacheRenderer = renderer;
    c.controlCacheHasTargets = true;
    c.bridgeSpriteIndex[BridgeSpriteKey{64, 2, 1, 0}] = BridgeSpriteRef{"bridge_64.png", 0, 0, 64, 78, 14};
    c.bridgeSheets["bridge_64.png"] = texture(renderer);
    c.bridgeIndexRenderer = renderer;
    c.bridgeSprites[BridgeCacheKey{32, 2, 1, 0}] = texture(renderer);
    c.bridgeCacheRenderer = renderer;
    c.bridgeCacheHasTargets = true;
}

}  // namespace

TEST(TextureCaches, EachClearEmptiesItsOwnGroupsAndForgetsTheirRenderer)
{
    SoftwareCanvas canvas(8, 8);
    SDL_Renderer* r = canvas.renderer();
    TextureCaches& c = textureCaches();
    fillAll(r);

    clearControlSpriteCache();
    EXPECT_TRUE(c.controlSprites.empty());
    EXPECT_EQ(c.controlCacheRenderer, nullptr);
    EXPECT_FALSE(c.controlCacheHasTargets);
    EXPECT_EQ(c.controlSpriteIndex.size(), 1u);
    EXPECT_EQ(c.controlSheets.size(), 1u);
    EXPECT_EQ(c.atlasRenderer, r);

    clearControlAtlas();
    EXPECT_TRUE(c.controlSpriteIndex.empty());
    EXPECT_TRUE(c.controlSheets.empty());
    EXPECT_EQ(c.atlasRenderer, nullptr);
    EXPECT_EQ(c.glyphs.size(), 1u);

    clearBridgeAtlas();
    EXPECT_TRUE(c.bridgeSprites.empty());
    EXPECT_TRUE(c.bridgeSheets.empty());
    EXPECT_TRUE(c.bridgeSpriteIndex.empty());
    EXPECT_EQ(c.bridgeCacheRenderer, nullptr);
    EXPECT_EQ(c.bridgeIndexRenderer, nullptr);
    EXPECT_FALSE(c.bridgeCacheHasTargets);

    clearGlyphCache();
    EXPECT_TRUE(c.glyphs.empty());
    EXPECT_EQ(c.glyphRenderer, nullptr);

    // Clearing empty groups only forgets their renderers again.
    clearGlyphCache();
    clearControlSpriteCache();
    clearControlAtlas();
    clearBridgeAtlas();
    EXPECT_TRUE(c.glyphs.empty());
}
