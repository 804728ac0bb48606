#include "render/widgets.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

struct Rgb {
    Uint8 r;
    Uint8 g;
    Uint8 b;
};

void fillRect(SDL_Renderer* renderer, const SDL_Rect& rect, Rgb colour)
{
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, 255);
    SDL_RenderFillRect(renderer, &rect);
}

constexpr Rgb FLAG_WHITE{246, 247, 249};
constexpr Rgb FLAG_RED{207, 37, 53};
constexpr Rgb FLAG_BLUE{26, 45, 100};

// Band widths of the English flag: the white crosses (a), the red diagonals (s)
// and the red centre cross (m), with where the centre bands start.
struct CrossSizes {
    int band;
    int diagonal;
    int stripe;
    int bandTop;
    int bandLeft;
    int stripeTop;
    int stripeLeft;
};

CrossSizes crossSizes(int w, int h)
{
    CrossSizes s{3, 1, 1, 0, 0, 0, 0};
    if (8 * h >= 88) {
        s.band = 8 * h / 22;
        s.diagonal = 3 * h > 43 ? 3 * h / 22 : 1;
        s.stripe = 4 * h / 22;
    }
    s.bandTop = (h - s.band) / 2;
    s.bandLeft = (w - s.band) / 2;
    s.stripeTop = (h - s.stripe) / 2;
    s.stripeLeft = (w - s.stripe) / 2;
    return s;
}

void drawEnglishFlag(SDL_Renderer* renderer, const SDL_Rect& rect)
{
    fillRect(renderer, rect, FLAG_BLUE);
    const CrossSizes s = crossSizes(rect.w, rect.h);
    const double W = rect.w - 1;
    const double H = rect.h - 1;
    const double D = std::sqrt(W * W + H * H);
    std::vector<SDL_Point> white;
    std::vector<SDL_Point> red;
    for (int r = 0; r < rect.h; ++r) {
        for (int c = 0; c < rect.w; ++c) {
            const double d1 = D > 0 ? std::abs(W * r - H * c) / D : 0.0;
            const double d2 = D > 0 ? std::abs(W * (H - r) - H * c) / D : 0.0;
            // The last rule that applies wins.
            std::vector<SDL_Point>* paint = nullptr;
            if (d1 <= 0.48 * s.band || d2 <= 0.48 * s.band) paint = &white;
            if (d1 <= 0.48 * s.diagonal || d2 <= 0.48 * s.diagonal) paint = &red;
            if ((r >= s.bandTop && r < s.bandTop + s.band) || (c >= s.bandLeft && c < s.bandLeft + s.band)) {
                paint = &white;
            }
            if ((r >= s.stripeTop && r < s.stripeTop + s.stripe) ||
                (c >= s.stripeLeft && c < s.stripeLeft + s.stripe)) {
                paint = &red;
            }
            if (paint != nullptr) paint->push_back({rect.x + c, rect.y + r});
        }
    }
    SDL_SetRenderDrawColor(renderer, FLAG_WHITE.r, FLAG_WHITE.g, FLAG_WHITE.b, 255);
    SDL_RenderDrawPoints(renderer, white.data(), static_cast<int>(white.size()));
    SDL_SetRenderDrawColor(renderer, FLAG_RED.r, FLAG_RED.g, FLAG_RED.b, 255);
    SDL_RenderDrawPoints(renderer, red.data(), static_cast<int>(red.size()));
}

void drawGermanFlag(SDL_Renderer* renderer, const SDL_Rect& rect)
{
    const int t = rect.h / 3;
    const int x = rect.x, y = rect.y, w = rect.w, h = rect.h;
    fillRect(renderer, {x, y, w, t}, {222, 35, 55});
    fillRect(renderer, {x, y + t, w, h - 2 * t}, {247, 247, 242});
    fillRect(renderer, {x, y + h - t, w, t}, {222, 35, 55});
    fillRect(renderer, {x, y, w, 1}, {255, 105, 117});
    fillRect(renderer, {x, y + h - 1, w, 1}, {168, 29, 47});
}

}  // namespace

void drawButtonFrame(SDL_Renderer* renderer, int x, int y, int w, int h, int state)
{
    Rgb fill{40, 47, 53};
    Rgb outline{102, 113, 120};
    if (state == BUTTON_ACTIVE) {
        fill = {53, 89, 70};
        outline = {111, 215, 115};
    } else if (state == BUTTON_WARNING) {
        fill = {75, 45, 47};
        outline = {220, 85, 85};
    }
    const SDL_Rect rect{x, y, w, h};
    fillRect(renderer, rect, fill);
    SDL_SetRenderDrawColor(renderer, outline.r, outline.g, outline.b, 255);
    SDL_RenderDrawRect(renderer, &rect);
}

void drawDirectionArrow(SDL_Renderer* renderer, int x, int y, int w, int h, Direction dir)
{
    if (!isCompassDirection(dir)) return;
    const DirectionVector d = directionVector(dir);
    const float cx = x + w * 0.5f;
    const float cy = y + h * 0.5f;
    const float length = w * 0.28f;
    const float ux = d.dx * length;
    const float uy = d.dy * length;
    const float bx = cx - ux * 0.5f;
    const float by = cy - uy * 0.5f;
    const SDL_Point tip{static_cast<int>(cx + ux), static_cast<int>(cy + uy)};
    const SDL_Point p{static_cast<int>(bx - uy * 0.6f), static_cast<int>(by + ux * 0.6f)};
    const SDL_Point q{static_cast<int>(bx + uy * 0.6f), static_cast<int>(by - ux * 0.6f)};
    // Each edge from its own first end: a line's pixels depend on where it starts.
    SDL_RenderDrawLine(renderer, tip.x, tip.y, p.x, p.y);
    SDL_RenderDrawLine(renderer, tip.x, tip.y, q.x, q.y);
    SDL_RenderDrawLine(renderer, p.x, p.y, q.x, q.y);
}

PackedColor toggleButtonColor(bool on, bool emphasized)
{
    if (emphasized) return on ? packColor(242, 66, 66) : packColor(151, 48, 48);
    return on ? packColor(112, 45, 45) : packColor(77, 39, 39);
}

void drawLanguageIcon(SDL_Renderer* renderer, Language language, const SDL_Rect& rect)
{
    const int x = rect.x, y = rect.y, w = rect.w, h = rect.h;
    fillRect(renderer, {x + 2, y + 2, w, h}, {5, 10, 17});
    fillRect(renderer, {x - 2, y - 2, w + 4, h + 4}, {31, 42, 52});
    fillRect(renderer, {x - 1, y - 1, w + 2, h + 2}, {151, 171, 181});
    fillRect(renderer, rect, {12, 19, 27});
    if (w > 0 && h > 0) {
        if (language == GERMAN) {
            drawGermanFlag(renderer, rect);
        } else {
            drawEnglishFlag(renderer, rect);
        }
    }
    fillRect(renderer, {x - 1, y - 1, w + 2, 1}, {232, 239, 239});
    fillRect(renderer, {x - 1, y - 1, 1, h + 2}, {193, 211, 216});
    fillRect(renderer, {x + w, y, 1, h + 1}, {45, 56, 66});
    fillRect(renderer, {x, y + h, w + 1, 1}, {36, 45, 54});
}
