#include <gtest/gtest.h>

#include "render/line_batch.h"
#include "support/software_canvas.h"
#include "window_canvas.h"

namespace {

struct Line {
    int x1, y1, x2, y2;
};

// Lines of every slope and length, many of them reaching past the canvas.
std::vector<Line> scatteredLines()
{
    std::vector<Line> lines{{5, 5, 5, 5},   {3, 9, 30, 9},  {30, 9, 3, 9},    {7, 2, 7, 25},    {7, 25, 7, 2},
                            {0, 0, 39, 29}, {39, 0, 0, 29}, {-20, 4, 60, 11}, {10, -30, 14, 50}};
    unsigned seed = 12345;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>(seed >> 16 & 0x7FFF) % range;
    };
    for (int i = 0; i < 300; ++i)
        lines.push_back({next(70) - 15, next(60) - 15, next(70) - 15, next(60) - 15});
    return lines;
}

}  // namespace

TEST(LineBatch, DrawsTheVeryPixelsOfEachLineDrawnAlone)
{
    const SDL_Rect clips[] = {{0, 0, 40, 30}, {6, 4, 20, 17}};
    for (const SDL_Rect& clip : clips) {
        for (const Line& line : scatteredLines()) {
            SoftwareCanvas alone(40, 30), batched(40, 30);
            SDL_RenderSetClipRect(alone.renderer(), &clip);
            SDL_RenderSetClipRect(batched.renderer(), &clip);
            SDL_RenderDrawLine(alone.renderer(), line.x1, line.y1, line.x2, line.y2);
            LineBatch batch(batched.renderer());
            batch.add(line.x1, line.y1, line.x2, line.y2);
            batch.draw();
            ASSERT_EQ(batched.pixels(), alone.pixels())
                << "(" << line.x1 << ", " << line.y1 << ") to (" << line.x2 << ", " << line.y2 << ") in " << clip;
        }
    }
}

TEST(LineBatch, DrawsTheVeryPixelsOfEachLineDrawnAloneInAWindow)
{
    // A window's renderer steps each line whole where a surface's cuts it at the clip.
    WindowCanvas canvas(40, 30);
    const SDL_Rect clip{6, 4, 20, 17};
    for (const Line& line : scatteredLines()) {
        canvas.clear();
        SDL_RenderSetClipRect(canvas.renderer(), &clip);
        SDL_RenderDrawLine(canvas.renderer(), line.x1, line.y1, line.x2, line.y2);
        const std::vector<Rgba> alone = canvas.pixels();
        canvas.clear();
        SDL_RenderSetClipRect(canvas.renderer(), &clip);
        LineBatch batch(canvas.renderer());
        batch.add(line.x1, line.y1, line.x2, line.y2);
        batch.draw();
        ASSERT_EQ(canvas.pixels(), alone)
            << "(" << line.x1 << ", " << line.y1 << ") to (" << line.x2 << ", " << line.y2 << ")";
    }
}
