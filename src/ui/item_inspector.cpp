#include "ui/item_inspector.h"

#include <algorithm>

#include "editing/demolishing.h"
#include "render/bitmap_font.h"
#include "ui/inspector_widgets.h"
#include "ui/panel_drawing.h"
#include "world/item_identity.h"

std::string itemIdentityText(const ItemId& id)
{
    if (id.machineId == 0 || id.serial == 0) return "ID -";
    std::string text = "ID " + std::to_string(id.machineId) + "-";
    if (!id.label.empty()) text += id.label + "-";
    return text + std::to_string(id.serial);
}

IdentityLines identityLines(std::string_view text, int panelWidth)
{
    const std::size_t maxChars = static_cast<std::size_t>(std::max(0, (panelWidth - 20) / GLYPH_ADVANCE));
    if (text.size() <= maxChars) return {std::string(text), {}};
    return {std::string(text.substr(0, maxChars)), std::string(text.substr(maxChars))};
}

ScreenRect itemDeleteButtonRect(const ScreenRect& panel) { return panelRect(panel, 10, 165, panel.width - 20, 32); }

void drawItemPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, CargoType cargo,
                   const ItemId& id)
{
    drawPanelFrame(renderer, sdlRect(panel), "FOERDERGUT");
    const SDL_Rect icon = sdlRect(panelRect(panel, 12, 30, 64, 64));
    fillRect(renderer, icon, packColor(40, 47, 53));
    outlineRect(renderer, icon, packColor(102, 113, 120));
    copySprite(renderer, cargoSprite(sprites, cargo), sdlRect(panelRect(panel, 16, 34, 56, 56)));

    drawPhrase(renderer, "TYP", panel.left + 90, panel.top + 40, PANEL_CAPTION_COLOUR);
    drawPhrase(renderer, cargoLongName(cargo), panel.left + 90, panel.top + 60, PANEL_VALUE_COLOUR);

    // The identity holds the producer's label: drawn as it stands.
    const IdentityLines lines = identityLines(itemIdentityText(id), panel.width);
    drawBitmapText(renderer, lines.first.c_str(), panel.left + 10, panel.top + 110, 1);
    if (!lines.second.empty()) drawBitmapText(renderer, lines.second.c_str(), panel.left + 10, panel.top + 126, 1);

    const SDL_Rect button = sdlRect(itemDeleteButtonRect(panel));
    fillRect(renderer, button, packColor(75, 45, 47));
    outlineRect(renderer, button, packColor(220, 85, 85));
    drawPhrase(renderer, "GUT LOESCHEN", panel.left + 20, panel.top + 176, PANEL_VALUE_COLOUR);
}

ItemPanelPress pressItemPanel(Game& game, const ScreenRect& panel, int px, int py, bool& open, ItemId& stored)
{
    if (!contains(itemDeleteButtonRect(panel), px, py)) return ItemPanelPress::Missed;
    if (!removeItemById(game, ItemId(stored))) return ItemPanelPress::Refused;
    open = false;
    stored = {};
    return ItemPanelPress::Removed;
}
