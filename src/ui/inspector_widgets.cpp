#include "ui/inspector_widgets.h"

#include <algorithm>

#include "editing/labels.h"
#include "render/bitmap_font.h"
#include "render/widgets.h"
#include "ui/panel_drawing.h"
#include "world/cargo.h"
#include "world/game.h"

namespace {

constexpr int ID_FIELD_MARGIN = 84;  // panel width the field's text may not use
constexpr int ID_TEXT_INSET = 14;

}  // namespace

Tile& PanelTarget::tile() const { return game.tileAt(x, y); }

int choiceState(bool chosen) { return chosen ? BUTTON_ACTIVE : 0; }

int switchState(bool on) { return on ? BUTTON_ACTIVE : BUTTON_WARNING; }

void drawButton(SDL_Renderer* renderer, const ScreenRect& button, int state)
{
    drawButtonFrame(renderer, button.left, button.top, button.width, button.height, state);
}

ScreenRect panelRect(const ScreenRect& panel, int dx, int dy, int width, int height)
{
    return {panel.left + dx, panel.top + dy, width, height};
}

ScreenRect cargoCellRect(const ScreenRect& panel, const CargoGrid& grid, int cell)
{
    return panelRect(panel, 10 + 100 * (cell % 3), grid.top + grid.pitch * (cell / 3), 90, grid.height);
}

int cargoCellAt(const ScreenRect& panel, const CargoGrid& grid, int px, int py)
{
    for (int cell = 0; cell < grid.cells; ++cell) {
        if (contains(cargoCellRect(panel, grid, cell), px, py)) return cell;
    }
    return -1;
}

SDL_Texture* cargoSprite(const CargoTextures& sprites, int cargo)
{
    return isCargoType(cargo) ? sprites[static_cast<std::size_t>(cargo)] : nullptr;
}

void copySprite(SDL_Renderer* renderer, SDL_Texture* sprite, const SDL_Rect& target)
{
    if (sprite != nullptr) SDL_RenderCopy(renderer, sprite, nullptr, &target);
}

const char* cargoShortName(int cargo) { return isCargoType(cargo) ? CARGO_SHORT_NAMES[cargo] : ""; }

const char* cargoLongName(int cargo) { return isCargoType(cargo) ? CARGO_NAMES[cargo] : ""; }

void drawCentredText(SDL_Renderer* renderer, std::string_view phrase, int left, int width, int y, PackedColor colour)
{
    drawPhrase(renderer, phrase, centredTextX(left, width, phrase), y, colour);
}

void drawLabel(SDL_Renderer* renderer, const ScreenRect& panel, std::string_view phrase, int y)
{
    drawText(renderer, std::string(phrase).c_str(), panel.left + 10, y, 1);
}

int countRowX(int left, int width, int value)
{
    const int length = static_cast<int>(std::to_string(value).size());
    return left + (width - bitmapTextWidth(length, 1)) / 2;
}

void drawCountRow(SDL_Renderer* renderer, int left, int width, int value, int y)
{
    setDrawColor(renderer, PANEL_VALUE_COLOUR);
    drawBitmapText(renderer, std::to_string(value).c_str(), countRowX(left, width, value), y, 1);
}

ScreenRect idTextFieldRect(const ScreenRect& panel, int rowOffset)
{
    return panelRect(panel, 10, rowOffset, panel.width - 76, 20);
}

ScreenRect idTextOkRect(const ScreenRect& panel, int rowOffset)
{
    return panelRect(panel, panel.width - 60, rowOffset, 50, 20);
}

IdFieldText idFieldText(std::string_view text, const ScreenRect& panel)
{
    const std::size_t maxChars = static_cast<std::size_t>(std::max(0, (panel.width - ID_FIELD_MARGIN) / GLYPH_ADVANCE));
    IdFieldText field;
    field.shown = std::string(text.size() > maxChars ? text.substr(text.size() - maxChars) : text);
    field.caretX = panel.left + ID_TEXT_INSET + bitmapTextWidth(static_cast<int>(field.shown.size()), 1);
    return field;
}

void drawIdTextField(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile, bool editing,
                     std::string_view editBuffer, int rowOffset)
{
    const ScreenRect box = idTextFieldRect(panel, rowOffset);
    const int state = choiceState(editing);
    drawButton(renderer, box, state);
    drawPhrase(renderer, "ID TEXT", panel.left + 64, box.top - 19, PANEL_CAPTION_COLOUR);

    // A label is the player's own text: drawn as typed, never translated.
    const IdFieldText field = idFieldText(editing ? editBuffer : std::string_view(tile.label), panel);
    setDrawColor(renderer, PANEL_VALUE_COLOUR);
    drawBitmapText(renderer, field.shown.c_str(), panel.left + ID_TEXT_INSET, box.top + 6, 1);
    if (editing) SDL_RenderDrawLine(renderer, field.caretX, box.top + 4, field.caretX, box.top + 15);

    const ScreenRect ok = idTextOkRect(panel, rowOffset);
    drawButton(renderer, ok, state);
    drawPhrase(renderer, "OK", panel.left + panel.width - 41, ok.top + 6, PANEL_VALUE_COLOUR);
}

bool pressIdTextField(LabelEntry& entry, Game& game, const ScreenRect& panel, int rowOffset, int tileX, int tileY,
                      int px, int py)
{
    if (contains(idTextFieldRect(panel, rowOffset), px, py)) {
        beginLabelEdit(entry, game, tileX, tileY);
        return true;
    }
    const bool ok = contains(idTextOkRect(panel, rowOffset), px, py);
    endLabelEdit(entry, game, ok);
    return ok;
}

bool showsRotateButton(ControlType type)
{
    switch (type) {
    case EMPTY:
    case PLAIN:
    case SINK:
    case COAL_GENERATOR:
    case POWER_POLE:
    case WATER_SOURCE:
    case SENSOR:
        return false;
    default:
        return type > EMPTY && type < LOGIC_AND;
    }
}

ScreenRect rotateButtonRect(const ScreenRect& panel) { return panelRect(panel, 10, panel.height - 40, 140, 30); }

void drawRotateButton(SDL_Renderer* renderer, const ScreenRect& panel)
{
    const ScreenRect button = rotateButtonRect(panel);
    drawButton(renderer, button, 0);
    drawPhrase(renderer, "DREHEN", button.left + 10, button.top + 11, PANEL_TEXT_COLOUR);
}
