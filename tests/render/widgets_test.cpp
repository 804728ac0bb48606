#include <gtest/gtest.h>

#include "render/widgets.h"
#include "support/software_canvas.h"

namespace {

Rgba drawColor(SDL_Renderer* renderer)
{
    Rgba c;
    SDL_GetRenderDrawColor(renderer, &c.r, &c.g, &c.b, &c.a);
    return c;
}

// Lengths of the runs of one colour down a column, from row `top` on.
int runDown(SoftwareCanvas& canvas, int x, int top, Rgba colour)
{
    int length = 0;
    while (top + length < canvas.height() && canvas.pixel(x, top + length) == colour)
        ++length;
    return length;
}

}  // namespace

TEST(ButtonFrame, StatesFillAndOutlineAndLeaveTheOutlineColour)
{
    SoftwareCanvas canvas(40, 20);
    SDL_Renderer* r = canvas.renderer();
    Rgba fills[4];
    Rgba outlines[4];
    const int states[4] = {0, BUTTON_ACTIVE, BUTTON_WARNING, 7};
    for (int i = 0; i < 4; ++i) {
        drawButtonFrame(r, 5, 4, 20, 10, states[i]);
        fills[i] = canvas.pixel(15, 9);
        outlines[i] = canvas.pixel(5, 4);
        EXPECT_EQ(canvas.pixel(24, 13), outlines[i]);
        EXPECT_NE(fills[i], outlines[i]);
        EXPECT_EQ(drawColor(r), outlines[i]);
        EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{5, 4, 20, 10}));
    }
    EXPECT_EQ(fills[1], (Rgba{53, 89, 70, 255}));
    EXPECT_EQ(outlines[2], (Rgba{220, 85, 85, 255}));
    EXPECT_EQ(fills[0], fills[3]);
    EXPECT_NE(fills[0], fills[1]);
    EXPECT_NE(fills[1], fills[2]);
}

TEST(DirectionArrow, TriangleOutlinePointsTheWayOfTheDirection)
{
    SoftwareCanvas canvas(32, 32);
    const Rgba white{255, 255, 255, 255};
    drawDirectionArrow(canvas.renderer(), 0, 0, 32, 32, EAST);
    EXPECT_EQ(canvas.pixel(24, 16), white);
    EXPECT_EQ(canvas.pixel(11, 10), white);
    EXPECT_EQ(canvas.pixel(11, 21), white);
    EXPECT_EQ(canvas.pixel(16, 16), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{11, 10, 14, 12}));

    canvas.clear({0, 0, 0, 255});
    drawDirectionArrow(canvas.renderer(), 0, 0, 32, 32, NORTH);
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{10, 7, 12, 14}));

    for (Direction nothing : {NONE, 7, -1}) {
        canvas.clear({0, 0, 0, 255});
        drawDirectionArrow(canvas.renderer(), 0, 0, 32, 32, nothing);
        EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{0, 0, 0, 0})) << nothing;
    }
}

