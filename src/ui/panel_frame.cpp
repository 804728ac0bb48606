#include "ui/panel_frame.h"

#include "render/bitmap_font.h"
#include "render/design_grid.h"

void drawPanelFrame(SDL_Renderer* renderer, const SDL_Rect& rect, const char* title)
{
    setDrawColor(renderer, packColor(21, 25, 29));
    SDL_RenderFillRect(renderer, &rect);
    setDrawColor(renderer, packColor(184, 198, 205));
    SDL_RenderDrawLine(renderer, rect.x + 10, rect.y + 22, rect.x + rect.w - 10, rect.y + 22);
    setDrawColor(renderer, packColor(235, 239, 241));
    drawText(renderer, title, rect.x + 10, rect.y + 8, 1);
}
