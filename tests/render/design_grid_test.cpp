#include <gtest/gtest.h>

#include "render/design_grid.h"
#include "support/software_canvas.h"

namespace {

enum class Member { Scaled, Span, Rgb, RgbExact, RotatedRgb, RotatedPair };

constexpr Rgba PAINT{200, 100, 50, 255};

// What one member paints for one design rectangle on a target at the canvas
// origin: the bounds of the painted pixels, {0, 0, 0, 0} for nothing.
SDL_Rect painted(SoftwareCanvas& canvas, Member member, SDL_Rect target, DesignRect d, Direction facing = NONE)
{
    canvas.clear({0, 0, 0, 255});
    SDL_Renderer* r = canvas.renderer();
    const PackedColor packed = packColor(PAINT.r, PAINT.g, PAINT.b);
    switch (member) {
    case Member::Scaled:
        FillDesignRect{r, target}(d.x, d.y, d.w, d.h, packed);
        break;
    case Member::Span:
        FillDesignRectSpan{r, target}(d.x, d.y, d.w, d.h, packed);
        break;
    case Member::Rgb:
        FillDesignRectRgb{r, target}(d.x, d.y, d.w, d.h, PAINT.r, PAINT.g, PAINT.b);
        break;
    case Member::RgbExact:
        FillDesignRectRgbExact{r, target}(d.x, d.y, d.w, d.h, PAINT.r, PAINT.g, PAINT.b);
        break;
    case Member::RotatedRgb:
        FillDesignRectRotatedRgb{r, target, facing}(d.x, d.y, d.w, d.h, PAINT.r, PAINT.g, PAINT.b);
        break;
    case Member::RotatedPair:
        FillDesignRectRotated{r, target, facing}(d.x, d.y, d.w, d.h, packed);
        break;
    }
    return canvas.paintedBounds();
}

SDL_Rect square(int size) { return {0, 0, size, size}; }

struct Row {
    Member member;
    SDL_Rect target;
    DesignRect design;
    Direction facing;
    SDL_Rect pixels;
};

}  // namespace

TEST(DesignGrid, MembersMapDesignUnitsToPixelsByTheirOwnRounding)
{
    SoftwareCanvas canvas(128, 128);
    const SDL_Rect nothing{0, 0, 0, 0};
    const Row rows[] = {
        {Member::Scaled, square(24), {3, 5, 26, 24}, NONE, {2, 3, 19, 18}},
        {Member::Scaled, square(24), {1, 0, 3, 1}, NONE, {0, 0, 2, 1}},
        {Member::Span, square(24), {1, 0, 3, 1}, NONE, {0, 0, 3, 1}},
        {Member::Rgb, square(24), {1, 0, 3, 1}, NONE, {0, 0, 3, 1}},
        {Member::RgbExact, square(24), {1, 0, 3, 2}, NONE, {0, 0, 3, 1}},
        // A 1-unit rectangle at 24 pixels: one pixel, except where the exact
        // members let it vanish.
        {Member::Scaled, square(24), {0, 0, 1, 1}, NONE, {0, 0, 1, 1}},
        {Member::Span, square(24), {0, 0, 1, 1}, NONE, {0, 0, 1, 1}},
        {Member::Rgb, square(24), {0, 0, 1, 1}, NONE, {0, 0, 1, 1}},
        {Member::RotatedRgb, square(24), {0, 0, 1, 1}, SOUTH, {0, 0, 1, 1}},
        {Member::RgbExact, square(24), {0, 0, 1, 1}, NONE, nothing},
        {Member::RgbExact, square(24), {1, 1, 1, 1}, NONE, {0, 0, 1, 1}},
        {Member::RotatedPair, {0, 0, 24, 48}, {0, 0, 1, 1}, EAST, nothing},
        // fillDesignRect scales the size, the span members the edges.
        {Member::Scaled, square(40), {1, 1, 3, 3}, NONE, {1, 1, 3, 3}},
        {Member::Span, square(40), {1, 1, 3, 3}, NONE, {1, 1, 4, 4}},
        {Member::Scaled, square(56), {3, 0, 5, 1}, NONE, {5, 0, 8, 1}},
        {Member::Span, square(56), {3, 0, 5, 1}, NONE, {5, 0, 9, 1}},
        // The target's corner offsets every member.
        {Member::Scaled, {10, 20, 64, 64}, {2, 3, 4, 5}, NONE, {14, 26, 8, 10}},
        {Member::RotatedRgb, {10, 20, 64, 64}, {2, 3, 4, 5}, EAST, {16, 72, 10, 8}},
        // The south-facing design turned: a bar along the top edge.
        {Member::RotatedRgb, square(32), {0, 0, 4, 2}, SOUTH, {0, 0, 4, 2}},
        {Member::RotatedRgb, square(32), {0, 0, 4, 2}, NONE, {0, 0, 4, 2}},
        {Member::RotatedRgb, square(32), {0, 0, 4, 2}, 9, {0, 0, 4, 2}},
        {Member::RotatedRgb, square(32), {0, 0, 4, 2}, NORTH, {28, 30, 4, 2}},
        {Member::RotatedRgb, square(32), {0, 0, 4, 2}, EAST, {0, 28, 2, 4}},
        {Member::RotatedRgb, square(32), {0, 0, 4, 2}, WEST, {30, 0, 2, 4}},
        // The east-facing two-tile design turned: its top-left unit.
        {Member::RotatedPair, {0, 0, 32, 64}, {0, 0, 1, 1}, EAST, {0, 0, 1, 1}},
        {Member::RotatedPair, {0, 0, 64, 32}, {0, 0, 1, 1}, SOUTH, {63, 0, 1, 1}},
        {Member::RotatedPair, {0, 0, 32, 64}, {0, 0, 1, 1}, WEST, {31, 63, 1, 1}},
        {Member::RotatedPair, {0, 0, 64, 32}, {0, 0, 1, 1}, NORTH, {0, 31, 1, 1}},
        {Member::RotatedPair, {0, 0, 48, 96}, {2, 60, 4, 4}, NONE, {3, 90, 6, 6}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "member " << int(row.member) << " target " << row.target << " design (" << row.design.x << ", "
                     << row.design.y << ", " << row.design.w << ", " << row.design.h << ") facing " << row.facing);
        EXPECT_EQ(painted(canvas, row.member, row.target, row.design, row.facing), row.pixels);
    }
}