TEST(DirectionArrow, EdgesRunFromTheTipToEachBarbThenAcrossAtEverySize)
{
    int differing = 0;
    for (int size = 24; size <= 64; ++size) {
        for (Direction dir = NORTH; dir <= WEST; ++dir) {
            SoftwareCanvas drawn(size, size), byEdges(size, size);
            SDL_SetRenderDrawColor(drawn.renderer(), 255, 255, 255, 255);
            drawDirectionArrow(drawn.renderer(), 0, 0, size, size, dir);
            const DirectionVector d = directionVector(dir);
            const float c = size * 0.5f, l = size * 0.28f, ux = d.dx * l, uy = d.dy * l;
            const float bx = c - ux * 0.5f, by = c - uy * 0.5f;
            const SDL_Point tip{static_cast<int>(c + ux), static_cast<int>(c + uy)};
            const SDL_Point p{static_cast<int>(bx - uy * 0.6f), static_cast<int>(by + ux * 0.6f)};
            const SDL_Point q{static_cast<int>(bx + uy * 0.6f), static_cast<int>(by - ux * 0.6f)};
            SDL_Renderer* r = byEdges.renderer();
            SDL_SetRenderDrawColor(r, 255, 255, 255, 255);
            SDL_RenderDrawLine(r, tip.x, tip.y, p.x, p.y);
            SDL_RenderDrawLine(r, tip.x, tip.y, q.x, q.y);
            SDL_RenderDrawLine(r, p.x, p.y, q.x, q.y);
            differing += drawn.pixels() != byEdges.pixels() ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0) << "of 164 sizes and directions";
}

TEST(ToggleButtonColor, EmphasisAndSupplyBrightenTheRed)
{
    EXPECT_EQ(toggleButtonColor(true, true), packColor(242, 66, 66));
    EXPECT_EQ(toggleButtonColor(false, false), packColor(77, 39, 39));
    EXPECT_GT(toggleButtonColor(true, false) & 0xFF, toggleButtonColor(false, false) & 0xFF);
    EXPECT_GT(toggleButtonColor(false, true) & 0xFF, toggleButtonColor(true, false) & 0xFF);
}

TEST(LanguageIcon, FlagBandsFollowTheIconHeight)
{
    const Rgba white{246, 247, 249, 255};
    const Rgba red{207, 37, 53, 255};
    const Rgba blue{26, 45, 100, 255};
    struct Case {
        int w, h, band, stripe;
    };
    // The white cross bands and the red centre stripes, at the button's and the pop-up's size.
    for (const Case& c : {Case{26, 16, 5, 2}, Case{36, 22, 8, 4}}) {
        SoftwareCanvas canvas(60, 40);
        const SDL_Rect rect{10, 8, c.w, c.h};
        drawLanguageIcon(canvas.renderer(), ENGLISH, rect);
        // Down the left edge the diagonals stay clear of the centre row's band.
        const int column = rect.x;
        int top = rect.y + c.h / 2;
        while (canvas.pixel(column, top - 1) != blue)
            --top;
        const int upperWhite = runDown(canvas, column, top, white);
        const int redRun = runDown(canvas, column, top + upperWhite, red);
        const int lowerWhite = runDown(canvas, column, top + upperWhite + redRun, white);
        EXPECT_EQ(top - rect.y, (c.h - c.band) / 2) << c.h;
        EXPECT_EQ(redRun, c.stripe) << c.h;
        EXPECT_EQ(upperWhite + redRun + lowerWhite, c.band) << c.h;
        EXPECT_EQ(canvas.pixel(column, top + c.band), blue) << c.h;
        // The diagonals run from corner to corner in red.
        EXPECT_EQ(canvas.pixel(rect.x, rect.y), red);
        EXPECT_EQ(canvas.pixel(rect.x + c.w - 1, rect.y + c.h - 1), red);
        EXPECT_EQ(canvas.pixel(rect.x + c.w - 1, rect.y), red);
    }

    SoftwareCanvas canvas(60, 40);
    const SDL_Rect rect{10, 8, 26, 16};
    drawLanguageIcon(canvas.renderer(), GERMAN, rect);
    const Rgba bandRed{222, 35, 55, 255};
    const Rgba bandWhite{247, 247, 242, 255};
    const int column = rect.x + 5;
    EXPECT_EQ(canvas.pixel(column, rect.y), (Rgba{255, 105, 117, 255}));             // highlight line
    EXPECT_EQ(canvas.pixel(column, rect.y + rect.h - 1), (Rgba{168, 29, 47, 255}));  // shade line
    EXPECT_EQ(runDown(canvas, column, rect.y + 1, bandRed), 4);                      // 5 with the highlight
    EXPECT_EQ(runDown(canvas, column, rect.y + 5, bandWhite), 6);                    //
    EXPECT_EQ(runDown(canvas, column, rect.y + 11, bandRed), 4);                     // 5 with the shade
    // Plate and bevel: a light edge above the top-left, the dark plate around it.
    EXPECT_EQ(canvas.pixel(rect.x + 3, rect.y - 1), (Rgba{232, 239, 239, 255}));
    EXPECT_EQ(canvas.pixel(rect.x + 3, rect.y - 2), (Rgba{31, 42, 52, 255}));
}

TEST(LanguageIcon, LeavesTheCallersClipAloneAndSurvivesAnEmptyRect)
{
    SoftwareCanvas canvas(60, 40);
    const SDL_Rect clip{0, 0, 20, 40};
    SDL_RenderSetClipRect(canvas.renderer(), &clip);
    drawLanguageIcon(canvas.renderer(), ENGLISH, {10, 8, 26, 16});
    SDL_Rect after;
    SDL_RenderGetClipRect(canvas.renderer(), &after);
    EXPECT_EQ(after, clip);
    EXPECT_LE(canvas.paintedBounds().x + canvas.paintedBounds().w, 20);

    SDL_RenderSetClipRect(canvas.renderer(), nullptr);
    drawLanguageIcon(canvas.renderer(), ENGLISH, {40, 10, 0, 0});
    drawLanguageIcon(canvas.renderer(), ENGLISH, {40, 30, 1, 1});
}
