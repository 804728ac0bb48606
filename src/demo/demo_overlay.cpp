#include "demo/demo_overlay.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "demo/demo_player.h"
#include "render/bitmap_font.h"

namespace {

// 'X' dark outline, 'O' light fill, '.' clear; the tip is the top left cell.
constexpr const char* POINTER_ROWS[] = {
    "X.........", "XX........", "XOX.......", "XOOX......", "XOOOX.....", "XOOOOX....", "XOOOOOX...", "XOOOOOOX..",
    "XOOOOOOOX.", "XOOOOXXXXX", "XOOXOOX...", "XOX.XOOX..", "XX..XOOX..", "X....XOOX.", "......XX..",
};
constexpr int POINTER_CELL = 2;

constexpr SDL_Color TITLE_FILL = {7, 12, 15, 220};
constexpr SDL_Color TITLE_INK = {111, 215, 185, 255};
constexpr SDL_Color POINTER_OUTLINE = {7, 12, 15, 255};
constexpr SDL_Color POINTER_FILL = {245, 250, 243, 255};
constexpr SDL_Color RING = {240, 208, 91, 255};

constexpr int TITLE_TOP = 24;
constexpr int TITLE_HEIGHT = 40;
constexpr int TITLE_SCALE = 2;

void setColor(SDL_Renderer* renderer, SDL_Color c) { SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a); }

void drawPointerCells(SDL_Renderer* renderer, int x, int y, char cell)
{
    for (int row = 0; row < static_cast<int>(std::size(POINTER_ROWS)); ++row) {
        for (int column = 0; POINTER_ROWS[row][column] != '\0'; ++column) {
            if (POINTER_ROWS[row][column] != cell) continue;
            const SDL_Rect square = {x + column * POINTER_CELL, y + row * POINTER_CELL, POINTER_CELL, POINTER_CELL};
            SDL_RenderFillRect(renderer, &square);
        }
    }
}

}  // namespace

void drawDemoSceneTitle(SDL_Renderer* renderer, int windowWidth, std::string_view title)
{
    const int boxWidth = 12 * static_cast<int>(title.size()) + 32;
    const SDL_Rect box = {(windowWidth - boxWidth) / 2, TITLE_TOP, boxWidth, TITLE_HEIGHT};
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    setColor(renderer, TITLE_FILL);
    SDL_RenderFillRect(renderer, &box);
    setColor(renderer, TITLE_INK);
    SDL_RenderDrawRect(renderer, &box);
    drawBitmapText(renderer, std::string(title).c_str(), box.x + 16, 37, TITLE_SCALE);
}

void drawDemoPointer(SDL_Renderer* renderer, int x, int y)
{
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    setColor(renderer, POINTER_OUTLINE);
    drawPointerCells(renderer, x, y, 'X');
    setColor(renderer, POINTER_FILL);
    drawPointerCells(renderer, x, y, 'O');
}

void drawDemoPressRing(SDL_Renderer* renderer, int x, int y, float remaining)
{
    if (remaining <= 0.0f) return;
    const int r = static_cast<int>((DEMO_PRESS_RING_SECONDS - remaining) * 28.0f) + 12;
    const auto alpha = static_cast<Uint8>(std::min(remaining * 255.0f / DEMO_PRESS_RING_SECONDS, 255.0f));
    const SDL_Rect ring = {x - r, y - r, 2 * r, 2 * r};
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, RING.r, RING.g, RING.b, alpha);
    SDL_RenderDrawRect(renderer, &ring);
}
