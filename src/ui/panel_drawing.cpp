#include "ui/panel_drawing.h"

#include <string>

#include "render/bitmap_font.h"

void fillRect(SDL_Renderer* renderer, const SDL_Rect& rect, PackedColor colour)
{
    setDrawColor(renderer, colour);
    SDL_RenderFillRect(renderer, &rect);
}

void outlineRect(SDL_Renderer* renderer, const SDL_Rect& rect, PackedColor colour)
{
    setDrawColor(renderer, colour);
    SDL_RenderDrawRect(renderer, &rect);
}

void drawPhrase(SDL_Renderer* renderer, std::string_view phrase, int x, int y, PackedColor colour, int scale)
{
    setDrawColor(renderer, colour);
    drawText(renderer, std::string(phrase).c_str(), x, y, scale);
}

void drawPanelFrame(SDL_Renderer* renderer, const SDL_Rect& rect, const char* title)
{
    fillRect(renderer, rect, packColor(21, 25, 29));
    setDrawColor(renderer, packColor(184, 198, 205));
    SDL_RenderDrawLine(renderer, rect.x + 10, rect.y + 22, rect.x + rect.w - 10, rect.y + 22);
    drawPhrase(renderer, title, rect.x + 10, rect.y + 8, packColor(235, 239, 241));
}
