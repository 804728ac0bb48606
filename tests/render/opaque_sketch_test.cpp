#include <gtest/gtest.h>

#include "render/opaque_sketch.h"
#include "render/power_cables.h"
#include "support/software_canvas.h"
#include "window_canvas.h"

namespace {

enum class Piece { LINE, POINT, RECT, SPREAD_LINE };

struct Stroke {
    Piece piece;
    int x1, y1, x2, y2;  // a rectangle's corner, width and height
    PackedColor colour;
};

// Pieces of four colours over one another, many reaching past the canvas.
std::vector<Stroke> scatteredStrokes()
{
    constexpr PackedColor COLOURS[] = {packColor(200, 30, 30), packColor(30, 200, 30), packColor(30, 30, 200),
                                       packColor(240, 240, 90)};
    unsigned seed = 777;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>(seed >> 16 & 0x7FFF) % range;
    };
    std::vector<Stroke> strokes;
    for (int i = 0; i < 400; ++i) {
        const Piece piece = static_cast<Piece>(next(4));
        const int x = next(70) - 15, y = next(60) - 15;
        const bool level = next(4) == 0;
        strokes.push_back({piece, x, y, piece == Piece::RECT ? next(9) + 1 : next(70) - 15,
                           piece == Piece::RECT ? next(9) + 1
                           : level              ? y
                                                : next(60) - 15,
                           COLOURS[next(4)]});
    }
    return strokes;
}

void drawAlone(SDL_Renderer* renderer, const Stroke& s)
{
    setDrawColor(renderer, s.colour);
    const SDL_Rect rect{s.x1, s.y1, s.x2, s.y2};
    switch (s.piece) {
    case Piece::LINE:
        SDL_RenderDrawLine(renderer, s.x1, s.y1, s.x2, s.y2);
        break;
    case Piece::POINT:
        SDL_RenderDrawPoint(renderer, s.x1, s.y1);
        break;
    case Piece::RECT:
        SDL_RenderFillRect(renderer, &rect);
        break;
    case Piece::SPREAD_LINE:
        for (int oy = -1; oy <= 1; ++oy) {
            for (int ox = -1; ox <= 1; ++ox)
                SDL_RenderDrawLine(renderer, s.x1 + ox, s.y1 + oy, s.x2 + ox, s.y2 + oy);
        }
        break;
    }
}

void sketch(OpaqueSketch& sketch, const Stroke& s)
{
    sketch.setColour(s.colour);
    switch (s.piece) {
    case Piece::LINE:
        sketch.line(s.x1, s.y1, s.x2, s.y2);
        break;
    case Piece::POINT:
        sketch.point(s.x1, s.y1);
        break;
    case Piece::RECT:
        sketch.fill({s.x1, s.y1, s.x2, s.y2});
        break;
    case Piece::SPREAD_LINE:
        sketch.spreadLine(s.x1, s.y1, s.x2, s.y2, 1);
        break;
    }
}

}  // namespace

TEST(OpaqueSketch, EndsWithThePictureOfEachPieceDrawnInTurn)
{
    const std::vector<Stroke> strokes = scatteredStrokes();
    const SDL_Rect clips[] = {{0, 0, 40, 30}, {6, 4, 20, 17}};
    for (const SDL_Rect& clip : clips) {
        for (std::size_t count : {std::size_t{1}, std::size_t{7}, strokes.size()}) {
            SoftwareCanvas alone(40, 30), sketched(40, 30);
            SDL_RenderSetClipRect(alone.renderer(), &clip);
            SDL_RenderSetClipRect(sketched.renderer(), &clip);
            OpaqueSketch all(sketched.renderer(), {-100, -100, 300, 300});
            for (std::size_t i = 0; i < count; ++i) {
                drawAlone(alone.renderer(), strokes[i]);
                sketch(all, strokes[i]);
            }
            all.draw();
            ASSERT_EQ(sketched.pixels(), alone.pixels()) << count << " pieces in " << clip;
        }
    }
}

TEST(OpaqueSketch, EndsWithThePictureOfEachPieceDrawnInTurnInAWindow)
{
    const std::vector<Stroke> strokes = scatteredStrokes();
    WindowCanvas canvas(40, 30);
    const SDL_Rect clip{6, 4, 20, 17};
    SDL_RenderSetClipRect(canvas.renderer(), &clip);
    for (const Stroke& stroke : strokes)
        drawAlone(canvas.renderer(), stroke);
    const std::vector<Rgba> alone = canvas.pixels();
    canvas.clear();
    SDL_RenderSetClipRect(canvas.renderer(), &clip);
    OpaqueSketch all(canvas.renderer(), {-100, -100, 300, 300});
    for (const Stroke& stroke : strokes)
        sketch(all, stroke);
    all.draw();
    EXPECT_EQ(canvas.pixels(), alone);
}

TEST(OpaqueSketch, KeepsOnlyItsAreaAndCanBeDrawnAgain)
{
    SoftwareCanvas canvas(40, 30);
    OpaqueSketch sketch(canvas.renderer(), {10, 10, 10, 10});
    sketch.setColour(packColor(200, 30, 30));
    sketch.line(0, 0, 39, 29);
    sketch.fill({0, 15, 40, 2});
    sketch.draw();
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{10, 10, 10, 7}));
    EXPECT_EQ(canvas.pixel(12, 15), (Rgba{200, 30, 30, 255}));
    EXPECT_EQ(canvas.pixel(12, 12), (Rgba{0, 0, 0, 255}));

    // The second draw holds only what was sketched since the first, in a colour set anew.
    sketch.setColour(packColor(30, 30, 200));
    sketch.point(11, 11);
    sketch.draw();
    EXPECT_EQ(canvas.pixel(11, 11), (Rgba{30, 30, 200, 255}));
    EXPECT_EQ(canvas.pixel(12, 15), (Rgba{200, 30, 30, 255}));
    Rgba last;
    SDL_GetRenderDrawColor(canvas.renderer(), &last.r, &last.g, &last.b, &last.a);
    EXPECT_EQ(last, (Rgba{30, 30, 200, 255}));
}

TEST(OpaqueSketch, CablesDrawnTogetherLieOverOneAnotherAsDrawnOneByOne)
{
    const CableEnds cables[] = {
        {{10, 40}, {110, 45}}, {{20, 10}, {60, 75}}, {{100, 5}, {15, 70}}, {{-30, 50}, {50, 50}}};
    SoftwareCanvas alone(120, 80), together(120, 80);
    const SDL_Rect clip{5, 0, 110, 78};
    SDL_RenderSetClipRect(alone.renderer(), &clip);
    SDL_RenderSetClipRect(together.renderer(), &clip);
    for (const CableEnds& cable : cables)
        drawCable(alone.renderer(), cable.a, cable.b);
    drawCables(together.renderer(), cables);
    EXPECT_EQ(together.pixels(), alone.pixels());
}
