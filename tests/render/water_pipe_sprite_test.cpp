#include <gtest/gtest.h>

#include <cmath>

#include "render/scratch_assets.h"
#include "render/texture_caches.h"
#include "render/water_pipe_sprite.h"
#include "support/software_canvas.h"

namespace {

constexpr Rgba DOT{174, 229, 255};
constexpr Rgba FLANGE_EDGE{205, 225, 236};
constexpr std::pair<int, int> HIDDEN{-1, -1};

struct PipeCanvas : SoftwareCanvas {
    PipeCanvas() : SoftwareCanvas(32, 32) {}

    PipeCanvas& draw(int mask, int in = 0, int out = 0, float time = 0.0f, int step = 0)
    {
        clear({0, 0, 0, 255});
        drawWaterPipe(renderer(), 0, 0, 32, 32, mask, in, out, time, step);
        return *this;
    }
    // The design pixel the flow dot is centred on, or (-1, -1) when it is hidden.
    std::pair<int, int> dotCentre()
    {
        const SDL_Rect dot = markedBounds(DOT);
        if (dot.w == 0) return HIDDEN;
        return {dot.x + dot.w / 2, dot.y + dot.h / 2};
    }
    SDL_Rect markedBounds(Rgba colour)
    {
        int left = 32, top = 32, right = -1, bottom = -1;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (pixel(x, y) != colour) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
        return right < 0 ? SDL_Rect{0, 0, 0, 0} : SDL_Rect{left, top, right - left + 1, bottom - top + 1};
    }
};

}  // namespace

TEST(WaterPipeSprite, TheUnconnectedShapeIsADiscOfRadiusNineWithItsLeftHalfLit)
{
    SDL_Texture* texture = nullptr;
    SoftwareCanvas canvas(32, 32);
    texture = exportWaterPipePng(canvas.renderer(), 0, "");
    ASSERT_NE(texture, nullptr);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_RenderCopy(canvas.renderer(), texture, nullptr, nullptr);
    SDL_DestroyTexture(texture);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const float d = std::hypot(x + 0.5f - 16, y + 0.5f - 16);
            const Rgba p = canvas.pixel(x, y);
            ASSERT_EQ(p.a == 255, d <= 9) << x << ", " << y;
        }
    }
    // Water in the middle, lighter on the left; the metal wall likewise.
    EXPECT_EQ(canvas.pixel(15, 16), (Rgba{30, 185, 250}));
    EXPECT_EQ(canvas.pixel(16, 16), (Rgba{9, 117, 231}));
    EXPECT_EQ(canvas.pixel(10, 16), (Rgba{198, 224, 238}));
    EXPECT_EQ(canvas.pixel(21, 16), (Rgba{103, 139, 162}));
}

TEST(WaterPipeSprite, APipeShowsOneCouplingOnEachAxisItConnectsOn)
{
    PipeCanvas canvas;
    struct Case {
        int mask;
        bool top, bottom, left, right;
    };
    const Case cases[] = {
        {PIPE_NORTH | PIPE_SOUTH, true, false, false, false},
        {PIPE_SOUTH, false, true, false, false},
        {PIPE_EAST | PIPE_WEST, false, false, true, false},
        {PIPE_EAST, false, false, false, true},
        {15, true, false, true, false},
        {0, false, false, false, false},
    };
    for (const Case& c : cases) {
        canvas.draw(c.mask);
        // The light edge of a lying coupling runs along its top, of an upright one down its left.
        EXPECT_EQ(canvas.pixel(10, 1) == FLANGE_EDGE, c.top) << c.mask;
        EXPECT_EQ(canvas.pixel(10, 27) == FLANGE_EDGE, c.bottom) << c.mask;
        EXPECT_EQ(canvas.pixel(1, 10) == FLANGE_EDGE, c.left) << c.mask;
        EXPECT_EQ(canvas.pixel(27, 10) == FLANGE_EDGE, c.right) << c.mask;
    }
}

TEST(WaterPipeSprite, TheFlowDotEntersToTheCentreThenLeavesAndRestsHalfACycle)
{
    PipeCanvas canvas;
    const int run = PIPE_NORTH | PIPE_SOUTH;
    const auto dotAt = [&](float time, int step = 0) {
        return canvas.draw(run, PIPE_SOUTH, PIPE_NORTH, time, step).dotCentre();
    };
    // Water flows north, toward the pipe's one coupling at its north end.
    EXPECT_EQ(dotAt(0.0f), std::pair(16, 31)) << "at the in edge, cut to the tile";
    EXPECT_EQ(dotAt(1.0f / 6), std::pair(16, 24));
    EXPECT_EQ(dotAt(1.0f / 3), std::pair(16, 16));
    EXPECT_EQ(dotAt(0.5f), std::pair(16, 8));
    EXPECT_EQ(dotAt(0.7f), HIDDEN) << "hidden for the second half of the cycle";
    EXPECT_EQ(dotAt(1.3f), HIDDEN);
    EXPECT_EQ(dotAt(2.0f / 3, 1), dotAt(0.0f)) << "one flow step later by half a cycle";
    EXPECT_EQ(dotAt(0.0f, -1), HIDDEN);
    EXPECT_EQ(canvas.draw(run, 0, 0, 0.1f).dotCentre(), HIDDEN) << "no water, no dot";

    // Through a corner from north to east the dot follows the bend.
    EXPECT_EQ(canvas.draw(PIPE_NORTH | PIPE_EAST, PIPE_NORTH, PIPE_EAST, 1.0f / 3).dotCentre(), std::pair(19, 13));
    // A tee fed from the north sends a dot out of each other end.
    canvas.draw(PIPE_NORTH | PIPE_EAST | PIPE_WEST, PIPE_NORTH, PIPE_EAST | PIPE_WEST, 0.5f);
    EXPECT_EQ(canvas.pixel(8, 16), DOT);
    EXPECT_EQ(canvas.pixel(24, 16), DOT);
}

TEST(WaterPipeSprite, ShapesComeFromTheirPngsAndAreKeptPerRenderer)
{
    ScratchAssets assets;
    SoftwareCanvas marked(32, 32, {255, 0, 255, 255});
    ASSERT_TRUE(marked.savePng((assets.controls() / "water_pipe_6.png").string()));
    PipeCanvas first;
    EXPECT_EQ(first.draw(6).pixel(16, 16), (Rgba{255, 0, 255}));
    EXPECT_NE(first.draw(9).pixel(16, 16), (Rgba{255, 0, 255})) << "painted without its PNG";
    EXPECT_EQ(textureCaches().waterPipeRenderer, first.renderer());
    const std::vector<Rgba> picture = first.draw(9).pixels();
    PipeCanvas second;
    EXPECT_EQ(second.draw(9).pixels(), picture);
    EXPECT_EQ(textureCaches().waterPipeRenderer, second.renderer());
    EXPECT_EQ(textureCaches().waterPipes[6], nullptr) << "the first renderer's shapes are gone";
}
