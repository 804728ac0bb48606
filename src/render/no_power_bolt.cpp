#include "render/no_power_bolt.h"

#include <span>

#include "render/design_grid.h"
#include "render/sprite_shapes.h"

namespace {

// One design row of the bolt from column `first` to `last`, both included.
struct Span {
    int row;
    int first;
    int last;
};

constexpr Span OUTLINE[] = {
    {1, 20, 22},  {2, 19, 22},  {3, 18, 21},  {4, 17, 20},  {5, 16, 19},  {6, 15, 18},  {7, 14, 17},  {8, 13, 16},
    {9, 12, 15},  {10, 11, 14}, {11, 10, 17}, {12, 9, 27},  {13, 8, 27},  {14, 7, 26},  {15, 6, 25},  {16, 4, 24},
    {17, 4, 23},  {18, 13, 22}, {19, 13, 21}, {20, 12, 20}, {21, 12, 19}, {22, 11, 18}, {23, 11, 17}, {24, 10, 16},
    {25, 10, 15}, {26, 9, 14},  {27, 9, 13},  {28, 8, 12},  {29, 8, 11},  {30, 7, 10},
};

constexpr Span BODY[] = {
    {3, 20, 20},  {4, 19, 20},  {5, 18, 19},  {6, 17, 18},  {7, 16, 17},  {8, 15, 16},  {9, 14, 15},
    {10, 13, 14}, {11, 12, 13}, {12, 11, 15}, {13, 10, 25}, {14, 9, 25},  {15, 8, 24},  {16, 7, 23},
    {17, 6, 22},  {18, 14, 21}, {19, 14, 20}, {20, 13, 19}, {21, 13, 18}, {22, 12, 17}, {23, 12, 16},
    {24, 11, 15}, {25, 11, 14}, {26, 10, 13}, {27, 10, 12}, {28, 9, 11},  {29, 9, 10},
};

constexpr Span HIGHLIGHT[] = {
    {4, 19, 19},  {5, 18, 18},  {6, 17, 17}, {7, 16, 16}, {8, 15, 15}, {9, 14, 14},  {10, 13, 13}, {11, 12, 14},
    {12, 11, 18}, {13, 10, 19}, {14, 9, 19}, {15, 8, 18}, {16, 7, 18}, {17, 14, 18}, {18, 14, 17},
};

constexpr DesignFill SPARKLES[] = {
    {15, 7, 1, 1, packColor(255, 255, 225)}, {14, 8, 1, 1, packColor(255, 255, 225)},
    {13, 9, 1, 1, packColor(255, 255, 225)}, {10, 14, 3, 1, packColor(255, 255, 225)},
    {9, 15, 3, 1, packColor(255, 255, 225)},
};

void fillSpans(const FillDesignRectSpan& fill, std::span<const Span> spans, PackedColor colour)
{
    for (const Span& s : spans)
        fill(s.first, s.row, s.last - s.first + 1, 1, colour);
}

}  // namespace

void drawNoPowerBolt(SDL_Renderer* renderer, int x, int y, int w, int h, float time)
{
    const bool bright = static_cast<int>(2.0f * time) % 2 == 0;
    const FillDesignRectSpan fill{renderer, {x, y, w, h}};
    fillSpans(fill, OUTLINE, packColor(5, 7, 8));
    fillSpans(fill, BODY, bright ? packColor(244, 153, 18) : packColor(177, 103, 24));
    fillSpans(fill, HIGHLIGHT, bright ? packColor(255, 226, 13) : packColor(205, 151, 25));
    if (bright) fillDesigns(fill, SPARKLES);
}
