#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/asset_files.h"
#include "render/scaled_sprite.h"
#include "support/software_canvas.h"

namespace {

constexpr Rgba BACKGROUND{30, 60, 90, 255};

// A committed sprite, loaded as the game loads it.
SDL_Texture* assetSprite(SDL_Renderer* renderer, const char* file)
{
    const std::string path = std::string(GEARHAVEN_SOURCE_DIR) + "/" + ASSET_FOLDER + file;
    SDL_Texture* sprite = IMG_LoadTexture(renderer, path.c_str());
    if (sprite == nullptr) return nullptr;
    SDL_SetTextureBlendMode(sprite, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(sprite, SDL_ScaleModeNearest);
    return sprite;
}

std::vector<Rgba> copiedAt(const char* file, bool scaledFirst, const SDL_Rect& target, double angle)
{
    SoftwareCanvas canvas(48, 48, BACKGROUND);
    SDL_Texture* sprite = assetSprite(canvas.renderer(), file);
    if (sprite == nullptr) {
        ADD_FAILURE() << file << " not loaded";
        return {};
    }
    SDL_Texture* drawn = scaledFirst ? scaledSprite(canvas.renderer(), sprite, target.w, target.h) : sprite;
    EXPECT_EQ(scaledFirst, drawn != sprite);
    SDL_RenderCopyEx(canvas.renderer(), drawn, nullptr, &target, angle, nullptr, SDL_FLIP_NONE);
    std::vector<Rgba> picture = canvas.pixels();
    forgetScaledCopies(sprite);
    SDL_DestroyTexture(sprite);
    return picture;
}

}  // namespace

// The game's sprites are opaque or clear, pixel by pixel, so a scaled copy
// blends over the map exactly as the sprite scaled at each copy would.
TEST(ScaledSprite, GameSpritesCopyTheSameAsScaledAtEachCopy)
{
    const struct {
        SDL_Rect target;
        double angle;
    } cases[] = {
        {{4, 4, 24, 24}, 0.0},   // a cargo item at the smallest zoom
        {{0, 0, 40, 40}, 0.0},   // ... and at a middle one
        {{3, 7, 38, 13}, 0.0},   // an arm shaft: neither side a divisor of the sprite's
        {{5, 5, 30, 21}, 37.0},  // turned, as an arm's parts are
        {{-6, 30, 32, 32}, 90.0},
    };
    std::vector<const char*> files(CARGO_SPRITE_FILES.begin(), CARGO_SPRITE_FILES.end());
    files.insert(files.end(), ARM_SPRITE_FILES.begin(), ARM_SPRITE_FILES.end());
    for (const char* file : files) {
        for (const auto& c : cases)
            EXPECT_EQ(copiedAt(file, true, c.target, c.angle), copiedAt(file, false, c.target, c.angle))
                << file << " at " << c.target << " turned " << c.angle;
    }
}

TEST(ScaledSprite, KeepsOneCopyPerSizeUntilTheSpriteIsForgotten)
{
    SoftwareCanvas canvas(8, 8);
    SDL_Texture* sprite = assetSprite(canvas.renderer(), CARGO_SPRITE_FILES[0]);
    ASSERT_NE(sprite, nullptr);
    SDL_Texture* small = scaledSprite(canvas.renderer(), sprite, 24, 24);
    EXPECT_EQ(scaledSprite(canvas.renderer(), sprite, 24, 24), small);
    EXPECT_NE(scaledSprite(canvas.renderer(), sprite, 32, 32), small);
    EXPECT_EQ(scaledSprite(canvas.renderer(), sprite, 0, 24), sprite);  // nothing to scale to
    EXPECT_EQ(textureCaches().scaledSprites.size(), 2u);
    forgetScaledCopies(sprite);
    EXPECT_TRUE(textureCaches().scaledSprites.empty());
    SDL_DestroyTexture(sprite);
}
