#include "ui/tool_help_panels.h"

#include "render/bitmap_font.h"
#include "render/design_grid.h"
#include "render/widgets.h"
#include "ui/panel_drawing.h"

namespace {

constexpr PackedColor TEXT_COLOUR = packColor(235, 239, 241);
constexpr int DIRECTION_BUTTON_WIDTH = 68;

void drawChoice(SDL_Renderer* renderer, const ScreenRect& r, bool chosen)
{
    drawButtonFrame(renderer, r.left, r.top, r.width, r.height, chosen ? BUTTON_ACTIVE : 0);
    setDrawColor(renderer, TEXT_COLOUR);
}

// The frame with its title and the help under it; leaves the text colour set.
void drawChooserFrame(SDL_Renderer* renderer, const ScreenRect& content, const char* title, const std::string& help)
{
    drawPanelFrame(renderer, sdlRect(content), title);
    setDrawColor(renderer, TEXT_COLOUR);
    drawTextWrapped(renderer, help, content.left + 10, content.top + 40, content.width - 20, true);
}

}  // namespace

ScreenRect beltSpeedButtonRect(const ScreenRect& content, int level)
{
    return {content.left + 8 + 38 * level, content.top + 89, 32, 32};
}

ScreenRect directionButtonRect(const ScreenRect& content, Direction direction)
{
    return {content.left + 8 + 76 * (direction - NORTH), content.top + 90, DIRECTION_BUTTON_WIDTH, 52};
}

int beltSpeedLevelAt(const ScreenRect& content, int px, int py)
{
    for (int level = 0; level < BELT_SPEED_LEVELS; ++level) {
        if (contains(beltSpeedButtonRect(content, level), px, py)) return level;
    }
    return -1;
}

Direction directionAt(const ScreenRect& content, int px, int py)
{
    for (Direction d = NORTH; d <= WEST; ++d) {
        if (contains(directionButtonRect(content, d), px, py)) return d;
    }
    return NONE;
}

const char* directionName(Direction direction)
{
    switch (direction) {
    case NORTH:
        return "NORD";
    case EAST:
        return "OST";
    case SOUTH:
        return "SUED";
    case WEST:
        return "WEST";
    default:
        return "";
    }
}

void drawBeltSpeedChooser(SDL_Renderer* renderer, const ScreenRect& content, int level)
{
    drawChooserFrame(renderer, content, "BANDTEMPO MALEN",
                     "STUFE WAEHLEN UND MIT GEDRUECKTER LINKER MAUSTASTE UEBER BAENDER MALEN.");
    for (int i = 0; i < BELT_SPEED_LEVELS; ++i) {
        drawChoice(renderer, beltSpeedButtonRect(content, i), i == level);
        const char digit[2] = {static_cast<char>('0' + i), '\0'};
        drawBitmapText(renderer, digit, content.left + 21 + 38 * i, content.top + 101, 1);
    }
    drawTextWrapped(renderer, "STUFE 0 STOPPT. STUFE 3 IST NORMAL UND HAT KEINEN MARKER.", content.left + 10,
                    content.top + 135, content.width - 20, true);
}

void drawDirectionChooser(SDL_Renderer* renderer, const ScreenRect& content, Direction direction)
{
    drawChooserFrame(renderer, content, "RICHTUNG EINSTELLEN",
                     "RICHTUNG WAEHLEN. KLICKEN ODER ZIEHEN RICHTET BAENDER UND DREHBARE CONTROLS AUS.");
    const int y = content.top;
    for (Direction d = NORTH; d <= WEST; ++d) {
        const ScreenRect button = directionButtonRect(content, d);
        drawChoice(renderer, button, d == direction);
        drawDirectionArrow(renderer, button.left + 18, y + 92, 32, 28, d);
        drawText(renderer, directionName(d), centredTextX(button.left, button.width, directionName(d)), y + 126, 1);
    }
    drawTextWrapped(renderer,
                    "BEI ARMEN WIRD DIE ACHSE GEWAEHLT. BLOCKIERTE DREHUNGEN BLEIBEN UNVERAENDERT. STRG-Z MACHT DEN "
                    "MALZUG RUECKGAENGIG.",
                    content.left + 10, y + 160, content.width - 20, true);
}

void drawSwitchWireHelp(SDL_Renderer* renderer, const ScreenRect& sidePanel, const std::string& message)
{
    const int x = sidePanel.left + 10;
    const int wrap = sidePanel.width - 20;
    setDrawColor(renderer, TEXT_COLOUR);
    drawText(renderer, "SCHALTLEITUNG", x, 65, 1);
    drawTextWrapped(renderer,
                    "SCHALTLEITUNG: ZUERST AUSGANG, DANN EINGANG. OBEN A, UNTEN B. FREIE EINGAENGE SIND AUS. KEINE "
                    "RUECKKOPPLUNGEN.",
                    x, 100, wrap, true);
    if (message.empty()) return;
    setDrawColor(renderer, packColor(255, 220, 110));
    drawTextWrapped(renderer, message, x, 200, wrap, true);
}

bool pressBeltSpeedChooser(const ScreenRect& content, int px, int py, int& level)
{
    const int hit = beltSpeedLevelAt(content, px, py);
    if (hit < 0) return false;
    level = hit;
    return true;
}

bool pressDirectionChooser(const ScreenRect& content, int px, int py, Direction& direction)
{
    const Direction hit = directionAt(content, px, py);
    if (hit == NONE) return false;
    direction = hit;
    return true;
}
