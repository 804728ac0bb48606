#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "render/arm_textures.h"
#include "render/asset_files.h"
#include "support/software_canvas.h"

namespace {

// A committed sprite, read as the game's loader reads the file.
class Sprite {
  public:
    explicit Sprite(const char* file)
    {
        const std::string path = std::string(GEARHAVEN_SOURCE_DIR) + "/" + ASSET_FOLDER + file;
        SDL_Surface* loaded = IMG_Load(path.c_str());
        if (loaded != nullptr) surface_ = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
        SDL_FreeSurface(loaded);
    }
    ~Sprite() { SDL_FreeSurface(surface_); }
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    bool loaded() const { return surface_ != nullptr; }
    int width() const { return surface_->w; }
    int height() const { return surface_->h; }
    Rgba at(int x, int y) const
    {
        const Uint8* p = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch + x * 4;
        return {p[0], p[1], p[2], p[3]};
    }

    // The box of the pixels that are not fully transparent.
    SDL_Rect opaqueBounds() const
    {
        int left = width(), top = height(), right = -1, bottom = -1;
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x) {
                if (at(x, y).a == 0) continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        return {left, top, right - left + 1, bottom - top + 1};
    }

  private:
    SDL_Surface* surface_ = nullptr;
};

// The outline, not the shading: light falls from the sprite's top edge.
bool outlineMirroredTopToBottom(const Sprite& s)
{
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.at(x, y).a != s.at(x, s.height() - 1 - y).a) return false;
        }
    }
    return true;
}

}  // namespace

TEST(AssetSprites, EachCargoFillsItsFootprintInTheMiddleOfATransparentSquare)
{
    for (CargoType cargo = 0; cargo < CARGO_TYPE_COUNT; ++cargo) {
        SCOPED_TRACE(CARGO_SPRITE_FILES[cargo]);
        const Sprite sprite(CARGO_SPRITE_FILES[cargo]);
        ASSERT_TRUE(sprite.loaded());
        const int size = sprite.width();
        ASSERT_EQ(sprite.height(), size);
        EXPECT_EQ(sprite.at(0, 0).a, 0);
        const SDL_Rect box = sprite.opaqueBounds();
        EXPECT_EQ(box.w, std::lround(CARGO_FOOTPRINT[cargo].alongX * size));
        EXPECT_EQ(box.h, std::lround(CARGO_FOOTPRINT[cargo].alongY * size));
        EXPECT_LE(std::abs(2 * box.x + box.w - size), 1);
        EXPECT_LE(std::abs(2 * box.y + box.h - size), 1);
    }
}

TEST(AssetSprites, ArmPartsHaveTheirDesignSizesAndTheGripperLooksTheSameEitherWay)
{
    for (int part = 0; part < ARM_SPRITE_COUNT; ++part) {
        SCOPED_TRACE(ARM_SPRITE_FILES[part]);
        const Sprite sprite(ARM_SPRITE_FILES[part]);
        ASSERT_TRUE(sprite.loaded());
        EXPECT_EQ(sprite.width(), ARM_PART_DESIGNS[part].w * ARM_SPRITE_SCALE);
        EXPECT_EQ(sprite.height(), ARM_PART_DESIGNS[part].h * ARM_SPRITE_SCALE);
        // Shafts and bases turn about a part of their drawing; a hand's centre
        // is the gap where the held item lies.
        const bool hand = part == ARM_HAND_OPEN || part == ARM_HAND_CLOSED;
        const ArmPartDesign& d = ARM_PART_DESIGNS[part];
        const bool drawnAtPivot = sprite.at(d.pivotX * ARM_SPRITE_SCALE, d.pivotY * ARM_SPRITE_SCALE).a != 0;
        EXPECT_NE(hand, drawnAtPivot);
    }
    const Sprite open(ARM_SPRITE_FILES[ARM_HAND_OPEN]);
    const Sprite closed(ARM_SPRITE_FILES[ARM_HAND_CLOSED]);
    EXPECT_TRUE(outlineMirroredTopToBottom(open));
    EXPECT_TRUE(outlineMirroredTopToBottom(closed));
    // Open fingers spread wider than closed ones.
    EXPECT_LT(open.opaqueBounds().y, closed.opaqueBounds().y);

    const Sprite horizontal(ARM_SPRITE_FILES[ARM_BASE_HORIZONTAL]);
    const Sprite vertical(ARM_SPRITE_FILES[ARM_BASE_VERTICAL]);
    const SDL_Rect h = horizontal.opaqueBounds(), v = vertical.opaqueBounds();
    EXPECT_GT(h.w, h.h);
    EXPECT_EQ((SDL_Rect{v.y, v.x, v.h, v.w}), h);
}

TEST(AssetSprites, TheGameLoadsTheCommittedArmSprites)
{
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(GEARHAVEN_SOURCE_DIR);
    SoftwareCanvas canvas(8, 8);
    ArmTextures textures;
    const bool loaded = loadArmTextures(canvas.renderer(), textures);
    std::filesystem::current_path(saved);
    EXPECT_TRUE(loaded);
    destroyArmTextures(textures);
}