TEST(DesignGrid, AtEveryZoomTheSpanRuleTilesTheSquareAndTurnsQuadrantsIntoPlace)
{
    SoftwareCanvas canvas(128, 128);
    const Member unrotated[] = {Member::Scaled, Member::Span, Member::Rgb, Member::RgbExact};
    for (Member m : unrotated)
        EXPECT_EQ(painted(canvas, m, square(32), {5, 7, 11, 3}), (SDL_Rect{5, 7, 11, 3}));

    for (int size = 24; size <= 64; ++size) {
        SCOPED_TRACE(size);
        // Neighbouring one-unit columns meet without gap or overlap.
        int covered = 0;
        for (int x = 0; x < DESIGN_UNITS; ++x) {
            const SDL_Rect column = spannedDesignRect(square(size), {x, 0, 1, 32}, false);
            EXPECT_EQ(column.x, covered);
            covered += column.w;
        }
        EXPECT_EQ(covered, size);

        // The top-left quadrant of a south-facing design lands in the quadrant
        // the turn carries it to; direction 0 draws as south.
        const int half = size / 2;
        const DesignRect topLeft{0, 0, 16, 16};
        EXPECT_EQ(painted(canvas, Member::RotatedRgb, square(size), topLeft, NONE), (SDL_Rect{0, 0, half, half}));
        EXPECT_EQ(painted(canvas, Member::RotatedRgb, square(size), topLeft, EAST),
                  (SDL_Rect{0, half, half, size - half}));
        EXPECT_EQ(painted(canvas, Member::RotatedRgb, square(size), topLeft, WEST),
                  (SDL_Rect{half, 0, size - half, half}));
        EXPECT_EQ(painted(canvas, Member::RotatedRgb, square(size), topLeft, NORTH),
                  (SDL_Rect{half, half, size - half, size - half}));

        // The first tile of an east-facing pair design follows the pair's turn.
        const DesignRect firstTile{0, 0, 32, 32};
        EXPECT_EQ(painted(canvas, Member::RotatedPair, {0, 0, size, 2 * size}, firstTile, EAST), square(size));
        EXPECT_EQ(painted(canvas, Member::RotatedPair, {0, 0, 2 * size, size}, firstTile, SOUTH),
                  (SDL_Rect{size, 0, size, size}));
        EXPECT_EQ(painted(canvas, Member::RotatedPair, {0, 0, size, 2 * size}, firstTile, WEST),
                  (SDL_Rect{0, size, size, size}));
        EXPECT_EQ(painted(canvas, Member::RotatedPair, {0, 0, 2 * size, size}, firstTile, NORTH), square(size));
    }
}

TEST(DesignGrid, PackedColoursKeepTheirAlphaOnlyInFillDesignRectAndTheRotatedPair)
{
    SoftwareCanvas canvas(32, 32);
    SDL_Renderer* r = canvas.renderer();
    const PackedColor halfRed = packColor(255, 0, 0, 128);
    const Direction east = EAST;
    FillDesignRect{r, square(32)}(0, 0, 1, 1, halfRed);
    FillDesignRectSpan{r, square(32)}(1, 0, 1, 1, halfRed);
    FillDesignRectRotated{r, {0, 0, 32, 64}, east}(2, 0, 1, 1, halfRed);
    EXPECT_EQ(canvas.pixel(0, 0), (Rgba{255, 0, 0, 128}));
    EXPECT_EQ(canvas.pixel(1, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(canvas.pixel(2, 0), (Rgba{255, 0, 0, 128}));

    // The draw colour is left at the last call's colour.
    FillDesignRectRgb{r, square(32)}(0, 0, 1, 1, 1, 2, 3);
    Uint8 red, green, blue, alpha;
    SDL_GetRenderDrawColor(r, &red, &green, &blue, &alpha);
    EXPECT_EQ((Rgba{red, green, blue, alpha}), (Rgba{1, 2, 3, 255}));
}
